#ifndef TROVANEL_FORMS_CORE_VARIANT_H_
#define TROVANEL_FORMS_CORE_VARIANT_H_

#include <cstdint>

namespace forms {

// The runtime's tagged value, reduced to the types this program can meet.
class Variant {
 public:
  enum class Type { kEmpty, kNull, kBoolean, kInteger, kDouble };

  Variant() = default;
  static Variant Null();
  static Variant Boolean(bool value);
  static Variant Integer(int16_t value);
  static Variant Double(double value);

  Type type() const { return type_; }
  // The numeric value; 0 for empty, null and false, -1 for true.
  double AsDouble() const;

 private:
  Variant(Type type, double value) : type_(type), value_(value) {}

  Type type_ = Type::kEmpty;
  double value_ = 0;
};

// Overflow run-time error outside the signed 16-bit range (after rounding
// half to even); a null is an invalid-use-of-null error.
int16_t VariantToI2(const Variant& value);

// Less-than on numbers; null when either side is null.
Variant VariantLess(const Variant& left, const Variant& right);

// Or on truth values, with three values: true wins over null, null over
// false.
Variant VariantOr(const Variant& left, const Variant& right);

// A condition's truth: non-zero is true, null and empty are false.
bool VariantIsTrue(const Variant& value);

bool VariantEqualsDouble(int16_t left, double right);

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_VARIANT_H_
