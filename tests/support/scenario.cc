#include "tests/support/scenario.h"

#include <charconv>
#include <stdexcept>

#include "tests/support/scenario_files.h"

namespace trovanel_test {
namespace {

using Kind = Step::Kind;

// The first word of `rest`, which loses it and the blank after it.
std::string_view TakeWord(std::string_view& rest) {
  size_t blank = rest.find(' ');
  std::string_view word = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view()
                                         : rest.substr(blank + 1);
  return word;
}

int Number(std::string_view word, const std::string& where) {
  int value = -1;
  auto [end, error] =
      std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < 0) {
    throw std::invalid_argument(where + ": not a number");
  }
  return value;
}

// "none" or a number.
int NumberOrNone(std::string_view word, const std::string& where) {
  return word == "none" ? -1 : Number(word, where);
}

Step ParseStep(std::string_view line, const std::string& where) {
  std::string_view rest = line;
  std::string_view verb = TakeWord(rest);
  Step step{.kind = Kind::kSay, .number = -1, .text = {}, .where = where};
  if (verb == "option" || verb == "row") {
    step.kind = verb == "option" ? Kind::kOption : Kind::kRow;
    step.number = Number(rest, where);
  } else if (verb == "press_back" && TakeWord(rest) == "option") {
    step.kind = Kind::kPressBack;
    step.number = Number(rest, where);
  } else if (verb == "key" && !rest.empty()) {
    step.kind = Kind::kKey;
    step.text = rest;
  } else if (verb == "say" && rest == "start") {
    step.kind = Kind::kSayStart;
  } else if (verb == "say" && !rest.empty()) {
    step.text = rest;
  } else if (verb == "focus") {
    step.kind = Kind::kFocus;
    step.text = TakeWord(rest);
    if (step.text == "option") {
      step.number = Number(rest, where);
    } else if ((step.text != "message" && step.text != "list") ||
               !rest.empty()) {
      throw std::invalid_argument(where + ": unknown focus");
    }
  } else if (verb == "chosen" || verb == "selected") {
    step.kind = verb == "chosen" ? Kind::kChosen : Kind::kSelected;
    step.number = NumberOrNone(rest, where);
  } else {
    throw std::invalid_argument(where + ": unknown step");
  }
  return step;
}

}  // namespace

std::vector<Scenario> ParseScenarios(std::string_view text,
                                     std::string_view file_name) {
  std::vector<Scenario> scenarios;
  int number = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view()
                                         : text.substr(end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
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
