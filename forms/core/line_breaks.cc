#include "forms/core/line_breaks.h"

namespace forms {
namespace {

std::string WithLineEnds(std::string_view text, std::string_view line_end) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += line_end;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string WithLineFeeds(std::string_view text) {
  return WithLineEnds(text, "\n");
}

std::string WithCrLf(std::string_view text) {
  return WithLineEnds(text, "\r\n");
}

}  // namespace forms
