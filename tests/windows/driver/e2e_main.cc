// Drives the Windows program's form with real input under Wine:
//   trovanel_wine_e2e.exe start [DPI]|pairs|keyboard
//       exit 0 when every check holds; DPI: the system's (96 by default)
//   trovanel_wine_e2e.exe fault
//       the program's exit status
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "forms/core/runtime_error.h"
#include "forms/core/units.h"
#include "tests/windows/driver/scenarios.h"

int main(int argc, char** argv) {
  using trovanel_test::Checks;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s start [DPI]|pairs|keyboard|fault\n",
                 argv[0]);
    return 64;
  }
  std::string_view scenario = argv[1];
  Checks checks;
  int status = 0;
  if (scenario == "start") {
    trovanel_test::StartScenario(
        checks, argc == 3 ? std::atoi(argv[2]) : forms::kDefaultDpi);
  } else if (scenario == "pairs") {
    trovanel_test::PairsScenario(checks);
  } else if (scenario == "keyboard") {
    trovanel_test::KeyboardScenario(checks);
  } else if (scenario == "fault") {
    status = trovanel_test::FaultScenario(checks);
  } else {
    std::fprintf(stderr, "unknown scenario %s\n", argv[1]);
    return 64;
  }
  std::printf("%s: %d checks, %d failed\n", argv[1], checks.count(),
              checks.failures());
  // A failed check must not pass for the exit status a fault should give.
  if (checks.failures() > 0) return 100;
  return status;
}
