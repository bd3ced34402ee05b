#include "tests/support/scenario.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "tests/support/scenario_files.h"

namespace trovanel_test {
namespace {

using Kind = Step::Kind;

// Cuts the first word (up to a blank) off `rest`.
std::string_view TakeWord(std::string_view& rest) {
  const size_t blank = std::min(rest.find(' '), rest.size());
  std::string_view word = rest.substr(0, blank);
  rest.remove_prefix(std::min(blank + 1, rest.size()));
  return word;
}

// A member or row number, or -1 for "none" where that may stand.
int Number(std::string_view word, bool none_allowed, const std::string& where) {
  int value = -1;
  if (none_allowed && word == "none") return value;
  auto [end, error] =
      std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < 0) {
    throw std::invalid_argument(where + ": not a number");
  }
  return value;
}

Step ParseStep(std::string_view rest, const std::string& where) {
  const std::string_view verb = TakeWord(rest);
  Step step{.kind = Kind::kSay, .number = -1, .text = {}, .where = where};
  if (verb == "option" || verb == "row") {
    step.kind = verb == "option" ? Kind::kOption : Kind::kRow;
    step.number = Number(rest, false, where);
  } else if (verb == "press_back" && TakeWord(rest) == "option") {
    step.kind = Kind::kPressBack;
    step.number = Number(rest, false, where);
  } else if ((verb == "key" || verb == "say") && !rest.empty()) {
    step.kind = verb == "key"     ? Kind::kKey
                : rest == "start" ? Kind::kSayStart
                                  : Kind::kSay;
    step.text = rest;
  } else if (verb == "focus") {
    step.kind = Kind::kFocus;
    step.text = TakeWord(rest);
    if (step.text == "option") {
      step.number = Number(rest, false, where);
    } else if ((step.text != "message" && step.text != "list") ||
               !rest.empty()) {
      throw std::invalid_argument(where + ": no such focus");
    }
  } else if (verb == "chosen" || verb == "selected") {
    step.kind = verb == "chosen" ? Kind::kChosen : Kind::kSelected;
    step.number = Number(rest, true, where);
  } else {
    throw std::invalid_argument(where + ": no such step");
  }
  return step;
}

}  // namespace

std::vector<Scenario> ParseScenarios(std::string_view text,
                                     std::string_view file_name) {
  std::vector<Scenario> scenarios;
  for (int number = 1; !text.empty(); ++number) {
    std::string_view line = text.substr(0, text.find('\n'));
    text.remove_prefix(std::min(line.size() + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::string where = std::string(file_name) + ":" +
                              std::to_string(number) + ": " + std::string(line);
    if (line.starts_with("scenario ")) {
      scenarios.push_back({std::string(line.substr(9)), {}});
    } else if (scenarios.empty()) {
      throw std::invalid_argument(where + ": a step before any scenario");
    } else {
      scenarios.back().steps.push_back(ParseStep(line, where));
    }
  }
  return scenarios;
}

const std::vector<Scenario>& AllScenarios() {
  static const auto* all = [] {
    auto* scenarios = new std::vector<Scenario>;
    for (const EmbeddedFile& file : kScenarioFiles) {
      if (file.name == "answers.txt") continue;
      for (Scenario& scenario : ParseScenarios(file.text, file.name)) {
        scenarios->push_back(std::move(scenario));
      }
    }
    return scenarios;
  }();
  return *all;
}

}  // namespace trovanel_test
