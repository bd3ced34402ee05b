#ifndef TROVANEL_QUIZ_GIFT_TEXT_H_
#define TROVANEL_QUIZ_GIFT_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

// The text of GIFT question files, the question bank format of learning
// platforms: a file is questions between blank lines; `//` starts a comment
// line; a backslash before one of kGiftSpecials makes it a plain letter,
// "\\" is a backslash and "\n" a line break.
namespace quiz {

inline constexpr std::string_view kGiftSpecials = "~=#{}:";
// Between a matching question's option and its answer.
inline constexpr std::string_view kGiftArrow = "->";
// The blanks a GIFT reader trims from the ends of lines and texts.
inline constexpr std::string_view kGiftBlanks = " \t\n\r\v";
inline constexpr std::string_view kGiftFormats[] = {"[moodle]", "[html]",
                                                    "[plain]", "[markdown]"};

// Where a letter is in the file, both from 1.
struct GiftPlace {
  int line = 0;
  int column = 0;
};

// A piece of a question with its escapes undone: each byte keeps its place
// and whether it was escaped, so that only the others are syntax.
class GiftText {
 public:
  void Append(char c, bool escaped, GiftPlace at);
  void Append(const GiftText& more);

  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }
  size_t size() const { return text_.size(); }
  // Where byte `i` was; past the end, where the last one was.
  GiftPlace PlaceOf(size_t i) const;

  // The first unescaped `syntax` from `from`, or npos.
  size_t Find(std::string_view syntax, size_t from = 0) const;
  // The last unescaped `syntax`, or npos.
  size_t FindLast(std::string_view syntax) const;
  bool StartsWith(std::string_view syntax) const { return Find(syntax) == 0; }

  GiftText Slice(size_t begin, size_t end = std::string::npos) const;
  GiftText Trimmed() const;
  // Without a leading format marker such as "[html]"; `format` is set to
  // the marker when there is one.
  GiftText WithoutFormat(std::string_view* format = nullptr) const;

 private:
  bool IsSyntax(size_t at, std::string_view syntax) const;

  std::string text_;
  std::vector<bool> escaped_;
  std::vector<GiftPlace> places_;
};

// Without kGiftBlanks at either end.
std::string_view TrimmedText(std::string_view text);
// At most `limit` characters of `text`, without blanks at the end.
std::string CutText(std::string_view text, size_t limit);
// "„text“" for a message, cut to 30 characters ("„text…“").
std::string QuotedText(std::string_view text);

// The blocks of a file's lines between blank lines, each line trimmed,
// comment lines left out, escapes undone; the lines of a block joined by
// LF. `text` is UTF-8.
std::vector<GiftText> GiftBlocks(std::string_view text);

}  // namespace quiz

#endif  // TROVANEL_QUIZ_GIFT_TEXT_H_
