#include "quiz/gift_html.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "forms/core/utf8.h"

namespace quiz {
namespace {

// The letters of the reference `name` (between "&" and ";"), or nothing.
std::string Reference(std::string_view name) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 6>
      kNamed = {{{"amp", "&"},
                 {"lt", "<"},
                 {"gt", ">"},
                 {"quot", "\""},
                 {"apos", "'"},
                 {"nbsp", " "}}};
  for (const auto& [named, letters] : kNamed) {
    if (name == named) return std::string(letters);
  }
  if (name.size() < 2 || name.size() > 8 || name[0] != '#') return {};
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string digits(name.substr(hex ? 2 : 1));
  char* end = nullptr;
  const unsigned long code = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
  if (digits.empty() || *end != '\0' || digits[0] == '-' || digits[0] == '+') {
    return {};
  }
  std::string letters;
  forms::AppendUtf8(code == 0xA0      ? U' '
                    : code > 0x10FFFF ? 0xFFFD
                                      : static_cast<char32_t>(code),
                    letters);
  return letters;
}

bool BreaksLine(std::string_view tag) {
  for (const std::string_view name :
       {"br", "/p", "/div", "/li", "/tr", "/h1", "/h2", "/h3", "/h4"}) {
    if (tag.starts_with(name) &&
        (tag.size() == name.size() ||
         std::string_view(" \t\n/>").find(tag[name.size()]) !=
             std::string_view::npos)) {
      return true;
    }
  }
  return false;
}

// `c` at the end of `out`, without blanks before a break or after one.
void Put(char c, std::string& out) {
  if (c == ' ' && (out.empty() || out.back() == ' ' || out.back() == '\n')) {
    return;
  }
  if (c == '\n' && !out.empty() && out.back() == ' ') out.pop_back();
  out += c;
}

}  // namespace

std::string PlainTextOfHtml(std::string_view html) {
  std::string out;
  for (size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    const size_t end = html.find(c == '<' ? '>' : ';', i);
    const std::string_view inside =
        end == std::string_view::npos ? "" : html.substr(i + 1, end - i - 1);
    const bool tag = c == '<' && !inside.empty() &&
                     (std::isalpha(static_cast<unsigned char>(inside[0])) ||
                      inside[0] == '/' || inside[0] == '!');
    if (tag) {
      if (BreaksLine(inside)) Put('\n', out);
      i = end;
      continue;
    }
    const std::string letters = c == '&' ? Reference(inside) : "";
    if (letters.empty()) {
      Put(c == '\n' || c == '\t' || c == '\r' ? ' ' : c, out);
      continue;
    }
    for (const char letter : letters) {
      if (letter == ' ') {
        Put(' ', out);
      } else {
        out += letter;
      }
    }
    i = end;
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) {
    out.pop_back();
  }
  return out;
}

}  // namespace quiz
