#include "forms/core/variant.h"

#include "forms/core/conversions.h"
#include "forms/core/runtime_error.h"

namespace forms {

Variant Variant::Null() { return {Type::kNull, 0}; }
Variant Variant::Boolean(bool value) {
  return {Type::kBoolean, value ? -1.0 : 0.0};
}
Variant Variant::Integer(int16_t value) {
  return {Type::kInteger, static_cast<double>(value)};
}
Variant Variant::Double(double value) { return {Type::kDouble, value}; }

double Variant::AsDouble() const { return value_; }

int16_t VariantToI2(const Variant& value) {
  if (value.type() == Variant::Type::kNull) {
    throw RuntimeError(ErrorCode::kInvalidUseOfNull);
  }
  return DoubleToI2(value.AsDouble());
}

Variant VariantLess(const Variant& left, const Variant& right) {
  if (left.type() == Variant::Type::kNull ||
      right.type() == Variant::Type::kNull) {
    return Variant::Null();
  }
  return Variant::Boolean(left.AsDouble() < right.AsDouble());
}

Variant VariantOr(const Variant& left, const Variant& right) {
  bool left_null = left.type() == Variant::Type::kNull;
  bool right_null = right.type() == Variant::Type::kNull;
  if ((!left_null && VariantIsTrue(left)) ||
      (!right_null && VariantIsTrue(right))) {
    return Variant::Boolean(true);
  }
  if (left_null || right_null) return Variant::Null();
  return Variant::Boolean(false);
}

bool VariantIsTrue(const Variant& value) {
  return value.type() != Variant::Type::kNull && value.AsDouble() != 0;
}

bool VariantEqualsDouble(int16_t left, double right) {
  return static_cast<double>(left) == right;
}

}  // namespace forms
