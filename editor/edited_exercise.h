#ifndef TROVANEL_EDITOR_EDITED_EXERCISE_H_
#define TROVANEL_EDITOR_EDITED_EXERCISE_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/exercise.h"
#include "quiz/exercise_file.h"
#include "quiz/gift_writer.h"
#include "app/opened_exercise.h"

namespace trovanel {

// An exercise as a teacher writes it in the editor, checked by the code
// that reads files: the draft is written as a .trovanel file and read back
// by the loader, then laid out, so whatever passes here opens on every
// platform, and a fault names the field it is in (ExerciseError::field).
class EditedExercise {
 public:
  void Clear();
  // `field` counts the texts of quiz::ExerciseTexts() from 0; a text of a
  // count past them is none and changes nothing.
  void SetText(size_t field, std::string text);
  // `right` is the row of the option's right description, -1 for none yet.
  void AddOption(std::string text, int right);
  // `name` is the description's own, by which the file's options point at
  // it.
  void AddDescription(std::string name, std::string text);

  // Puts a file's exercise in the draft, a .trovanel file or a GIFT
  // question (.gift); false and the file's error (with its line and column)
  // when it cannot be read.
  bool Open(std::string_view bytes, std::string_view file_name);

  // Empty for a count past the texts.
  const std::string& Text(size_t field) const;
  const quiz::Exercise& draft() const { return draft_; }
  int RightOf(size_t option) const;
  const std::string& DescriptionName(size_t row) const {
    return description_names_.at(row);
  }

  // Checks the draft as it stands; true when it makes a window.
  bool Check();
  // After a Check() that failed, or an Open() that failed: what is wrong.
  const quiz::ExerciseError& error() const;

  std::string FileText() const;
  // Only after a Check() that passed: the one-file page of the exercise.
  std::string Page(std::string_view packed_module) const;
  // Only after a Check() that passed: the page in a package for a learning
  // platform, a zip.
  std::string Package(std::string_view packed_module) const;
  // The exercise as a GIFT question (as the loader read it, after a Check()
  // that passed), or why a platform's matching question cannot hold it.
  quiz::WrittenGift Gift() const;

 private:
  quiz::Exercise draft_;
  std::vector<std::string> description_names_;  // one for each description
  std::unique_ptr<OpenedExercise> checked_;  // the last Check()'s
  quiz::ExerciseError error_;  // the last Open()'s
};

}  // namespace trovanel

#endif  // TROVANEL_EDITOR_EDITED_EXERCISE_H_
