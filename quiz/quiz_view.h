#ifndef TROVANEL_QUIZ_QUIZ_VIEW_H_
#define TROVANEL_QUIZ_QUIZ_VIEW_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace quiz {

// Members of the list array the controller works on.
inline constexpr int16_t kDescriptionList = 0;
inline constexpr int16_t kGaitKeyList = 1;
inline constexpr int16_t kDescriptionKeyList = 2;

// What the controller needs from the window. Each operation is one control
// call followed by its status check: a failure throws forms::RuntimeError.
class QuizView {
 public:
  virtual ~QuizView() = default;

  virtual std::string ItemText(int16_t list_member, int16_t row) = 0;
  // -1 when no row is current.
  virtual int16_t CurrentRow(int16_t list_member) = 0;
  // A change raises the list's click event before this returns.
  virtual void SetCurrentRow(int16_t list_member, int16_t row) = 0;
  virtual void ClearOption(int16_t option) = 0;
  virtual void SetMessage(std::string_view text) = 0;
};

}  // namespace quiz

#endif  // TROVANEL_QUIZ_QUIZ_VIEW_H_
