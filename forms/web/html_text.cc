#include "forms/web/html_text.h"

namespace forms::web {

std::string HtmlText(std::string_view text) {
  std::string html;
  html.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
      case '&':
        html += "&amp;";
        break;
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '"':
        html += "&quot;";
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') break;
        html += '\n';
        break;
      default:
        html += text[i];
    }
  }
  return html;
}

std::string Cat(std::initializer_list<std::string_view> pieces) {
  std::string joined;
  for (std::string_view piece : pieces) joined += piece;
  return joined;
}

}  // namespace forms::web
