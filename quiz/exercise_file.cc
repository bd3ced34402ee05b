#include "quiz/exercise_file.h"

#include <algorithm>
#include <array>
#include <vector>

#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
// Numbers through <charconv> where the library has it for floating point:
// the parser's fallback, a string stream, would bring in the whole of the
// stream and locale machinery.
#if defined(__GLIBCXX__) && __GLIBCXX__ >= 20210427
#define TOML_FLOAT_CHARCONV 1
#endif
#include <toml++/toml.h>

#include "forms/core/line_breaks.h"
#include "forms/core/utf8.h"

namespace quiz {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Windows-1251 bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    size_t size = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      size = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      size = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      size = 4, code = lead & 0x07, least = 0x10000;
    } else {
      return false;
    }
    if (text.size() - i < size) return false;
    for (size_t k = 1; k < size; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += size;
  }
  return true;
}

// "„text“", shortened to its first 30 characters.
std::string Quoted(std::string_view text) {
  const std::string_view cut = forms::FirstCodePoints(text, 30);
  return "„" + std::string(cut) + (cut.size() < text.size() ? "…“" : "“");
}

// Texts with a Cyrillic letter (U+0400 to U+04FF, led by the bytes 0xD0 to
// 0xD3 in UTF-8) are taken as Bulgarian, any others as English.
std::string LanguageOfTexts(const Exercise& exercise) {
  const auto cyrillic = [](const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte >= 0xD0 && byte <= 0xD3;
    });
  };
  const bool any =
      std::any_of(exercise.options.begin(), exercise.options.end(), cyrillic) ||
      std::any_of(exercise.descriptions.begin(), exercise.descriptions.end(),
                  cyrillic) ||
      cyrillic(exercise.title_caption) || cyrillic(exercise.start_text);
  return any ? "bg" : "en";
}

// A failed check: the error it found, thrown to the top of ParseExercise.
struct Fault {
  ExerciseError error;
};

class Reader {
 public:
  Reader(std::string_view file_name, const toml::table& root)
      : file_(file_name), root_(root) {}

  // The texts read next are those of the `index`th table of `[[name]]`.
  void EnterTable(std::string_view name, size_t index) {
    table_path_ = std::string(name) + "." + std::to_string(index) + ".";
  }

  // `key` is the text the fault concerns, in the table being read; none
  // for a fault of the table or the file as a whole.
  [[noreturn]] void Fail(const toml::source_region& where, std::string message,
                         std::string_view key = {}) const {
    throw Fault{{.file = file_,
                 .line = static_cast<int>(where.begin.line),
                 .column = static_cast<int>(where.begin.column),
                 .message = std::move(message),
                 .field = key.empty()
                              ? table_path_.substr(0, table_path_.find('.'))
                              : table_path_ + std::string(key)}};
  }
  // Where a fault inside `table` is reported: its header, or nowhere for
  // the file's top level.
  toml::source_region PlaceOf(const toml::table& table) const {
    return &table == &root_ ? toml::source_region{} : table.source();
  }

  // Every key of `table` must be one of `known`; the first stranger in the
  // file is named.
  void OnlyKnownKeys(const toml::table& table,
                     const std::vector<std::string_view>& known) const {
    const toml::key* stranger = nullptr;
    for (const auto& [key, value] : table) {
      if (std::find(known.begin(), known.end(), key.str()) != known.end()) {
        continue;
      }
      const toml::source_position at = key.source().begin;
      if (stranger == nullptr || at < stranger->source().begin) stranger = &key;
    }
    if (stranger != nullptr) {
      Fail(stranger->source(), "непознат ключ " + Quoted(stranger->str()),
           stranger->str());
    }
  }

