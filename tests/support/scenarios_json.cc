// Writes the scenarios and the answer table, as the C++ parser reads them, to
// one JSON file for the harnesses in other languages (the page's tests, the
// screen reader's test), with the scenarios of the example exercises.
//   trovanel_scenarios_json OUTPUT [EXERCISE_SCENARIO_FILE...]
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "forms/core/json_text.h"
#include "tests/support/answers.h"
#include "tests/support/scenario.h"

namespace trovanel_test {
namespace {

using forms::JsonString;

// In the order of Step::Kind.
constexpr std::string_view kVerbs[] = {"option", "row",       "press_back",
                                       "key",    "say_start", "say",
                                       "focus",  "chosen",    "selected"};

std::string ScenariosJson(const std::vector<Scenario>& scenarios) {
  std::string json = "[";
  for (const Scenario& scenario : scenarios) {
    if (json.back() == '}') json += ",";
    json += "\n {\"name\": " + JsonString(scenario.name) + ", \"steps\": [";
    for (const Step& step : scenario.steps) {
      if (json.back() == '}') json += ",";
      json +=
          "\n  {\"verb\": " + JsonString(kVerbs[static_cast<int>(step.kind)]) +
          ", \"number\": " + std::to_string(step.number) +
          ", \"text\": " + JsonString(step.text) +
          ", \"where\": " + JsonString(step.where) + "}";
    }
    json += "]}";
  }
  return json + "]";
}

// {"scenarios": [{"name", "steps": [{"verb", "number" (-1: none), "text",
// "where"}]}], "exercises": [the example exercises' scenarios, alike],
// "answers": [the right row of each gait], "rows": [the description rows'
// texts]}
std::string Json(const std::vector<Scenario>& exercises) {
  std::string json = "{\"scenarios\": " + ScenariosJson(AllScenarios());
  json += ",\n\"exercises\": " + ScenariosJson(exercises);
  json += ",\n\"answers\": [";
  for (int gait = 0; gait < kGaits; ++gait) {
    json += (gait ? ", " : "") + std::to_string(RightRow(gait));
  }
  json += "],\n\"rows\": [";
  for (int row = 0; row < kRows; ++row) {
    json += (row ? ",\n " : "\n ") + JsonString(DescriptionRow(row));
  }
  return json + "]}\n";
}

}  // namespace
}  // namespace trovanel_test

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: trovanel_scenarios_json OUTPUT "
                 "[EXERCISE_SCENARIO_FILE...]\n");
    return 2;
  }
  std::vector<trovanel_test::Scenario> exercises;
  for (int i = 2; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in) {
      std::fprintf(stderr, "trovanel_scenarios_json: cannot read %s\n",
                   argv[i]);
      return 1;
    }
    for (auto& scenario : trovanel_test::ParseScenarios(text, argv[i])) {
      exercises.push_back(std::move(scenario));
    }
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << trovanel_test::Json(exercises);
  return out.close(), out ? 0 : 1;
}
