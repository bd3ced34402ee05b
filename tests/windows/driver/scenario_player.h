#ifndef TROVANEL_TESTS_WINDOWS_DRIVER_SCENARIO_PLAYER_H_
#define TROVANEL_TESTS_WINDOWS_DRIVER_SCENARIO_PLAYER_H_

#include "tests/support/scenario.h"
#include "tests/windows/driver/session.h"

namespace trovanel_test {

// Does or checks one step of a scenario (tests/scenarios/README.md) on the
// window: checks read the model and the widgets, which must agree. Where the
// focus is in the message box, none of its text may be highlighted.
void Play(Session& session, const Step& step);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_WINDOWS_DRIVER_SCENARIO_PLAYER_H_
