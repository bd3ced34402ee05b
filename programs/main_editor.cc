// The editor page's module: the exercise the teacher writes is checked by
// the loader, written as a .trovanel file, a one-file page, a package for a
// learning platform and a GIFT question by the same C++ the programs use.
// The page's script (editor/editor.js) calls these functions; texts are
// UTF-8, and a returned text lives until the next call, its length in bytes
// in EditorReturnedSize (the package is bytes, not a text).

#include <emscripten.h>

#include <string>
#include <variant>

#include "forms/core/line_breaks.h"
#include "editor/edited_exercise.h"
#include "editor/exercise_schema_json.h"

namespace {

trovanel::EditedExercise& Edited() {
  static trovanel::EditedExercise edited;
  return edited;
}

std::string& Returned() {
  static std::string returned;
  return returned;
}

const char* Returned(std::string text) {
  Returned() = std::move(text);
  return Returned().c_str();
}

// Why the last GIFT question could not be written.
std::string& GiftError() {
  static std::string message;
  return message;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int EditorReturnedSize() {
  return static_cast<int>(Returned().size());
}

// What an exercise is made of, as JSON (editor/exercise_schema_json.h): the
// page builds its fields from it, and numbers the texts in its order.
EMSCRIPTEN_KEEPALIVE const char* EditorSchema() {
  return Returned(trovanel::ExerciseSchemaJson());
}

EMSCRIPTEN_KEEPALIVE void EditorClear() { Edited().Clear(); }

EMSCRIPTEN_KEEPALIVE void EditorSetText(int field, const char* text) {
  if (field >= 0) Edited().SetText(static_cast<size_t>(field), text);
}

EMSCRIPTEN_KEEPALIVE void EditorAddOption(const char* text, int right) {
  Edited().AddOption(text, right);
}

EMSCRIPTEN_KEEPALIVE void EditorAddDescription(const char* name,
                                                const char* text) {
  Edited().AddDescription(name, text);
}

// 1 when the exercise makes a window; else EditorErrorField and
// EditorErrorMessage say what is wrong, and where.
EMSCRIPTEN_KEEPALIVE int EditorCheck() { return Edited().Check() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* EditorErrorField() {
  return Returned(Edited().error().field);
}

EMSCRIPTEN_KEEPALIVE const char* EditorErrorMessage() {
  return Returned(Edited().error().message);
}

// The file's bytes as read, a .trovanel file or a .gift question; 1 when the
// draft now holds its exercise, else EditorFileError says why.
EMSCRIPTEN_KEEPALIVE int EditorOpen(const char* bytes, int size,
                                    const char* file_name) {
  return Edited().Open(std::string_view(bytes, static_cast<size_t>(size)),
                       file_name)
             ? 1
             : 0;
}

EMSCRIPTEN_KEEPALIVE const char* EditorFileError() {
  return Returned(Edited().error().Text());
}

// With LF line ends, as the page's fields keep them.
EMSCRIPTEN_KEEPALIVE const char* EditorText(int field) {
  return Returned(
      forms::WithLineFeeds(Edited().Text(static_cast<size_t>(field))));
}

EMSCRIPTEN_KEEPALIVE int EditorOptionCount() {
  return static_cast<int>(Edited().draft().options.size());
}

EMSCRIPTEN_KEEPALIVE const char* EditorOptionText(int option) {
  return Returned(Edited().draft().options.at(option));
}

EMSCRIPTEN_KEEPALIVE int EditorOptionRight(int option) {
  return Edited().RightOf(static_cast<size_t>(option));
}

EMSCRIPTEN_KEEPALIVE int EditorDescriptionCount() {
  return static_cast<int>(Edited().draft().descriptions.size());
}

EMSCRIPTEN_KEEPALIVE const char* EditorDescriptionText(int row) {
  return Returned(Edited().draft().descriptions.at(row));
}

EMSCRIPTEN_KEEPALIVE const char* EditorDescriptionName(int row) {
  return Returned(Edited().DescriptionName(static_cast<size_t>(row)));
}

EMSCRIPTEN_KEEPALIVE const char* EditorFileText() {
  return Returned(Edited().FileText());
}

// After a check that passed: the one-file page, with `packed_module` inlined
// (empty for the preview, which takes the markup and the exercise from it).
EMSCRIPTEN_KEEPALIVE const char* EditorPage(const char* packed_module) {
  return Returned(Edited().Page(packed_module));
}

// After a check that passed: the package's zip, EditorReturnedSize bytes.
EMSCRIPTEN_KEEPALIVE const char* EditorPackage(const char* packed_module) {
  return Returned(Edited().Package(packed_module));
}

// The GIFT question, or an empty text and EditorGiftError's message when a
// platform's matching question cannot hold the exercise.
EMSCRIPTEN_KEEPALIVE const char* EditorGift() {
  quiz::WrittenGift gift = Edited().Gift();
  if (auto* error = std::get_if<quiz::ExerciseError>(&gift)) {
    GiftError() = std::move(error->message);
    return Returned("");
  }
  return Returned(std::move(std::get<std::string>(gift)));
}

EMSCRIPTEN_KEEPALIVE const char* EditorGiftError() {
  return Returned(GiftError());
}

}  // extern "C"
