#ifndef TROVANEL_TESTS_WINDOWS_DRIVER_SCENARIOS_H_
#define TROVANEL_TESTS_WINDOWS_DRIVER_SCENARIOS_H_

#include "tests/windows/driver/session.h"

namespace trovanel_test {

// The window as it opens at the system's dpi (placed and sized for it):
// texts, focus, font, frame, colours; Escape keeps it open; the start text
// stays until the first check.
void StartScenario(Checks& checks, int system_dpi);
// Every gait with every description, by mouse, in both orders.
void PairsScenario(Checks& checks);
// Tab order, arrow keys in the list and in the option group.
void KeyboardScenario(Checks& checks);
// A failing control call: the error report appears, the loop ends with the
// run-time error's status. Returns that status.
int FaultScenario(Checks& checks);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_SCENARIOS_H_
