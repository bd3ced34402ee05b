#ifndef TROVANEL_EDITOR_EXERCISE_SCHEMA_JSON_H_
#define TROVANEL_EDITOR_EXERCISE_SCHEMA_JSON_H_

#include <string>

namespace trovanel {

// The exercise's schema for the editor page, which builds its fields from
// it: {"rows": {"min", "max"}, "texts": [{"key", "limit", "multiLine",
// "optional", "default", "label": {"bg", "en"}}, ...], "tables": {"option":
// {"label", "text", "link"}, "description": ...}}, each of "text" and
// "link" {"key", "limit", "label"}.
std::string ExerciseSchemaJson();

}  // namespace trovanel

#endif  // TROVANEL_EDITOR_EXERCISE_SCHEMA_JSON_H_
