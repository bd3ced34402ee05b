#ifndef TROVANEL_FORMS_CORE_CONVERSIONS_H_
#define TROVANEL_FORMS_CORE_CONVERSIONS_H_

#include <cstdint>
#include <string_view>

namespace forms {

// The value of the number at the start of a text: leading blanks, a sign,
// digits, a decimal point, an exponent. No number gives 0. Never throws,
// never reads past the text; a number too large for a double gives infinity.
double NumericPrefix(std::string_view text);

// Rounds half to even; an overflow run-time error outside -32768..32767
// (checked after rounding) or for a value that is not a number.
int16_t DoubleToI2(double value);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_CONVERSIONS_H_
