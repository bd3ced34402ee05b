#include "forms/core/conversions.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "forms/core/runtime_error.h"
#include "forms/core/units.h"
#include "forms/core/variant.h"
#include "gtest/gtest.h"

namespace forms {
namespace {

ErrorCode ErrorOf(auto&& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.code();
  }
  ADD_FAILURE() << "no run-time error";
  return ErrorCode::kControlCallFailed;
}

TEST(NumericPrefixTest, ReadsTheNumberAtTheStartOfOddTexts) {
  using namespace std::string_view_literals;
  const std::pair<std::string_view, double> cases[] = {
      {"4", 4},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"12abc", 12},
      {" \t\r\n 7", 7},
      {"-3", -3},
      {"+3", 3},
      {"-", 0},
      {"--3", 0},
      {"2.5x", 2.5},
      {".5", 0.5},
      {"5.", 5},
      {".", 0},
      {"1e3", 1000},
      {"1.5E-1", 0.15},
      {"2e", 2},
      {"2e+", 2},
      {"3 4", 3},
      {"\xD0\xB4"
       "5",
       0},               // a Cyrillic letter first
      {"6\xFF\xFE", 6},  // invalid UTF-8 after the number
      {"8\0"
       "9"sv,
       8},  // a NUL ends the number
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(NumericPrefix(text), value) << "text: " << text;
  }
}

TEST(NumericPrefixTest, StaysExactOrSaturatesOnExtremeTexts) {
  EXPECT_EQ(NumericPrefix(std::string(400, '0') + "3"), 3.0);
  EXPECT_EQ(NumericPrefix("0." + std::string(400, '0') + "1e401"), 1.0);
  EXPECT_EQ(NumericPrefix(std::string(400, '9')),
            std::numeric_limits<double>::infinity());
  EXPECT_EQ(NumericPrefix("-1e999999999999999999999"),
            -std::numeric_limits<double>::infinity());
  EXPECT_EQ(NumericPrefix("1e-999999999999999999999"), 0.0);
  EXPECT_EQ(NumericPrefix("0e999999"), 0.0);
  // Reads only the view it is given, not what follows in memory.
  std::string backing = "12345";
  EXPECT_EQ(NumericPrefix(std::string_view(backing.data(), 2)), 12.0);
}

TEST(DoubleToI2Test, RoundsHalfToEven) {
  const std::pair<double, int16_t> cases[] = {
      {0.5, 0},   {1.5, 2},   {2.5, 2},    {-0.5, 0},   {-1.5, -2},
      {-2.5, -2}, {-2.6, -3}, {2.4999, 2}, {2.5001, 3},
  };
  for (const auto& [value, rounded] : cases) {
    EXPECT_EQ(DoubleToI2(value), rounded) << value;
  }
}

TEST(DoubleToI2Test, OverflowsOutsideTheSixteenBitRangeAfterRounding) {
  EXPECT_EQ(DoubleToI2(32767.0), 32767);
  EXPECT_EQ(DoubleToI2(32767.4), 32767);
  EXPECT_EQ(DoubleToI2(-32768.0), -32768);
  EXPECT_EQ(DoubleToI2(-32768.5), -32768);
  for (double value : {32767.5, 32768.0, -32768.6, -32769.0, 1e300,
                       std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(ErrorOf([&] { DoubleToI2(value); }), ErrorCode::kOverflow)
        << value;
  }
}

TEST(VariantTest, ConvertsAndComparesLikeTheRuntime) {
  EXPECT_EQ(VariantToI2(Variant::Integer(-1)), -1);
  EXPECT_EQ(VariantToI2(Variant::Double(3.5)), 4);
  EXPECT_EQ(VariantToI2(Variant::Boolean(true)), -1);
  EXPECT_EQ(VariantToI2(Variant()), 0);
  EXPECT_EQ(ErrorOf([] { VariantToI2(Variant::Double(40000)); }),
            ErrorCode::kOverflow);
  EXPECT_EQ(ErrorOf([] { VariantToI2(Variant::Null()); }),
            ErrorCode::kInvalidUseOfNull);

  const Variant minus_one = Variant::Integer(-1), zero = Variant::Integer(0);
  EXPECT_TRUE(VariantIsTrue(VariantLess(minus_one, zero)));
  EXPECT_FALSE(VariantIsTrue(VariantLess(zero, zero)));
  EXPECT_EQ(VariantLess(Variant::Null(), zero).type(), Variant::Type::kNull);
  EXPECT_FALSE(VariantIsTrue(Variant::Null()));
  EXPECT_FALSE(VariantIsTrue(Variant()));
}

TEST(VariantTest, OrFollowsThreeValuedLogic) {
  const Variant t = Variant::Boolean(true), f = Variant::Boolean(false),
                null = Variant::Null();
  EXPECT_TRUE(VariantIsTrue(VariantOr(f, t)));
  EXPECT_TRUE(VariantIsTrue(VariantOr(t, f)));
  EXPECT_FALSE(VariantIsTrue(VariantOr(f, f)));
  EXPECT_TRUE(VariantIsTrue(VariantOr(null, t)));
  EXPECT_EQ(VariantOr(null, f).type(), Variant::Type::kNull);
  EXPECT_EQ(VariantOr(f, null).type(), Variant::Type::kNull);
}

TEST(VariantTest, EqualityOfIntegerAndDoubleIsNumeric) {
  EXPECT_TRUE(VariantEqualsDouble(3, 3.0));
  EXPECT_FALSE(VariantEqualsDouble(3, 3.0000001));
  EXPECT_FALSE(VariantEqualsDouble(0, std::nan("")));
}

TEST(UnitsTest, TwipsAndPointsBecomePixelsAtTheLogicalDpi) {
  EXPECT_EQ(TwipsToPixels(7905, 96), 527);
  EXPECT_EQ(TwipsToPixels(5175, 96), 345);
  EXPECT_EQ(TwipsToPixels(7, 96), 0);
  EXPECT_EQ(TwipsToPixels(8, 96), 1);  // 0.53 rounds up
  EXPECT_EQ(TwipsToPixels(7905, 144), 791);
  EXPECT_EQ(PointsToPixels(12, 96), 16);
  EXPECT_EQ(PointsToPixels(12, 120), 20);
  EXPECT_EQ(StoredColorToRgb(0x0080C0FF), (Rgb{255, 192, 128}));
}

TEST(RuntimeErrorTest, StatusesBecomeNumberedErrorsWithABulgarianReport) {
  EXPECT_NO_THROW(CheckStatus(CallStatus::kOk));
  EXPECT_EQ(ErrorOf([] { CheckStatus(CallStatus::kFailed); }),
            ErrorCode::kControlCallFailed);
  EXPECT_EQ(ErrorOf([] { CheckStatus(CallStatus::kNoSuchControl); }),
            ErrorCode::kNoSuchControl);
  EXPECT_EQ(ErrorOf([] { CheckStatus(CallStatus::kRowOutOfRange); }),
            ErrorCode::kRowOutOfRange);
  EXPECT_EQ(ErrorOf([] { RaiseOverflow(); }), ErrorCode::kOverflow);
  EXPECT_EQ(FormatErrorReport(RuntimeError(ErrorCode::kOverflow)),
            "Грешка при изпълнение 4: препълване");
}

}  // namespace
}  // namespace forms
