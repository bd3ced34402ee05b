#ifndef TROVANEL_FORMS_WIN32_ACCESSIBILITY_H_
#define TROVANEL_FORMS_WIN32_ACCESSIBILITY_H_

#include <windows.h>

#include <vector>

#include "forms/core/form.h"
#include "forms/win32/win32_form.h"

struct IAccPropServices;

namespace forms::win32 {

// What screen readers need beyond the native controls: each control's
// accessible name (a list named by its label, the group by the frame's
// caption), and the message box as a live region, announced after each check
// while the focus stays where it is. The name of the message box is its
// message, which is what readers speak for a live region. As an observer it
// follows the window. COM and oleacc are loaded at run time, so that the
// program still imports only the system's core libraries and starts on
// Windows 7, which ignores the announcement.
class Accessibility : public FormObserver {
 public:
  Accessibility(const Form& form, const Win32Form& window);
  ~Accessibility() override;
  Accessibility(const Accessibility&) = delete;
  Accessibility& operator=(const Accessibility&) = delete;

  void ListRowChanged(const ListBox&) override {}
  void OptionChanged(const OptionButton&) override {}
  void TextChanged(const TextBox& text) override;

 private:
  static void CALLBACK Announce(HWND hwnd, UINT message, UINT_PTR id,
                                DWORD time);
  void SetName(HWND widget, std::string_view name);

  const Win32Form& window_;
  HMODULE ole32_ = nullptr;
  bool uninitialise_com_ = false;
  IAccPropServices* services_ = nullptr;
  std::vector<HWND> changed_;
};

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_ACCESSIBILITY_H_
