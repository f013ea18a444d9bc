#include "platform/readings.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "platform/fault.h"

namespace sw4 {
namespace {

TEST(Readings, LenientTakesTheLongestLeadingNumber) {
  EXPECT_EQ(readLenient("  12abc"), 12);
  EXPECT_EQ(readLenient("-5"), -5);
  EXPECT_EQ(readLenient("+.5x"), 0.5);
  EXPECT_EQ(readLenient("1e3x"), 1000);
  EXPECT_EQ(readLenient("1e"), 1);     // an exponent without digits is not part of the number
  EXPECT_EQ(readLenient("2E-2"), 0.02);
  EXPECT_EQ(readLenient("1.2.3"), 1.2);
  EXPECT_EQ(readLenient("1,5"), 1);
  EXPECT_EQ(readLenient("."), 0);
  EXPECT_EQ(readLenient("-"), 0);
  EXPECT_EQ(readLenient(""), 0);
  EXPECT_EQ(readLenient("abc 5"), 0);
  EXPECT_EQ(readLenient("&H7FFF"), 0);
  EXPECT_EQ(readLenient(std::string_view("7\0 9", 4)), 7);
}

TEST(Readings, LenientNeverLeavesTheFiniteRange) {
  EXPECT_EQ(readLenient("1e999"), DBL_MAX);
  EXPECT_EQ(readLenient("-1e999"), -DBL_MAX);
  EXPECT_EQ(readLenient("1e-999"), 0);
  EXPECT_EQ(readLenient(std::string(400, '9')), DBL_MAX);
  EXPECT_EQ(readLenient("NaN"), 0);
  EXPECT_EQ(readLenient("inf"), 0);
}

TEST(Readings, StrictNeedsTheWholeText) {
  EXPECT_EQ(readStrict(" 5 "), 5.0);
  EXPECT_EQ(readStrict(".05"), 0.05);
  EXPECT_EQ(readStrict("-1E-09"), -1e-9);
  EXPECT_FALSE(readStrict("5a"));
  EXPECT_FALSE(readStrict(""));
  EXPECT_FALSE(readStrict("   "));
  EXPECT_FALSE(readStrict("-"));
  EXPECT_FALSE(readStrict("1e999"));
  EXPECT_FALSE(readStrict("1,5"));
  EXPECT_FALSE(readStrict("NaN"));
  EXPECT_FALSE(readStrict(std::string_view("7\0", 2)));
}

TEST(Readings, IntegerConversionsRoundHalfToEven) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(-32768.5), -32768);
  EXPECT_THROW(CInt(32767.5), Fault);
  EXPECT_THROW(CInt(std::nan("")), Fault);
  EXPECT_THROW(CInt("12x"), Fault);
  EXPECT_EQ(CInt(" 7.5 "), 8);
  EXPECT_EQ(CLng(14.5), 14);
  EXPECT_EQ(CLng(15.5), 16);
  EXPECT_THROW(CLng(3e9), Fault);
  EXPECT_EQ(CIntSaturated(1e9), 32767);
  EXPECT_EQ(CIntSaturated(-1e9), -32768);
  EXPECT_EQ(CLngSaturated(std::nan("")), 0);
  EXPECT_EQ(Int(-0.5), -1);
}

TEST(Readings, GeneralNumericForm) {
  EXPECT_EQ(formatG(0.000000001), "1E-09");
  EXPECT_EQ(formatG(355.0 / 113.0), "3.14159292035398");
  EXPECT_EQ(formatG(0.1 + 0.2), "0.3");
  EXPECT_EQ(formatG(1e15), "1E+15");
  EXPECT_EQ(formatG(123456789012345.0), "123456789012345");
  EXPECT_EQ(formatG(-0.0), "0");
  EXPECT_EQ(formatG(2.6), "2.6");
  EXPECT_EQ(formatG(-32767), "-32767");
}

TEST(Readings, GeneralFormOfTheLargestDoublesReadsBack) {
  // At 15 digits the top of the Double range would round up past it.
  EXPECT_EQ(formatG(DBL_MAX), "1.79769313486231E+308");
  EXPECT_EQ(formatG(-DBL_MAX), "-1.79769313486231E+308");
  EXPECT_EQ(formatG(1.7976931348623e308), "1.7976931348623E+308");
  for (double x : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308}) {
    const auto back = readStrict(formatG(x));
    ASSERT_TRUE(back) << formatG(x);
    EXPECT_NEAR(*back / x, 1.0, 1e-14);
  }
}

TEST(Readings, FixedPatterns) {
  EXPECT_EQ(formatFixed(75, 12), "75.000000000000");
  EXPECT_EQ(formatFixed(0, 12), "0.000000000000");
  EXPECT_EQ(formatFixed(-0.0000000000001, 12), "0.000000000000");
  EXPECT_EQ(formatUpTo(0.0001, 16), "0.0001");
  EXPECT_EQ(formatUpTo(2000, 16), "2000");
  EXPECT_EQ(formatUpTo(0.5, 16), "0.5");
}

}  // namespace
}  // namespace sw4
