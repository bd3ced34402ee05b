// Reads the shipped program as a screen reader does, from another process,
// through the system's accessibility interfaces: the accessible name of every
// control (oleacc), and the live-region event after a real click, with the
// focus left on the option.
//
//   trovanel_wine_reader.exe PROGRAM.exe
//
// Exit 0 when every check holds. What the system does not provide is said on
// stdout and not checked.
#include <initguid.h>  // the GUIDs defined here, not taken from two libraries
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/core/accessible_name.h"
#include "forms/win32/wide_text.h"
#include "quiz/built_in_exercise.h"
#include "app/built_in_layout.h"
#include "app/trovanel_app.h"

namespace {

constexpr DWORD kLiveRegionChanged = 0x8019;

struct Announcement {
  HWND widget;
  std::wstring text;
};
std::vector<Announcement> heard;

int failures = 0;

void Expect(bool ok, const std::string& what) {
  if (ok) return;
  ++failures;
  std::printf("FAIL: %s\n", what.c_str());
}

std::wstring Text(HWND hwnd) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// The name a screen reader reads, through the object the system gives it.
std::string AccessibleNameOf(HWND hwnd) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return "<no accessible object>";
  }
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::string result;
  if (object->get_accName(self, &name) == S_OK && name) {
    result = forms::win32::WideToUtf8(name);
    SysFreeString(name);
  }
  object->Release();
  return result;
}

// Whether this system reads names set through IAccPropServices: tried on a
// window of our own.
bool AnnotationsWork() {
  HWND probe = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                             nullptr, nullptr, nullptr);
  IAccPropServices* services = nullptr;
  bool works = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr,
                                 CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                 reinterpret_cast<void**>(&services)))) {
    services->SetHwndPropStr(probe, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                             L"probe");
    works = AccessibleNameOf(probe) == "probe";
    services->Release();
  }
  DestroyWindow(probe);
  return works;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child,
                      DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) {
    heard.push_back({hwnd, Text(hwnd)});
  }
}

void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
}

void Click(HWND widget) {
  RECT r;
  GetWindowRect(widget, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PROGRAM.exe\n", argv[0]);
    return 64;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool annotations = AnnotationsWork();
  if (!annotations) {
    std::printf(
        "this system does not read names set through "
        "IAccPropServices: the list's and the message box's names "
        "are not checked\n");
  }

  // What to expect comes from the model: the names, and the message after
  // the pupil chooses the option.
  trovanel::TrovanelApp app(trovanel::BuiltInLayout(), quiz::BuiltInExercise());
  forms::Form& form = app.form();
  app.Load();
  forms::OptionButton* option = nullptr;
  forms::TextBox* message = nullptr;
  forms::CheckStatus(form.FindAs(trovanel::kOptionArray, 2, &option));
  forms::CheckStatus(
      form.FindAs(trovanel::kTextArray, trovanel::kMessageBox, &message));
  form.UserChoosesOption(*option);

  std::wstring program = forms::win32::Utf8ToWide(argv[1]);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    std::printf("FAIL: cannot start %s\n", argv[1]);
    return 1;
  }
  HWND window = nullptr;
  for (int i = 0; i < 600 && !window; ++i) {
    Sleep(100);
    window = FindWindowW(L"Trovanel", nullptr);
  }
  Expect(window != nullptr, "the window appears");
  if (!window) return 1;
  Pump(500);

  HWND box = nullptr;
  HWND target = nullptr;
  for (HWND child = GetWindow(window, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring kind = ClassOf(child);
    const std::string text = forms::win32::WideToUtf8(Text(child));
    std::string expected = text;  // captions: options, frame, labels
    if (kind == L"ListBox" || kind == L"LISTBOX") {
      forms::ListBox* list = nullptr;
      forms::CheckStatus(
          form.FindAs(trovanel::kListArray, trovanel::kDescriptionList, &list));
      expected = std::string(forms::AccessibleName(form, *list));
      Expect(!expected.empty(), "the list has a label");
      if (!annotations) continue;
    } else if (kind == L"Edit" || kind == L"EDIT") {
      box = child;
      continue;
    }
    if (text == option->description().caption) target = child;
    Expect(AccessibleNameOf(child) == expected,
           "accessible name of \"" + text + "\": \"" + AccessibleNameOf(child) +
               "\", expected \"" + expected + "\"");
  }
  Expect(box && target, "the message box and the option are found");
  if (!box || !target) return 1;

  HWINEVENTHOOK hook =
      SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, OnEvent,
                      process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  SetForegroundWindow(window);
  Pump(300);
  heard.clear();
  Click(target);
  for (int i = 0; i < 50 && heard.empty(); ++i) Pump(100);
  Pump(300);
  const std::wstring expected = forms::win32::Utf8ToWide(message->text());
  Expect(heard.size() == 1, "one announcement for one check, heard " +
                                std::to_string(heard.size()));
  if (!heard.empty()) {
    Expect(heard[0].widget == box, "the message box is announced");
    Expect(heard[0].text == expected,
           "the new message is shown when announced");
  }
  Expect(FocusOf(window) == target, "the focus stays on the option");
  if (annotations) {
    Expect(AccessibleNameOf(box) == message->text(),
           "the message box's name is its message");
  }
  UnhookWinEvent(hook);

  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD status = 1;
  Expect(WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0,
         "the program ends when closed");
  GetExitCodeProcess(process.hProcess, &status);
  Expect(status == 0, "exit status 0");
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::printf("screen reader: %d failed\n", failures);
  return failures ? 1 : 0;
}
