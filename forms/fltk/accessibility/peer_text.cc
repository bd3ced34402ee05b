// The text interface of the message box. ATK counts characters where FLTK
// and the rest of the program count UTF-8 bytes: every offset is converted
// at this border.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "forms/fltk/accessibility/peer_internal.h"

namespace forms::fltk::accessibility {
namespace {

using Span = std::pair<int, int>;  // characters [first, second)

struct Content {
  std::string utf8;
  std::u32string chars;
};

Content ContentOf(AtkText* text) {
  TrvPeer* peer = PeerOf(text);
  Content content{peer->host->Text(*peer->node), {}};
  glong count = 0;
  gunichar* chars = g_utf8_to_ucs4_fast(content.utf8.c_str(), -1, &count);
  content.chars.assign(chars, chars + count);
  g_free(chars);
  return content;
}

int ByteToChar(const std::string& utf8, int byte) {
  byte = std::clamp(byte, 0, static_cast<int>(utf8.size()));
  return static_cast<int>(
      g_utf8_pointer_to_offset(utf8.c_str(), utf8.c_str() + byte));
}

int CharToByte(const std::string& utf8, int offset) {
  return static_cast<int>(g_utf8_offset_to_pointer(utf8.c_str(), offset) -
                          utf8.c_str());
}

gchar* Slice(const Content& content, Span span) {
  const int first =
      std::clamp(span.first, 0, static_cast<int>(content.chars.size()));
  const int last =
      std::clamp(span.second, first, static_cast<int>(content.chars.size()));
  const int begin = CharToByte(content.utf8, first);
  return g_strndup(content.utf8.c_str() + begin,
                   CharToByte(content.utf8, last) - begin);
}

bool Space(char32_t c) { return g_unichar_isspace(c); }

bool EndsSentence(const std::u32string& t, size_t i) {
  return (t[i] == U'.' || t[i] == U'!' || t[i] == U'?') &&
         (i + 1 == t.size() || Space(t[i + 1]));
}

// The segments of one granularity, in order; spaces between them belong to
// none.
std::vector<Span> Segments(const std::u32string& t,
                           AtkTextGranularity granularity) {
  std::vector<Span> segments;
  const int n = static_cast<int>(t.size());
  int i = 0;
  while (i < n) {
    if (granularity == ATK_TEXT_GRANULARITY_PARAGRAPH) {
      int start = i;
      while (i < n && t[i] != U'\n') ++i;
      segments.emplace_back(start, i++);
      continue;
    }
    while (i < n && Space(t[i])) ++i;
    if (i == n) break;
    int start = i;
    if (granularity == ATK_TEXT_GRANULARITY_WORD) {
      while (i < n && !Space(t[i])) ++i;
    } else {
      while (i < n && t[i] != U'\n' && !EndsSentence(t, i)) ++i;
      if (i < n && t[i] != U'\n') ++i;
    }
    segments.emplace_back(start, i);
  }
  return segments;
}

// The segment at the offset, or the one before it when the offset falls
// between two.
Span SegmentAt(const std::vector<Span>& segments, int offset) {
  Span found{offset, offset};
  for (const Span& segment : segments) {
    if (segment.first > offset) break;
    found = segment;
  }
  return found;
}

gchar* StringAt(AtkText* text, gint offset, AtkTextGranularity granularity,
                gint* start, gint* end) {
  Content content = ContentOf(text);
  const int count = static_cast<int>(content.chars.size());
  offset = std::clamp(offset, 0, count);
  Span span{offset, std::min(offset + 1, count)};
  if (granularity == ATK_TEXT_GRANULARITY_LINE) {
    TrvPeer* peer = PeerOf(text);
    int first = 0;
    int last = 0;
    peer->host->LineAt(*peer->node, CharToByte(content.utf8, offset), &first,
                       &last);
    span = {ByteToChar(content.utf8, first), ByteToChar(content.utf8, last)};
  } else if (granularity != ATK_TEXT_GRANULARITY_CHAR) {
    span = SegmentAt(Segments(content.chars, granularity), offset);
  }
  *start = span.first;
  *end = span.second;
  return Slice(content, span);
}

gchar* TextAt(AtkText* text, gint offset, AtkTextBoundary boundary, gint* start,
              gint* end) {
  AtkTextGranularity granularity = ATK_TEXT_GRANULARITY_CHAR;
  switch (boundary) {
    case ATK_TEXT_BOUNDARY_CHAR:
      break;
    case ATK_TEXT_BOUNDARY_WORD_START:
    case ATK_TEXT_BOUNDARY_WORD_END:
      granularity = ATK_TEXT_GRANULARITY_WORD;
      break;
    case ATK_TEXT_BOUNDARY_SENTENCE_START:
    case ATK_TEXT_BOUNDARY_SENTENCE_END:
      granularity = ATK_TEXT_GRANULARITY_SENTENCE;
      break;
    case ATK_TEXT_BOUNDARY_LINE_START:
    case ATK_TEXT_BOUNDARY_LINE_END:
      granularity = ATK_TEXT_GRANULARITY_LINE;
      break;
  }
  return StringAt(text, offset, granularity, start, end);
}

gchar* GetText(AtkText* text, gint start, gint end) {
  Content content = ContentOf(text);
  if (end < 0) end = static_cast<gint>(content.chars.size());
  return Slice(content, {start, end});
}

gint CharacterCount(AtkText* text) {
  return static_cast<gint>(ContentOf(text).chars.size());
}

gunichar CharacterAt(AtkText* text, gint offset) {
  Content content = ContentOf(text);
  if (offset < 0 || offset >= static_cast<gint>(content.chars.size())) {
    return 0;
  }
  return content.chars[offset];
}

gint CaretOffset(AtkText* text) {
  TrvPeer* peer = PeerOf(text);
  return ByteToChar(peer->host->Text(*peer->node),
                    peer->host->Caret(*peer->node));
}

void CharacterExtents(AtkText* text, gint offset, gint* x, gint* y, gint* width,
                      gint* height, AtkCoordType coords) {
  TrvPeer* peer = PeerOf(text);
  std::string utf8 = peer->host->Text(*peer->node);
  const int count = static_cast<int>(g_utf8_strlen(utf8.c_str(), -1));
  AtkRectangle r = peer->host->CharacterExtents(
      *peer->node, CharToByte(utf8, std::clamp(offset, 0, count)), coords);
  *x = r.x;
  *y = r.y;
  *width = r.width;
  *height = r.height;
}

// The whole text is one run, with the default attributes.
AtkAttributeSet* RunAttributes(AtkText* text, gint offset, gint* start,
                               gint* end) {
  const gint count = CharacterCount(text);
  *start = 0;
  *end = count;
  if (offset < 0 || offset > count) *start = *end = -1;
  TrvPeer* peer = PeerOf(text);
  return peer->host->TextAttributes(*peer->node);
}

AtkAttributeSet* DefaultAttributes(AtkText* text) {
  TrvPeer* peer = PeerOf(text);
  return peer->host->TextAttributes(*peer->node);
}

Span SelectedSpan(AtkText* text) {
  TrvPeer* peer = PeerOf(text);
  const std::string utf8 = peer->host->Text(*peer->node);
  auto [first, last] = peer->host->Selection(*peer->node);
  return {ByteToChar(utf8, first), ByteToChar(utf8, last)};
}

gint SelectionCount(AtkText* text) {
  Span span = SelectedSpan(text);
  return span.first < span.second ? 1 : 0;
}

gchar* SelectionText(AtkText* text, gint index, gint* start, gint* end) {
  Span span = SelectedSpan(text);
  if (index != 0 || span.first == span.second) {
    *start = *end = 0;
    return nullptr;
  }
  *start = span.first;
  *end = span.second;
  return GetText(text, span.first, span.second);
}

}  // namespace

void InitTextInterface(AtkTextIface* iface) {
  iface->get_text = GetText;
  iface->get_text_at_offset = TextAt;
  iface->get_string_at_offset = StringAt;
  iface->get_character_at_offset = CharacterAt;
  iface->get_character_count = CharacterCount;
  iface->get_caret_offset = CaretOffset;
  iface->get_character_extents = CharacterExtents;
  iface->get_n_selections = SelectionCount;
  iface->get_selection = SelectionText;
  iface->get_run_attributes = RunAttributes;
  iface->get_default_attributes = DefaultAttributes;
}

}  // namespace forms::fltk::accessibility
