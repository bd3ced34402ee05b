#ifndef TROVANEL_TESTS_SUPPORT_SCENARIO_H_
#define TROVANEL_TESTS_SUPPORT_SCENARIO_H_

#include <string>
#include <string_view>
#include <vector>

namespace trovanel_test {

// One line of a scenario file (tests/scenarios/README.md gives the format).
struct Step {
  enum class Kind {
    kOption,     // the pupil clicks option `number`
    kRow,        // the pupil clicks row `number` of the description list
    kPressBack,  // presses on option `number`, releases outside it
    kKey,        // one key, named by `text`
    kSayStart,   // the message box shows the start text
    kSay,        // the message box shows exactly `text`
    kFocus,      // `text` is "message", "list" or "option" (then `number`)
    kChosen,     // option `number` is chosen; -1: none
    kSelected,   // row `number` is selected; -1: none
  };
  Kind kind;
  int number = -1;
  std::string text;
  std::string where;  // "file:line: the line", for failure messages
};

struct Scenario {
  std::string name;
  std::vector<Step> steps;
};

// Throws std::invalid_argument naming the line on anything it does not know.
std::vector<Scenario> ParseScenarios(std::string_view text,
                                     std::string_view file_name);

// Every scenario of tests/scenarios, as built into the test program.
const std::vector<Scenario>& AllScenarios();

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_SCENARIO_H_
