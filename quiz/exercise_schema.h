#ifndef TROVANEL_QUIZ_EXERCISE_SCHEMA_H_
#define TROVANEL_QUIZ_EXERCISE_SCHEMA_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// What an exercise is made of, once: every text with its key in a file, its
// limit and its label, and the two tables of rows. The loader, the writer,
// the page's text form and the editor are all made from these rows.
namespace quiz {

struct Exercise;

// Options and descriptions, each.
inline constexpr size_t kMinPairs = 2;
inline constexpr size_t kMaxPairs = 8;

inline constexpr size_t kMaxOptionChars = 40;
inline constexpr size_t kMaxDescriptionChars = 120;
inline constexpr size_t kMaxStartTextChars = 4000;
inline constexpr size_t kMaxCaptionChars = 80;  // titles, names, headings
inline constexpr size_t kMaxMessageChars = 200;

// How an editor names a text to a teacher.
struct Label {
  std::string_view bg;
  std::string_view en;
};

// One text of the exercise as a whole.
struct TextField {
  std::string_view key;  // in the file
  std::string Exercise::*member;
  size_t max_chars;
  bool multi_line;  // kept with CR LF line ends
  // A file may leave it out; it is then `default_text`. A new exercise in
  // the editor starts with `default_text` either way.
  bool optional;
  std::string_view default_text;
  Label label;
  // A rule the text must follow besides its limit, and what a file that
  // breaks it is told after the key; none for most.
  bool (*fits)(std::string_view text) = nullptr;
  std::string_view unfit = {};
};

// The texts in the order a file has them.
std::span<const TextField> ExerciseTexts();

// A text of each row of a table.
struct RowField {
  std::string_view key;
  size_t max_chars;
  Label label;
};

// A table of rows in a file, [[option]] or [[description]].
struct RowTable {
  std::string_view key;
  std::string_view plural;  // how a fault in their number names the rows
  Label label;              // one row
  RowField text;            // what the window shows of the row
  // An option's is the name of its right description; a description's is
  // that name.
  RowField link;
};

inline constexpr RowTable kOptionTable = {
    .key = "option",
    .plural = "Вариантите",
    .label = {"Вариант", "Option"},
    .text = {"text", kMaxOptionChars, {"Вариант", "Option"}},
    .link = {"right", kMaxCaptionChars, {"Вярно описание", "Right description"}},
};
inline constexpr RowTable kDescriptionTable = {
    .key = "description",
    .plural = "Описанията",
    .label = {"Описание", "Description"},
    .text = {"text", kMaxDescriptionChars, {"Описание", "Description"}},
    .link = {"name", kMaxCaptionChars, {"Име", "Name"}},
};

// A language tag: two or three letters, then subtags of one to eight
// letters or digits after hyphens ("bg", "en", "de-AT").
bool IsLanguageTag(std::string_view tag);

// A share a pupil must reach, as written: "0" to "100", no sign or leading
// zero.
bool IsMasteryScore(std::string_view score);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_EXERCISE_SCHEMA_H_
