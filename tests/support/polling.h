#ifndef TROVANEL_TESTS_SUPPORT_POLLING_H_
#define TROVANEL_TESTS_SUPPORT_POLLING_H_

#include <chrono>
#include <functional>

namespace trovanel_test {

// Asks `done` until it says yes or `timeout` has passed, calling `between`
// after each no (by default a pause of 10 ms). Returns the last answer.
bool PollUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout,
               const std::function<void()>& between = {});

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_POLLING_H_
