// Writes the scenarios and the answer table, as the C++ parser reads them, to
// one JSON file for the harnesses in other languages (the page's tests, the
// screen reader's test).
//   trovanel_scenarios_json OUTPUT
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "tests/support/answers.h"
#include "tests/support/scenario.h"

namespace trovanel_test {
namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\u%04x", c);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

// In the order of Step::Kind.
constexpr std::string_view kVerbs[] = {"option", "row",       "press_back",
                                       "key",    "say_start", "say",
                                       "focus",  "chosen",    "selected"};

// {"scenarios": [{"name", "steps": [{"verb", "number" (-1: none), "text",
// "where"}]}], "answers": [the right row of each gait], "rows": [the
// description rows' texts]}
std::string Json() {
  std::string json = "{\"scenarios\": [";
  for (const Scenario& scenario : AllScenarios()) {
    if (json.back() == '}') json += ",";
    json += "\n {\"name\": " + Quoted(scenario.name) + ", \"steps\": [";
    for (const Step& step : scenario.steps) {
      if (json.back() == '}') json += ",";
      json += "\n  {\"verb\": " + Quoted(kVerbs[static_cast<int>(step.kind)]) +
              ", \"number\": " + std::to_string(step.number) +
              ", \"text\": " + Quoted(step.text) +
              ", \"where\": " + Quoted(step.where) + "}";
    }
    json += "]}";
  }
  json += "],\n\"answers\": [";
  for (int gait = 0; gait < kGaits; ++gait) {
    json += (gait ? ", " : "") + std::to_string(RightRow(gait));
  }
  json += "],\n\"rows\": [";
  for (int row = 0; row < kRows; ++row) {
    json += (row ? ",\n " : "\n ") + Quoted(DescriptionRow(row));
  }
  return json + "]}\n";
}

}  // namespace
}  // namespace trovanel_test

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: trovanel_scenarios_json OUTPUT\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << trovanel_test::Json();
  return out.close(), out ? 0 : 1;
}
