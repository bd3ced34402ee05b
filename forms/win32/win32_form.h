#ifndef TROVANEL_FORMS_WIN32_WIN32_FORM_H_
#define TROVANEL_FORMS_WIN32_WIN32_FORM_H_

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "forms/core/form.h"
#include "forms/core/keyboard.h"
#include "forms/core/units.h"

namespace forms::win32 {

// The model's form as a native window: one child window per shown control,
// built from the description. It mirrors model changes into the widgets
// (the messages it uses raise no notifications) and reports the pupil's
// input to the model as actions; it decides no behaviour.
class Win32Form : public FormObserver {
 public:
  Win32Form(Form& form, HINSTANCE instance);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  int dpi() const { return dpi_; }
  // nullptr for a control that is not shown.
  HWND WidgetOf(const Control& control) const;

  // Before Show(): the window's icon among the executable's resources.
  void SetIcon(int icon_id);
  // Shows the window with the keyboard focus in the first control of the
  // keyboard order.
  void Show(int show_command);

  // The keys the form answers itself (forms/core/keyboard.h), before the
  // widget with the focus sees them. True when the message was one of them.
  bool HandleKey(const MSG& msg);

  // The message loop marks the pupil's own keyboard and mouse input while it
  // dispatches it: only then does an option's click count as a choice.
  void SetUserInput(bool active) { user_input_ = active; }

  void ListRowChanged(const ListBox& list) override;
  void OptionChanged(const OptionButton& option) override;
  void TextChanged(const TextBox& text) override;

 private:
  struct Widget {
    Control* control;
    HWND hwnd;
  };

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                     LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void CreateWidgets(HINSTANCE instance);
  void ApplyDpi(int dpi);
  const Widget* Find(HWND hwnd) const;
  void Focus(const Control* control);
  void OnCommand(HWND source, int code);
  void OnActivate(bool active);
  HBRUSH OnControlColor(HDC dc, HWND source);
  HBRUSH BrushFor(COLORREF color);
  void MirrorOptions();

  Form& form_;
  Keyboard keyboard_;
  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  std::vector<Widget> widgets_;
  std::map<COLORREF, HBRUSH> brushes_;
  HFONT font_ = nullptr;
  HICON icons_[2] = {nullptr, nullptr};
  HWND saved_focus_ = nullptr;
  int dpi_ = kDefaultDpi;
  bool user_input_ = false;
};

// The stored 0x00BBGGRR colour as a GDI colour.
COLORREF ToColorRef(uint32_t stored);

}  // namespace forms::win32

#endif  // TROVANEL_FORMS_WIN32_WIN32_FORM_H_
