#include "forms/core/runtime_error.h"

#include <string>

namespace forms {

RuntimeError::RuntimeError(ErrorCode code) : code_(code) {}

const char* RuntimeError::what() const noexcept {
  switch (code_) {
    case ErrorCode::kControlCallFailed:
      return "неуспешно действие с контрола";
    case ErrorCode::kNoSuchControl:
      return "няма такава контрола";
    case ErrorCode::kRowOutOfRange:
      return "редът е извън списъка";
    case ErrorCode::kOverflow:
      return "препълване";
    case ErrorCode::kInvalidUseOfNull:
      return "неправилна употреба на празна стойност";
  }
  return "непозната грешка";
}

void CheckStatus(CallStatus status) {
  switch (status) {
    case CallStatus::kOk:
      return;
    case CallStatus::kNoSuchControl:
      throw RuntimeError(ErrorCode::kNoSuchControl);
    case CallStatus::kRowOutOfRange:
      throw RuntimeError(ErrorCode::kRowOutOfRange);
    case CallStatus::kFailed:
      break;
  }
  throw RuntimeError(ErrorCode::kControlCallFailed);
}

void RaiseOverflow() { throw RuntimeError(ErrorCode::kOverflow); }

std::string FormatErrorReport(const RuntimeError& error) {
  return std::string(kErrorReportTitle) + " " + std::to_string(error.number()) +
         ": " + error.what();
}

}  // namespace forms
