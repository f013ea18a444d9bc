#include "platform/readings.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/fault.h"

namespace sw4 {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the number pattern at the start of s (0 when there is none).
std::size_t numberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expStart = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > expStart) i = j;
  }
  return i;
}

// Converts a matched number; out-of-range magnitudes saturate (huge) or vanish (tiny).
double convert(std::string_view num, bool* overflow) {
  const char* first = num.data();
  const char* last = num.data() + num.size();
  const bool negative = *first == '-';
  if (*first == '+' || *first == '-') ++first;
  double v = 0;
  const auto res = std::from_chars(first, last, v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Decide between overflow and underflow by the decimal exponent's size.
    const double probe = std::strtod(std::string(first, last).c_str(), nullptr);
    if (std::isinf(probe)) {
      if (overflow) *overflow = true;
      v = DBL_MAX;
    } else {
      v = probe;
    }
  }
  return negative ? -v : v;
}

}  // namespace

double readLenient(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  const std::string_view rest = text.substr(i);
  const std::size_t n = numberLength(rest);
  if (n == 0) return 0.0;
  return convert(rest.substr(0, n), nullptr);
}

std::optional<double> readStrict(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  const std::string_view core = text.substr(b, e - b);
  if (core.empty() || numberLength(core) != core.size()) return std::nullopt;
  bool overflow = false;
  const double v = convert(core, &overflow);
  if (overflow) return std::nullopt;
  return v;
}

double roundHalfEven(double x) {
  return std::nearbyint(x);
}

std::int16_t CInt(double x) {
  const double r = roundHalfEven(x);
  if (!(r >= -32768.0 && r <= 32767.0)) throw Fault("overflow");
  return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double x) {
  const double r = roundHalfEven(x);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw Fault("overflow");
  return static_cast<std::int32_t>(r);
}

std::int16_t CIntSaturated(double x) {
  if (std::isnan(x)) return 0;
  const double r = roundHalfEven(x);
  if (r < -32768.0) return -32768;
  if (r > 32767.0) return 32767;
  return static_cast<std::int16_t>(r);
}

std::int32_t CLngSaturated(double x) {
  if (std::isnan(x)) return 0;
  const double r = roundHalfEven(x);
  if (r < -2147483648.0) return INT32_MIN;
  if (r > 2147483647.0) return INT32_MAX;
  return static_cast<std::int32_t>(r);
}

std::int16_t CInt(std::string_view text) {
  const auto v = readStrict(text);
  if (!v) throw Fault("type mismatch: \"" + std::string(text) + "\"");
  return CInt(*v);
}

std::string formatG(double x) {
  if (x == 0) return "0";
  // At 15 digits the largest Doubles would round up past the Double range and never read back:
  // they are written as the largest 15-digit number within it.
  constexpr double kLargest = 1.79769313486231e308;
  if (x > kLargest) x = kLargest;
  if (x < -kLargest) x = -kLargest;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", x);
  return buf;
}

std::string formatFixed(double x, int decimals) {
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
  std::string s = buf;
  if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string formatUpTo(double x, int decimals) {
  std::string s = formatFixed(x, decimals);
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

std::string formatDouble(double x) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17G", x);
  return buf;
}

std::string formatBool(bool b) {
  return b ? "True" : "False";
}

}  // namespace sw4
