// Read by every GoogleTest source before its own headers. mingw-w64's win32
// thread model has no std::mutex, on which GoogleTest builds the one class
// that only its own thread tests use; this stands in for it.
#ifndef TROVANEL_TESTS_WINDOWS_DRIVER_GTEST_NOTIFICATION_H_
#define TROVANEL_TESTS_WINDOWS_DRIVER_GTEST_NOTIFICATION_H_

#include <atomic>

namespace testing::internal {

class Notification {
 public:
  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_GTEST_NOTIFICATION_H_
