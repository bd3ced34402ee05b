#include "editor/edited_exercise.h"

#include <variant>

#include "pages/one_file_page.h"
#include "pages/scorm_package.h"
#include "quiz/exercise_file_writer.h"
#include "quiz/exercise_formats.h"

namespace trovanel {
namespace {

// The name a checked draft goes by in messages that are not about a field.
constexpr std::string_view kDraftName = "упражнението";

}  // namespace

void EditedExercise::Clear() {
  draft_ = {};
  description_names_.clear();
}

void EditedExercise::SetText(size_t field, std::string text) {
  const auto texts = quiz::ExerciseTexts();
  if (field < texts.size()) draft_.*texts[field].member = std::move(text);
}

void EditedExercise::AddOption(std::string text, int right) {
  draft_.options.push_back(std::move(text));
  // No description has an empty key: an option without one has no right
  // description, which the loader reports.
  draft_.option_keys.push_back(right >= 0 ? std::to_string(right) : "");
}

void EditedExercise::AddDescription(std::string name, std::string text) {
  draft_.description_keys.push_back(
      std::to_string(draft_.descriptions.size()));
  draft_.descriptions.push_back(std::move(text));
  description_names_.push_back(std::move(name));
}

bool EditedExercise::Open(std::string_view bytes, std::string_view file_name) {
  // A file that cannot be read leaves the draft, and what it was checked as,
  // as they were: the downloads go on writing the exercise shown.
  quiz::FileText text = quiz::AsExerciseFile(std::string(bytes), file_name);
  if (auto* error = std::get_if<quiz::ExerciseError>(&text)) {
    error_ = std::move(*error);
    return false;
  }
  quiz::FileWording wording;
  quiz::LoadedExercise loaded =
      quiz::ParseExercise(std::get<std::string>(text), file_name, &wording);
  if (auto* error = std::get_if<quiz::ExerciseError>(&loaded)) {
    error_ = std::move(*error);
    return false;
  }
  checked_.reset();
  error_ = {};
  draft_ = std::move(std::get<quiz::Exercise>(loaded));
  // A language the loader told from the texts stays untold in the draft.
  draft_.language = std::move(wording.language);
  description_names_ = std::move(wording.description_names);
  return true;
}

const std::string& EditedExercise::Text(size_t field) const {
  static const std::string kNone;
  const auto texts = quiz::ExerciseTexts();
  return field < texts.size() ? draft_.*texts[field].member : kNone;
}

int EditedExercise::RightOf(size_t option) const {
  return quiz::RightDescription(draft_, option);
}

bool EditedExercise::Check() {
  error_ = {};
  checked_ = std::make_unique<OpenedExercise>(FileText(), kDraftName);
  return checked_->ok();
}

const quiz::ExerciseError& EditedExercise::error() const {
  // An Open() that failed is newer than any Check(), which clears error_.
  const bool check_failed = checked_ != nullptr && !checked_->ok();
  return check_failed && error_.message.empty() ? checked_->fault() : error_;
}

std::string EditedExercise::FileText() const {
  return quiz::WriteExerciseFile(draft_, description_names_);
}

std::string EditedExercise::Page(std::string_view packed_module) const {
  if (checked_ == nullptr || !checked_->ok()) return {};
  return OneFilePage(checked_->layout(), checked_->exercise(), packed_module);
}

std::string EditedExercise::Package(std::string_view packed_module) const {
  if (checked_ == nullptr || !checked_->ok()) return {};
  return ScormPackage(checked_->layout(), checked_->exercise(), packed_module);
}

quiz::WrittenGift EditedExercise::Gift() const {
  const bool checked = checked_ != nullptr && checked_->ok();
  return quiz::WriteGiftQuestion(checked ? checked_->exercise() : draft_,
                                 kDraftName);
}

}  // namespace trovanel
