#include "quiz/gift_text.h"

#include <algorithm>

#include "forms/core/line_breaks.h"
#include "forms/core/utf8.h"

namespace quiz {
namespace {

// One trimmed line's letters into `block`, escapes undone; `column` is that
// of its first letter.
void AppendLine(std::string_view line, int line_number, int column,
                GiftText& block) {
  for (size_t i = 0; i < line.size(); ++i) {
    const GiftPlace at{line_number, column};
    const char c = line[i];
    if (forms::StartsCodePoint(c)) ++column;
    if (c != '\\' || i + 1 == line.size()) {
      block.Append(c, false, at);
      continue;
    }
    const char next = line[i + 1];
    if (next == '\\' || next == 'n' ||
        kGiftSpecials.find(next) != std::string_view::npos) {
      block.Append(next == 'n' ? '\n' : next, true, at);
      ++i;
      ++column;
    } else {
      block.Append(c, false, at);  // a backslash before any other letter
    }
  }
}

}  // namespace

void GiftText::Append(char c, bool escaped, GiftPlace at) {
  text_ += c;
  escaped_.push_back(escaped);
  places_.push_back(at);
}

void GiftText::Append(const GiftText& more) {
  text_ += more.text_;
  escaped_.insert(escaped_.end(), more.escaped_.begin(), more.escaped_.end());
  places_.insert(places_.end(), more.places_.begin(), more.places_.end());
}

GiftPlace GiftText::PlaceOf(size_t i) const {
  if (places_.empty()) return {};
  return places_[std::min(i, places_.size() - 1)];
}

bool GiftText::IsSyntax(size_t at, std::string_view syntax) const {
  if (text_.compare(at, syntax.size(), syntax) != 0) return false;
  for (size_t k = at; k < at + syntax.size(); ++k) {
    if (escaped_[k]) return false;
  }
  return true;
}

size_t GiftText::Find(std::string_view syntax, size_t from) const {
  for (size_t at = text_.find(syntax, from); at != std::string::npos;
       at = text_.find(syntax, at + 1)) {
    if (IsSyntax(at, syntax)) return at;
  }
  return std::string::npos;
}

size_t GiftText::FindLast(std::string_view syntax) const {
  for (size_t at = text_.rfind(syntax); at != std::string::npos;
       at = at == 0 ? std::string::npos : text_.rfind(syntax, at - 1)) {
    if (IsSyntax(at, syntax)) return at;
  }
  return std::string::npos;
}

GiftText GiftText::Slice(size_t begin, size_t end) const {
  GiftText slice;
  end = std::min(end, text_.size());
  for (size_t i = begin; i < end; ++i) {
    slice.Append(text_[i], escaped_[i], places_[i]);
  }
  return slice;
}

GiftText GiftText::Trimmed() const {
  const size_t begin = text_.find_first_not_of(kGiftBlanks);
  if (begin == std::string::npos) return {};
  return Slice(begin, text_.find_last_not_of(kGiftBlanks) + 1);
}

GiftText GiftText::WithoutFormat(std::string_view* format) const {
  for (const std::string_view marker : kGiftFormats) {
    if (!text_.starts_with(marker)) continue;
    if (format != nullptr) *format = marker;
    return Slice(marker.size());
  }
  return *this;
}

std::string_view TrimmedText(std::string_view text) {
  const size_t begin = text.find_first_not_of(kGiftBlanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(kGiftBlanks) + 1 - begin);
}

std::string CutText(std::string_view text, size_t limit) {
  text = forms::FirstCodePoints(text, limit);
  return std::string(text.substr(0, text.find_last_not_of(kGiftBlanks) + 1));
}

std::string QuotedText(std::string_view text) {
  const std::string cut = CutText(text, 30);
  return "„" + cut + (cut.size() < text.size() ? "…“" : "“");
}

std::vector<GiftText> GiftBlocks(std::string_view text) {
  const std::string lines = forms::WithLineFeeds(text);
  std::vector<GiftText> blocks(1);
  int line_number = 0;
  for (size_t begin = 0; begin <= lines.size();) {
    const size_t end = std::min(lines.find('\n', begin), lines.size());
    std::string_view line(lines.data() + begin, end - begin);
    begin = end + 1;
    ++line_number;
    const size_t first = line.find_first_not_of(kGiftBlanks);
    if (first == std::string_view::npos) {
      if (!blocks.back().empty()) blocks.emplace_back();
      continue;
    }
    const std::string_view skipped = line.substr(0, first);
    line = line.substr(first, line.find_last_not_of(kGiftBlanks) + 1 - first);
    if (line.starts_with("//")) continue;
    GiftText& block = blocks.back();
    if (!block.empty()) {
      block.Append('\n', false, block.PlaceOf(block.size()));
    }
    int column = 1;
    for (const char c : skipped) column += forms::StartsCodePoint(c) ? 1 : 0;
    AppendLine(line, line_number, column, block);
  }
  if (blocks.back().empty()) blocks.pop_back();
  return blocks;
}

}  // namespace quiz
