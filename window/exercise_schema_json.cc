#include "window/exercise_schema_json.h"

#include <cstdio>
#include <string_view>

#include "quiz/exercise_schema.h"

namespace trovanel {
namespace {

std::string String(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
      out += code;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string LabelJson(const quiz::Label& label) {
  return "{\"bg\":" + String(label.bg) + ",\"en\":" + String(label.en) + "}";
}

std::string RowFieldJson(const quiz::RowField& field) {
  return "{\"key\":" + String(field.key) +
         ",\"limit\":" + std::to_string(field.max_chars) +
         ",\"label\":" + LabelJson(field.label) + "}";
}

std::string TableJson(const quiz::RowTable& table) {
  return String(table.key) + ":{\"label\":" + LabelJson(table.label) +
         ",\"text\":" + RowFieldJson(table.text) +
         ",\"link\":" + RowFieldJson(table.link) + "}";
}

}  // namespace

std::string ExerciseSchemaJson() {
  std::string json = R"({"rows":{"min":)" + std::to_string(quiz::kMinPairs) +
                     ",\"max\":" + std::to_string(quiz::kMaxPairs) +
                     "},\"texts\":[";
  for (const quiz::TextField& field : quiz::ExerciseTexts()) {
    if (json.back() != '[') json += ',';
    json += "{\"key\":" + String(field.key) +
            ",\"limit\":" + std::to_string(field.max_chars) +
            ",\"multiLine\":" + Bool(field.multi_line) +
            ",\"optional\":" + Bool(field.optional) +
            ",\"default\":" + String(field.default_text) +
            ",\"label\":" + LabelJson(field.label) + "}";
  }
  return json + "],\"tables\":{" + TableJson(quiz::kOptionTable) + "," +
         TableJson(quiz::kDescriptionTable) + "}}";
}

}  // namespace trovanel
