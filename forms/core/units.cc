#include "forms/core/units.h"

#include <cstdint>

namespace forms {
namespace {

// round(numerator / denominator) with halves away from zero, for a positive
// denominator.
int RoundedQuotient(int64_t numerator, int64_t denominator) {
  int64_t half = denominator / 2;
  int64_t shifted = numerator >= 0 ? numerator + half : numerator - half;
  return static_cast<int>(shifted / denominator);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
  return RoundedQuotient(static_cast<int64_t>(twips) * dpi, kTwipsPerInch);
}

int PointsToPixels(int points, int dpi) {
  return RoundedQuotient(static_cast<int64_t>(points) * dpi, 72);
}

}  // namespace forms
