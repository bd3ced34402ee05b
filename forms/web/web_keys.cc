#include "forms/web/web_keys.h"

#include "forms/core/utf8.h"

namespace forms::web {
namespace {

struct NamedKey {
  std::string_view name;
  Key key;
};

constexpr NamedKey kNamedKeys[] = {
    {"Tab", Key::kTab},           {"ArrowUp", Key::kUp},
    {"ArrowDown", Key::kDown},    {"ArrowLeft", Key::kLeft},
    {"ArrowRight", Key::kRight},  {"Home", Key::kHome},
    {"End", Key::kEnd},           {"PageUp", Key::kPageUp},
    {"PageDown", Key::kPageDown}, {"Enter", Key::kEnter},
    {"Escape", Key::kEscape},
};

}  // namespace

std::optional<KeyStroke> KeyFromBrowser(std::string_view name, bool shift) {
  for (const NamedKey& named : kNamedKeys) {
    if (named.name == name) return KeyStroke{named.key, shift};
  }
  size_t length = 0;
  const char32_t character = FirstCodePoint(name, &length);
  if (length == 0 || length != name.size()) return std::nullopt;
  return KeyStroke{Key::kCharacter, shift, character};
}

}  // namespace forms::web
