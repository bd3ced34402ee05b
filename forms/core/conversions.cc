#include "forms/core/conversions.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "forms/core/runtime_error.h"

namespace forms {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Whether a number written as `digits` (integer and fraction digits, without
// the point) with `point_position` digits before the point, scaled by 10 to
// `exponent`, is at least one: tells overflow from underflow when the value
// does not fit a double.
bool MagnitudeAtLeastOne(std::string_view digits, int64_t point_position,
                         int64_t exponent) {
  size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) return false;
  return point_position - static_cast<int64_t>(first) + exponent > 0;
}

}  // namespace

double NumericPrefix(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  std::string digits;
  int64_t point_position = 0;
  while (i < text.size() && IsDigit(text[i])) digits += text[i++];
  point_position = static_cast<int64_t>(digits.size());
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) digits += text[i++];
  }
  if (digits.empty()) return 0;

  int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    bool exponent_negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      exponent_negative = text[j] == '-';
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      // Far beyond any double's range; saturating keeps the sum below exact
      // enough to tell overflow from underflow.
      constexpr int64_t kExponentCap = 1'000'000'000;
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (text[j] - '0');
      }
      if (exponent_negative) exponent = -exponent;
    }
  }

  // strtod reads the decimal point of the locale in force; every toolchain
  // of ours has it (not all have from_chars for doubles).
  std::string normal = digits.substr(0, point_position);
  normal += std::localeconv()->decimal_point;
  normal += digits.substr(point_position);
  normal += 'e';
  normal += std::to_string(exponent);
  errno = 0;
  double value = std::strtod(normal.c_str(), nullptr);
  if (errno == ERANGE) {
    value = MagnitudeAtLeastOne(digits, point_position, exponent)
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  }
  return negative ? -value : value;
}

int16_t DoubleToI2(double value) {
  // Anything outside this window cannot round into range (and NaN fails
  // both comparisons).
  if (!(value > -32769.0 && value < 32768.0)) RaiseOverflow();
  double floor = std::floor(value);
  double fraction = value - floor;
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
    rounded = floor + 1.0;
  }
  if (rounded < -32768.0 || rounded > 32767.0) RaiseOverflow();
  return static_cast<int16_t>(rounded);
}

}  // namespace forms
