#ifndef TROVANEL_TESTS_SUPPORT_SCENARIO_PLAYER_H_
#define TROVANEL_TESTS_SUPPORT_SCENARIO_PLAYER_H_

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "forms/core/form.h"
#include "tests/support/scenario.h"
#include "app/opened_exercise.h"

namespace trovanel_test {

// What an end-to-end harness does for the player: the pupil's input, sent
// as real input, and what the window's widgets show.
class Harness {
 public:
  virtual ~Harness() = default;

  virtual forms::Form& form() = 0;
  virtual void ClickOption(int member) = 0;
  virtual void ClickRow(int row) = 0;
  // Presses on the option and lets go off it.
  virtual void PressBack(int member) = 0;
  // A key as the scenario files name it; false for a name it does not know.
  virtual bool Key(std::string_view name) = 0;

  // The message box's text as the widget shows it.
  virtual std::string ShownMessage() = 0;
  // How the widget shows a text the model holds (its line breaks).
  virtual std::string AsShown(std::string_view text) {
    return std::string(text);
  }
  // The option shown chosen (-1: none; -2: more than one) and the row shown
  // selected (-1: none).
  virtual int ShownOption() = 0;
  virtual int ShownRow() = 0;
  // Where the focus is, named as in the scenario files.
  virtual std::string Focus() = 0;
};

// Names a scenario in a test's output.
void PrintTo(const Scenario& scenario, std::ostream* out);

// Plays one step; a check compares the model and the widgets with the step.
void Play(Harness& harness, const Step& step);
void Play(Harness& harness, const Scenario& scenario);

// Each example exercise file, opened from exercises/ under `root` (the
// source folder as the harness's program reaches it), with each scenario
// written for it in tests/scenarios/exercises; `play` shows the exercise in a
// harness of its own and plays the scenario there.
void PlayExampleExercises(
    const std::string& root,
    const std::function<void(const trovanel::OpenedExercise&, const Scenario&)>&
        play);

// Every gait with every row, by mouse, half of them row first, each answered
// by the answer table.
void PlayEveryPair(Harness& harness);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_SCENARIO_PLAYER_H_
