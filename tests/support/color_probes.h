#ifndef TROVANEL_TESTS_SUPPORT_COLOR_PROBES_H_
#define TROVANEL_TESTS_SUPPORT_COLOR_PROBES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "forms/core/form.h"
#include "tests/support/image.h"

namespace trovanel_test {

// A client-area pixel where the window must show a back colour of the
// layout: inside the control that has it and clear of every other shown
// control drawn over it (text sits away from the corner chosen).
struct ColorProbe {
  std::string what;
  int x = 0;
  int y = 0;
  uint32_t stored_color = 0;  // 0x00BBGGRR
};

std::vector<ColorProbe> BackColorProbes(const forms::Form& form, int dpi);

// The probes a picture of the client area does not show in their colour,
// named in one line; empty when it shows them all.
std::string ColorMismatches(const Image& image,
                            const std::vector<ColorProbe>& probes);

}  // namespace trovanel_test

#endif  // TROVANEL_TESTS_SUPPORT_COLOR_PROBES_H_
