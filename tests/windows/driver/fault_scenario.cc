#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "forms/core/runtime_error.h"
#include "forms/win32/wide_text.h"
#include "tests/windows/driver/session.h"

namespace trovanel_test {
namespace {

// The text id of the static control in a system message box.
constexpr int kMessageBoxTextId = 0xFFFF;

// The layout with the gait-key list emptied: the first check reads a row
// the list does not have.
struct BrokenLayout {
  BrokenLayout() : layout(trovanel::TrovanelLayout()) {
    controls.assign(layout.controls.begin(), layout.controls.end());
    for (forms::ControlDescription& control : controls) {
      if (control.array == trovanel::kListArray &&
          control.member == trovanel::kGaitKeyList) {
        control.rows = {};
      }
    }
    layout.controls = controls;
  }
  forms::FormDescription layout;
  std::vector<forms::ControlDescription> controls;
};

// Waits for the report on another thread (the window's thread is inside the
// message box), reads it and presses its button.
class ReportWatcher {
 public:
  ReportWatcher()
      : thread_(
            CreateThread(nullptr, 0, &ReportWatcher::Run, this, 0, nullptr)) {}
  ~ReportWatcher() { Join(); }
  ReportWatcher(const ReportWatcher&) = delete;
  ReportWatcher& operator=(const ReportWatcher&) = delete;

  std::string text() {
    Join();
    return text_;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<ReportWatcher*>(self)->Watch();
    return 0;
  }

  void Join() {
    stop_ = true;
    if (!thread_) return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
  }

  void Watch() {
    std::wstring caption = forms::win32::Utf8ToWide(forms::kErrorReportTitle);
    for (int round = 0; round < 1000 && !stop_; ++round) {
      if (HWND box = FindWindowW(L"#32770", caption.c_str())) {
        wchar_t text[512] = {};
        GetDlgItemTextW(box, kMessageBoxTextId, text, 512);
        text_ = forms::win32::WideToUtf8(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  }

  std::atomic<bool> stop_ = false;
  std::string text_;
  HANDLE thread_;
};

}  // namespace

// The gait-key list has lost its rows: the first check reads a row it does
// not have. The report names that error; closing it ends the program with the
// run-time error's status.
TEST(WindowsForm, AFailingControlCallIsReportedAndEndsTheProgram) {
  BrokenLayout broken;
  Session session(broken.layout);
  ReportWatcher watcher;
  session.ClickOption(0);
  ASSERT_FALSE(session.input().exit_status()) << "one choice checks nothing";
  session.ClickRow(0);

  EXPECT_EQ(watcher.text(), forms::FormatErrorReport(forms::RuntimeError(
                                forms::ErrorCode::kRowOutOfRange)));
  EXPECT_EQ(session.input().exit_status(), forms::kExitRuntimeError);
  EXPECT_TRUE(session.app().form().failed());
}

}  // namespace trovanel_test
