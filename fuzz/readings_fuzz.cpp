// libFuzzer target: the lenient and strict readings of field texts, CInt / CLng and the number
// forms written back into fields. Any byte string: no crash, every reading finite, a strict
// reading agrees with the lenient one, and the general form of a number reads back strictly to
// the same number within 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/fault.h"
#include "platform/readings.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text, double x) {
  std::fprintf(stderr, "readings_fuzz: %s (x = %.17g, text of %zu bytes)\n", what, x, text.size());
  std::abort();
}

void conversions(double x) {
  try {
    const std::int16_t i = sw4::CInt(x);
    if (!(std::fabs(x - i) <= 0.5)) fail("CInt is not the nearest whole number", {}, x);
  } catch (const sw4::Fault&) {
    if (x >= -32768.5 && x <= 32767.5 && !(x == 32767.5))
      fail("CInt refused a 16-bit value", {}, x);
  }
  try {
    const std::int32_t l = sw4::CLng(x);
    if (!(std::fabs(x - l) <= 0.5)) fail("CLng is not the nearest whole number", {}, x);
  } catch (const sw4::Fault&) {
    if (x >= -2147483648.5 && x < 2147483647.5) fail("CLng refused a 32-bit value", {}, x);
  }
  const std::int16_t si = sw4::CIntSaturated(x);
  const std::int32_t sl = sw4::CLngSaturated(x);
  if (std::isnan(x) && (si != 0 || sl != 0)) fail("saturated NaN is not 0", {}, x);
}

// The general form of x reads back strictly as x, to 15 significant digits.
void roundTrip(double x) {
  if (!std::isfinite(x)) return;
  const std::string g = sw4::formatG(x);
  const auto back = sw4::readStrict(g);
  if (!back) fail(("general form does not read back: " + g).c_str(), g, x);
  if (!(std::fabs(*back - x) <= std::fabs(x) * 1e-14)) fail("general form drifts", g, x);
  if (sw4::readLenient(g) != *back) fail("lenient reading of the general form differs", g, x);
  for (int decimals : {0, 12, 16}) {
    const std::string f = sw4::formatFixed(x, decimals);
    const std::string u = sw4::formatUpTo(x, decimals);
    if (!sw4::readStrict(f) || !sw4::readStrict(u)) fail("fixed form does not read back", f, x);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double lenient = sw4::readLenient(text);
  if (!std::isfinite(lenient)) fail("lenient reading is not finite", text, lenient);
  const auto strict = sw4::readStrict(text);
  if (strict) {
    if (!std::isfinite(*strict)) fail("strict reading is not finite", text, *strict);
    if (lenient != *strict) fail("strict and lenient readings differ", text, *strict);
    roundTrip(*strict);
  }
  roundTrip(lenient);
  conversions(lenient);
  try {
    sw4::CInt(text);
  } catch (const sw4::Fault&) {
  }

  // The same bytes as a Double, to reach NaN, infinities and subnormals.
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    conversions(raw);
    roundTrip(raw);
    (void)sw4::formatG(raw);
    (void)sw4::formatUpTo(raw, 16);
  }
  return 0;
}
