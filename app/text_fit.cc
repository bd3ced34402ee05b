#include "app/text_fit.h"

#include <algorithm>

#include "forms/core/text_width.h"

namespace trovanel {

int DrawnWidth(std::string_view text, int points) {
  const int width = forms::TextWidthTwips(text, points);
  return width + width / 70;
}

int Widest(const std::vector<std::string>& texts, int points) {
  int widest = 0;
  for (const std::string& text : texts) {
    widest = std::max(widest, DrawnWidth(text, points));
  }
  return widest;
}

int WrappedLines(std::string_view text, int points, int width) {
  if (DrawnWidth(text, points) <= width) return 1;
  const int blank = DrawnWidth(" ", points);
  int lines = 1;
  int used = 0;  // of the current line, 0 when it is empty
  while (!text.empty()) {
    const size_t end = std::min(text.find(' '), text.size());
    const int word = DrawnWidth(text.substr(0, end), points);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (used > 0 && used + blank + word <= width) {
      used += blank + word;
      continue;
    }
    if (used > 0) ++lines;
    // A word wider than the line fills whole lines and goes on on the next.
    const int whole = width > 0 ? (word - 1) / width : 0;
    lines += std::max(whole, 0);
    used = word - whole * width;
  }
  return lines;
}

}  // namespace trovanel
