#ifndef TROVANEL_TESTS_SUPPORT_CHILD_PROCESS_H_
#define TROVANEL_TESTS_SUPPORT_CHILD_PROCESS_H_

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace trovanel_test {

// A program started for a test, with its stderr collected. The destructor
// kills it if it still runs.
class ChildProcess {
 public:
  // `environment` entries NAME=VALUE replace the inherited ones; an entry
  // NAME alone removes that variable. `arguments` follow the program's name.
  ChildProcess(const std::string& program,
               const std::vector<std::string>& environment = {},
               const std::vector<std::string>& arguments = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // The exit status, or nullopt if it still runs after `timeout`. A process
  // ended by a signal gives 128 + the signal's number.
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  // Everything written to stderr so far.
  const std::string& ReadStderr();

 private:
  pid_t pid_ = -1;
  int stderr_fd_ = -1;
  std::string stderr_;
  std::optional<int> status_;
};

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_CHILD_PROCESS_H_
