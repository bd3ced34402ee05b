#ifndef TROVANEL_QUIZ_QUIZ_CONTENT_H_
#define TROVANEL_QUIZ_QUIZ_CONTENT_H_

#include <array>
#include <string_view>

// The fixed texts and answer keys of the exercise, in UTF-8, exactly as
// shown (trailing blanks and CR LF are part of the texts). The order of the
// rows ties each key to its gait or description: never sort them.
namespace quiz {

inline constexpr int kGaitCount = 5;
inline constexpr int kDescriptionCount = 5;

// Captions of the gait options, by option index.
extern const std::array<std::string_view, kGaitCount> kGaitCaptions;
// Row i is the key of gait i.
extern const std::array<std::string_view, kGaitCount> kGaitKeys;
// Rows of the description list, in list order.
extern const std::array<std::string_view, kDescriptionCount> kDescriptions;
// Row j is the key of description j.
extern const std::array<std::string_view, kDescriptionCount> kDescriptionKeys;

extern const std::string_view kMissingChoiceMessage;
extern const std::string_view kCorrectMessage;
extern const std::string_view kWrongMessage;

extern const std::string_view kWindowTitle;
extern const std::string_view kFrameCaption;
extern const std::string_view kTitleCaption;
extern const std::string_view kListHeading;
// What screen readers call the message box; it is never drawn.
extern const std::string_view kMessageBoxName;
extern const std::string_view kStartText;
extern const std::string_view kMotto;
// What a search engine shows of the page.
extern const std::string_view kPageDescription;

}  // namespace quiz

#endif  // TROVANEL_QUIZ_QUIZ_CONTENT_H_
