#include "forms/win32/accessibility.h"

#include <oleacc.h>

#include <algorithm>
#include <string>

#include "forms/core/accessible_name.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {
namespace {

// The documented values, which the headers of older systems lack.
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr GUID kLiveSetting = {               // LiveSetting_Property_GUID
    0xc12bcd8e,
    0x2a8e,
    0x4950,
    {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr GUID kName = {  // PROPID_ACC_NAME
    0x608d3df8,
    0x8128,
    0x4aa7,
    {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kPropServicesClass = {  // CLSID_AccPropServices
    0xb5f8350b,
    0x0548,
    0x48b1,
    {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kPropServicesInterface = {  // IID_IAccPropServices
    0x6e26e776,
    0x04f0,
    0x495d,
    {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

constexpr UINT_PTR kAnnounceTimer = 0x7A11;

using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD,
                                                  REFIID, void**);
using CoUninitializeFunction = void(WINAPI*)();

// The timer's procedure has no user data; there is one window.
Accessibility* announcing = nullptr;

template <typename T>
T Function(HMODULE module, const char* name) {
  return reinterpret_cast<T>(
      reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

Accessibility::Accessibility(const Form& form, const Win32Form& window)
    : window_(window) {
  announcing = this;
  ole32_ = LoadLibraryW(L"ole32.dll");
  if (!ole32_) return;
  auto initialise = Function<CoInitializeExFunction>(ole32_, "CoInitializeEx");
  auto create = Function<CoCreateInstanceFunction>(ole32_, "CoCreateInstance");
  if (!initialise || !create) return;
  uninitialise_com_ = SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(create(kPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                    kPropServicesInterface,
                    reinterpret_cast<void**>(&services_)))) {
    services_ = nullptr;
    return;
  }
  for (const auto& control : form.controls()) {
    HWND widget = window.WidgetOf(*control);
    if (!widget) continue;
    if (control->kind() == ControlKind::kTextBox) {
      VARIANT polite = {};
      polite.vt = VT_I4;
      polite.lVal = kPolite;
      services_->SetHwndProp(widget, OBJID_CLIENT, CHILDID_SELF, kLiveSetting,
                             polite);
    }
    std::string_view name = AccessibleName(form, *control);
    if (!name.empty()) SetName(widget, name);
  }
}

Accessibility::~Accessibility() {
  KillTimer(window_.hwnd(), kAnnounceTimer);
  announcing = nullptr;
  if (services_) services_->Release();
  if (uninitialise_com_) {
    if (auto end = Function<CoUninitializeFunction>(ole32_, "CoUninitialize")) {
      end();
    }
  }
  if (ole32_) FreeLibrary(ole32_);
}

void Accessibility::SetName(HWND widget, std::string_view name) {
  if (!services_) return;
  services_->SetHwndPropStr(widget, OBJID_CLIENT, CHILDID_SELF, kName,
                            Utf8ToWide(name).c_str());
}

// A check sets the message up to three times; the announcement follows once,
// when the queue is empty and the box has been drawn anew.
void Accessibility::TextChanged(const TextBox& text) {
  HWND widget = window_.WidgetOf(text);
  if (!widget) return;
  SetName(widget, text.text());
  if (std::find(changed_.begin(), changed_.end(), widget) == changed_.end()) {
    changed_.push_back(widget);
  }
  SetTimer(window_.hwnd(), kAnnounceTimer, USER_TIMER_MINIMUM, Announce);
}

void CALLBACK Accessibility::Announce(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  if (!announcing) return;
  for (HWND widget : announcing->changed_) {
    NotifyWinEvent(kLiveRegionChanged, widget, OBJID_CLIENT, CHILDID_SELF);
  }
  announcing->changed_.clear();
}

}  // namespace forms::win32
