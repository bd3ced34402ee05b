#include "tests/support/color_probes.h"

#include "forms/core/geometry.h"
#include "forms/core/units.h"
#include "tests/support/form_lookup.h"

namespace trovanel_test {
namespace {

using forms::Control;
using forms::Rect;

// Far enough inside to miss a border, a frame's etched line or a focus mark.
constexpr int kInset = 4;

bool IsContainerOf(const Control& outer, const Control& inner) {
  for (const Control* c = inner.container(); c; c = c->container()) {
    if (c == &outer) return true;
  }
  return false;
}

// True when no shown control other than `owner` (and its containers) covers
// the point; owner nullptr: the window itself.
bool IsFree(const forms::Form& form, const Control* owner, int x, int y,
            int dpi) {
  for (const auto& other : form.controls()) {
    if (!other->description().visible || other.get() == owner) continue;
    if (owner && IsContainerOf(*other, *owner)) continue;
    if (ControlRect(form.description(), other->description(), dpi)
            .Contains(x, y)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<ColorProbe> BackColorProbes(const forms::Form& form, int dpi) {
  std::vector<ColorProbe> probes;
  for (const auto& control : form.controls()) {
    const forms::ControlDescription& own = control->description();
    if (!own.visible || !own.back_color) continue;
    Rect rect = ControlRect(form.description(), control->description(), dpi);
    const int corners[][2] = {
        {rect.left + rect.width - kInset, rect.top + rect.height - kInset},
        {rect.left + kInset, rect.top + rect.height - kInset},
        {rect.left + rect.width - kInset, rect.top + kInset},
        {rect.left + rect.width - kInset, rect.top + rect.height / 2}};
    for (const auto& [x, y] : corners) {
      if (IsFree(form, control.get(), x, y, dpi)) {
        probes.push_back({ControlName(control->array(), control->member()), x,
                          y, *own.back_color});
        break;
      }
    }
  }
  const forms::FormDescription& window = form.description();
  int width = forms::TwipsToPixels(window.client_width, dpi);
  int height = forms::TwipsToPixels(window.client_height, dpi);
  for (int y = kInset; y < height - kInset; y += kInset) {
    for (int x = kInset; x < width - kInset; x += kInset) {
      if (IsFree(form, nullptr, x, y, dpi)) {
        probes.push_back({std::string(window.name), x, y, window.back_color});
        return probes;
      }
    }
  }
  return probes;
}

std::string ColorMismatches(const Image& image,
                            const std::vector<ColorProbe>& probes) {
  std::string mismatches;
  for (const ColorProbe& probe : probes) {
    const forms::Rgb wanted = forms::StoredColorToRgb(probe.stored_color);
    if (probe.x < image.width && probe.y < image.height &&
        image.At(probe.x, probe.y) == wanted) {
      continue;
    }
    mismatches += probe.what + " at " + std::to_string(probe.x) + "," +
                  std::to_string(probe.y) + "; ";
  }
  return mismatches;
}

}  // namespace trovanel_test
