#ifndef TROVANEL_TESTS_SUPPORT_POLLING_H_
#define TROVANEL_TESTS_SUPPORT_POLLING_H_

#include <chrono>
#include <thread>

namespace trovanel_test {

// Asks `done` until it says yes or `timeout` has passed, pausing between
// questions. Returns the last answer.
template <typename Done>
bool PollUntil(
    Done done, std::chrono::milliseconds timeout,
    std::chrono::milliseconds pause = std::chrono::milliseconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(pause);
  }
  return true;
}

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_POLLING_H_
