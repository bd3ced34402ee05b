#include "editor/exercise_schema_json.h"

#include <cstdio>
#include <string_view>

#include "forms/core/json_text.h"
#include "quiz/exercise_schema.h"

namespace trovanel {
namespace {

using forms::JsonString;

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string LabelJson(const quiz::Label& label) {
  return "{\"bg\":" + JsonString(label.bg) + ",\"en\":" + JsonString(label.en) +
         "}";
}

std::string RowFieldJson(const quiz::RowField& field) {
  return "{\"key\":" + JsonString(field.key) +
         ",\"limit\":" + std::to_string(field.max_chars) +
         ",\"label\":" + LabelJson(field.label) + "}";
}

std::string TableJson(const quiz::RowTable& table) {
  return JsonString(table.key) + ":{\"label\":" + LabelJson(table.label) +
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
    json += "{\"key\":" + JsonString(field.key) +
            ",\"limit\":" + std::to_string(field.max_chars) +
            ",\"multiLine\":" + Bool(field.multi_line) +
            ",\"optional\":" + Bool(field.optional) +
            ",\"default\":" + JsonString(field.default_text) +
            ",\"label\":" + LabelJson(field.label) + "}";
  }
  return json + "],\"tables\":{" + TableJson(quiz::kOptionTable) + "," +
         TableJson(quiz::kDescriptionTable) + "}}";
}

}  // namespace trovanel
