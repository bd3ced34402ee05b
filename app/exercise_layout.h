#ifndef TROVANEL_APP_EXERCISE_LAYOUT_H_
#define TROVANEL_APP_EXERCISE_LAYOUT_H_

#include <string>
#include <string_view>
#include <vector>

#include "forms/core/form_description.h"
#include "quiz/exercise.h"

namespace trovanel {

// The largest window an exercise may make, in pixels at 96 dpi.
inline constexpr int kMaxWindowWidth = 1024;
inline constexpr int kMaxWindowHeight = 720;

// The Trovanel window for an exercise, the built-in one too: the layout
// table with the exercise's texts on its controls (title, captions, options,
// the list's rows, the hidden key rows, the start text), fitted by one rule:
// the group grows by one option's step for each option past five (or
// shrinks for fewer), the list by one row for each description, what lies
// below them moves down by as much, and the columns widen until the longest
// option and description (and the captions) fit in the form's font, the
// window never wider than kMaxWindowWidth: the list then scrolls sideways
// (and grows by its scroll bar), and the title and the list's heading wrap
// onto more lines. For the horse the places are the table's own. The
// exercise must outlive the layout, which points into its texts.
class ExerciseLayout {
 public:
  explicit ExerciseLayout(const quiz::Exercise& exercise);
  ExerciseLayout(const ExerciseLayout&) = delete;
  ExerciseLayout& operator=(const ExerciseLayout&) = delete;

  const forms::FormDescription& description() const { return form_; }

  // Empty when the window is within kMaxWindowWidth × kMaxWindowHeight;
  // else what is too large, in Bulgarian. Only a group caption too wide for
  // one line beside the list makes it so: every other text wraps or scrolls.
  std::string TooLarge() const;

 private:
  std::vector<std::string_view> descriptions_;
  std::vector<std::string_view> option_keys_;
  std::vector<std::string_view> description_keys_;
  std::vector<forms::ControlDescription> controls_;
  forms::FormDescription form_;
};

}  // namespace trovanel

#endif  // TROVANEL_APP_EXERCISE_LAYOUT_H_