  // The text under `key`: present, a string, not empty, within `limit`
  // characters and, unless `multi_line`, on one line.
  std::string Text(const toml::table& table, std::string_view key, size_t limit,
                   bool multi_line = false) const {
    const toml::node* node = table.get(key);
    if (node == nullptr) {
      Fail(PlaceOf(table), "липсва текстът " + Quoted(key), key);
    }
    const toml::value<std::string>* text = node->as_string();
    if (text == nullptr) {
      Fail(node->source(), Quoted(key) + " трябва да е текст в кавички", key);
    }
    const std::string& value = text->get();
    // An empty text would leave a field without a name or a message unsaid.
    if (value.empty()) {
      Fail(node->source(), "липсва текстът " + Quoted(key), key);
    }
    if (!multi_line && value.find_first_of("\r\n") != std::string::npos) {
      Fail(node->source(), Quoted(key) + " трябва да е на един ред", key);
    }
    const size_t chars = forms::CodePoints(value);
    if (chars > limit) {
      Fail(node->source(),
           Quoted(key) + " е дълъг " + std::to_string(chars) +
               " знака, а най-много са " + std::to_string(limit),
           key);
    }
    return value;
  }
  std::string Text(const toml::table& table, const RowField& field) const {
    return Text(table, field.key, field.max_chars);
  }

  // A text of the exercise as a whole: its default when a file may leave
  // it out and does, multi-line ones with CR LF line ends.
  std::string Text(const toml::table& root, const TextField& field) const {
    const toml::node* node = root.get(field.key);
    if (node == nullptr && field.optional) {
      return std::string(field.default_text);
    }
    const std::string value =
        Text(root, field.key, field.max_chars, field.multi_line);
    if (field.fits != nullptr && !field.fits(value)) {
      Fail(node->source(), Quoted(field.key) + " " + std::string(field.unfit),
           field.key);
    }
    return field.multi_line ? forms::WithCrLf(value) : value;
  }

  // The tables of `[[name]]`, between kMinPairs and kMaxPairs of them.
  const toml::array& Tables(const toml::table& root, const RowTable& rows) {
    const std::string_view name = rows.key;
    table_path_ = std::string(name) + ".";
    const toml::node* node = root.get(name);
    const toml::array* tables = node != nullptr ? node->as_array() : nullptr;
    if (node != nullptr &&
        (tables == nullptr || !tables->is_array_of_tables())) {
      Fail(node->source(), Quoted(name) + " трябва да се запише като [[" +
                               std::string(name) + "]]");
    }
    const size_t count = tables != nullptr ? tables->size() : 0;
    if (count < kMinPairs || count > kMaxPairs) {
      Fail(tables != nullptr ? tables->source() : toml::source_region{},
           std::string(rows.plural) + " са " + std::to_string(count) +
               ", а трябва да са от " + std::to_string(kMinPairs) + " до " +
               std::to_string(kMaxPairs));
    }
    return *tables;
  }

 private:
  std::string file_;
  const toml::table& root_;
  std::string table_path_;  // "option.2." while reading the third option
};

