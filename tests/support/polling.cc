#include "tests/support/polling.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace trovanel_test {
namespace {

void Pause() {
#ifdef _WIN32
  Sleep(10);
#else
  const timespec pause{0, 10'000'000};
  nanosleep(&pause, nullptr);
#endif
}

}  // namespace

bool PollUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout,
               const std::function<void()>& between) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (between) {
      between();
    } else {
      Pause();
    }
  }
  return true;
}

}  // namespace trovanel_test
