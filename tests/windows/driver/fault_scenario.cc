#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>

#include "forms/core/runtime_error.h"
#include "forms/win32/wide_text.h"
#include "tests/support/changed_layout.h"
#include "tests/support/polling.h"
#include "tests/windows/driver/session.h"

namespace trovanel_test {
namespace {

// The text id of the static control in a system message box.
constexpr int kMessageBoxTextId = 0xFFFF;

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
    HWND box = nullptr;
    PollUntil(
        [&] {
          box = FindWindowW(L"#32770", caption.c_str());
          return box || stop_;
        },
        std::chrono::seconds(10));
    if (!box) return;
    wchar_t text[512] = {};
    GetDlgItemTextW(box, kMessageBoxTextId, text, 512);
    text_ = forms::win32::WideToUtf8(text);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }

  std::atomic<bool> stop_ = false;
  std::string text_;
  HANDLE thread_;
};

}  // namespace

// The gait-key list has lost its last rows: the check of gait 3 reads a row
// the list does not have. The report names that error; closing it ends the
// program with the run-time error's status.
TEST(WindowsForm, AFailingControlCallIsReportedAndEndsTheProgram) {
  auto broken = ChangedLayout::ShortGaitKeys(1);
  Session session(broken.layout());
  ReportWatcher watcher;
  session.ClickOption(3);
  ASSERT_FALSE(session.input().exit_status()) << "one choice checks nothing";
  session.ClickRow(0);

  EXPECT_EQ(watcher.text(), forms::FormatErrorReport(forms::RuntimeError(
                                forms::ErrorCode::kRowOutOfRange)));
  EXPECT_EQ(session.input().exit_status(), forms::kExitRuntimeError);
  EXPECT_TRUE(session.app().form().failed());
}

}  // namespace trovanel_test