Exercise ReadExercise(const toml::table& root, Reader& reader,
                      FileWording& wording) {
  std::vector<std::string_view> keys;
  for (const TextField& field : ExerciseTexts()) keys.push_back(field.key);
  keys.push_back(kOptionTable.key);
  keys.push_back(kDescriptionTable.key);
  reader.OnlyKnownKeys(root, keys);
  Exercise exercise;
  for (const TextField& field : ExerciseTexts()) {
    exercise.*field.member = reader.Text(root, field);
  }
  // The language as given; when left out, it is told from the texts below.
  wording.language = exercise.language;

  const RowField& name_field = kDescriptionTable.link;
  const RowField& description_field = kDescriptionTable.text;
  std::vector<std::string>& names = wording.description_names;
  const toml::array& descriptions = reader.Tables(root, kDescriptionTable);
  for (size_t index = 0; index < descriptions.size(); ++index) {
    reader.EnterTable(kDescriptionTable.key, index);
    const toml::table& table = *descriptions[index].as_table();
    reader.OnlyKnownKeys(table, {name_field.key, description_field.key});
    std::string name = reader.Text(table, name_field);
    std::string text = reader.Text(table, description_field);
    if (std::find(names.begin(), names.end(), name) != names.end()) {
      reader.Fail(table.get(name_field.key)->source(),
                  "името " + Quoted(name) + " е дадено на две описания",
                  name_field.key);
    }
    if (std::find(exercise.descriptions.begin(), exercise.descriptions.end(),
                  text) != exercise.descriptions.end()) {
      reader.Fail(table.get(description_field.key)->source(),
                  "описанието " + Quoted(text) + " се повтаря",
                  description_field.key);
    }
    exercise.description_keys.push_back(std::to_string(names.size()));
    names.push_back(std::move(name));
    exercise.descriptions.push_back(std::move(text));
  }

  const RowField& option_field = kOptionTable.text;
  const RowField& right_field = kOptionTable.link;
  const toml::array& options = reader.Tables(root, kOptionTable);
  for (size_t index = 0; index < options.size(); ++index) {
    reader.EnterTable(kOptionTable.key, index);
    const toml::table& table = *options[index].as_table();
    reader.OnlyKnownKeys(table, {option_field.key, right_field.key});
    std::string text = reader.Text(table, option_field);
    if (std::find(exercise.options.begin(), exercise.options.end(), text) !=
        exercise.options.end()) {
      reader.Fail(table.get(option_field.key)->source(),
                  "вариантът " + Quoted(text) + " се повтаря",
                  option_field.key);
    }
    if (table.get(right_field.key) == nullptr) {
      reader.Fail(reader.PlaceOf(table),
                  "вариантът " + Quoted(text) + " няма верен отговор (ключ " +
                      Quoted(right_field.key) + ")",
                  right_field.key);
    }
    const std::string right = reader.Text(table, right_field);
    const auto found = std::find(names.begin(), names.end(), right);
    if (found == names.end()) {
      reader.Fail(table.get(right_field.key)->source(),
                  "вариантът " + Quoted(text) + " сочи описание " +
                      Quoted(right) + ", а такова няма",
                  right_field.key);
    }
    exercise.option_keys.push_back(std::to_string(found - names.begin()));
    exercise.options.push_back(std::move(text));
  }

  if (exercise.language.empty()) exercise.language = LanguageOfTexts(exercise);
  return exercise;
}

}  // namespace

std::string ExerciseError::Text() const {
  if (line <= 0) return file + ": " + message;
  return file + ":" + std::to_string(line) + ":" + std::to_string(column) +
         ": " + message;
}

std::string DecodeExerciseText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      forms::AppendUtf8(byte, text);
    } else if (byte < 0xC0) {
      forms::AppendUtf8(kCp1251High[byte - 0x80], text);
    } else {
      forms::AppendUtf8(0x0410 + (byte - 0xC0), text);
    }
  }
  return text;
}

LoadedExercise ParseExercise(std::string_view bytes, std::string_view file_name,
                             FileWording* wording) {
  const std::string text = DecodeExerciseText(bytes);
  toml::parse_result parsed = toml::parse(text, file_name);
  if (!parsed) {
    const toml::parse_error& error = parsed.error();
    return ExerciseError{
        .file = std::string(file_name),
        .line = static_cast<int>(error.source().begin.line),
        .column = static_cast<int>(error.source().begin.column),
        .message =
            "неправилен запис (TOML): " + std::string(error.description())};
  }
  try {
    Reader reader(file_name, parsed.table());
    FileWording read;
    Exercise exercise = ReadExercise(parsed.table(), reader, read);
    if (wording != nullptr) *wording = std::move(read);
    return exercise;
  } catch (const Fault& fault) {
    return fault.error;
  }
}

std::optional<std::string> ReadWholeFile(std::FILE* file) {
  std::string bytes;
  std::array<char, 4096> chunk;
  size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0) {
    bytes.append(chunk.data(), got);
    if (bytes.size() > 1 << 20) return std::nullopt;  // no exercise is this big
  }
  if (std::ferror(file)) return std::nullopt;
  return bytes;
}

ExerciseError UnreadableFile(std::string_view file_name) {
  return {.file = std::string(file_name),
          .message = "файлът не може да се прочете"};
}

}  // namespace quiz
