#pragma once
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw4 {

// Lenient reading: the longest leading decimal number of the text (leading blanks skipped; sign,
// digits, one point, exponent), 0 when there is none. A number beyond the Double range reads as
// the largest finite Double of its sign, so a reading is always finite.
double readLenient(std::string_view text);

// Strict reading: the whole text (blanks around it allowed) must be one finite number.
std::optional<double> readStrict(std::string_view text);

// Round to nearest, halves to even.
double roundHalfEven(double x);

// CInt / CLng: half to even into 16 or 32 bits; a result out of range (or NaN) raises Fault.
std::int16_t CInt(double x);
std::int32_t CLng(double x);
// The same, saturating at the range's ends instead of failing (NaN gives 0).
std::int16_t CIntSaturated(double x);
std::int32_t CLngSaturated(double x);
// CInt of a text, read strictly first.
std::int16_t CInt(std::string_view text);

// Int: round down to a whole number.
inline double Int(double x) {
  return std::floor(x);
}
// Int as an int, for values known to lie well inside the int range (no libm call).
inline int floorToInt(double x) {
  const int i = static_cast<int>(x);
  return i - (x < i);
}

// The general numeric form of numbers written into fields and labels: %.15G, "0" for zero.
std::string formatG(double x);
// A fixed pattern such as "0.000000000000" (12 decimals, at least one digit before the point).
std::string formatFixed(double x, int decimals);
// The pattern "0.################": at least one digit before the point, up to 16 after it.
std::string formatUpTo(double x, int decimals);

// The forms of the driver's items (and the lines a recording checks them with): a Double with 17
// significant digits (%.17G), a Boolean as True or False.
std::string formatDouble(double x);
std::string formatBool(bool b);

}  // namespace sw4
