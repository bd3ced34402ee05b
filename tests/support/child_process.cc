#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/support/polling.h"

extern char** environ;

namespace trovanel_test {

ChildProcess::ChildProcess(const std::string& program,
                           const std::vector<std::string>& environment,
                           const std::vector<std::string>& arguments) {
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) std::abort();
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipe_fds[1], STDERR_FILENO);
    for (const std::string& entry : environment) {
      size_t equals = entry.find('=');
      if (equals == std::string::npos) {
        unsetenv(entry.c_str());
      } else {
        setenv(entry.substr(0, equals).c_str(), entry.c_str() + equals + 1, 1);
      }
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  stderr_fd_ = pipe_fds[0];
  fcntl(stderr_fd_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
  if (!status_ && pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (stderr_fd_ >= 0) close(stderr_fd_);
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds timeout) {
  PollUntil(
      [this] {
        int status = 0;
        if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) {
          status_ =
              WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return status_.has_value();
      },
      timeout);
  ReadStderr();
  return status_;
}

const std::string& ChildProcess::ReadStderr() {
  char buffer[4096];
  ssize_t count;
  while ((count = read(stderr_fd_, buffer, sizeof buffer)) > 0) {
    stderr_.append(buffer, static_cast<size_t>(count));
  }
  return stderr_;
}

}  // namespace trovanel_test
