#ifndef TROVANEL_FORMS_CORE_RUNTIME_ERROR_H_
#define TROVANEL_FORMS_CORE_RUNTIME_ERROR_H_

#include <exception>
#include <string>

namespace forms {

// Our own short list of run-time errors. The numbers appear in the report.
enum class ErrorCode : int {
  kControlCallFailed = 1,
  kNoSuchControl = 2,
  kRowOutOfRange = 3,
  kOverflow = 4,
  kInvalidUseOfNull = 5,
};

// What every control operation returns; CheckStatus turns a failure into a
// run-time error.
enum class [[nodiscard]] CallStatus {
  kOk,
  kFailed,
  kNoSuchControl,
  kRowOutOfRange,
};

class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(ErrorCode code);

  ErrorCode code() const { return code_; }
  int number() const { return static_cast<int>(code_); }
  // The error's name in Bulgarian, without the number.
  const char* what() const noexcept override;

 private:
  ErrorCode code_;
};

void CheckStatus(CallStatus status);

[[noreturn]] void RaiseOverflow();

// The one line the report shows and writes to stderr, e.g.
// "Грешка при изпълнение 4: препълване".
std::string FormatErrorReport(const RuntimeError& error);

// The caption of the report's dialog.
inline constexpr const char* kErrorReportTitle = "Грешка при изпълнение";

// Exit statuses of the program.
inline constexpr int kExitClosed = 0;
inline constexpr int kExitCannotStart = 1;
inline constexpr int kExitRuntimeError = 2;

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_RUNTIME_ERROR_H_
