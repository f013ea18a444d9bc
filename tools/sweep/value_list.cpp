#include "sweep/value_list.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace sw4::sweep {

namespace {

constexpr std::size_t kMostValues = 100000;

double number(std::string_view s, std::string_view text) {
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
    throw SweepError("not a number: '" + std::string(s) + "' in '" + std::string(text) + "'");
  return v;
}

std::string general(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", v == 0 ? 0.0 : v);  // no "-0"
  return text;
}

std::vector<std::string> split(std::string_view s, char by) {
  std::vector<std::string> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = s.find(by, from);
    parts.emplace_back(s.substr(from, at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

}  // namespace

std::vector<std::string> valueList(std::string_view text) {
  if (text.find_first_of("\t\r\n") != std::string_view::npos)
    throw SweepError("a value cannot hold a tab or a line break");
  if (text.find(':') == std::string_view::npos) {
    std::vector<std::string> values = split(text, ',');
    for (const std::string& v : values)
      if (v.empty()) throw SweepError("an empty value in '" + std::string(text) + "'");
    return values;
  }
  const std::vector<std::string> parts = split(text, ':');
  if (parts.size() > 3)
    throw SweepError("FROM:TO or FROM:TO:COUNT, not '" + std::string(text) + "'");
  const double from = number(parts[0], text), to = number(parts[1], text);
  std::vector<std::string> values;
  if (parts.size() == 2) {
    if (from != std::floor(from) || to != std::floor(to) || to < from ||
        to - from >= static_cast<double>(kMostValues))
      throw SweepError("FROM:TO takes whole numbers, FROM up to TO: '" + std::string(text) + "'");
    for (double v = from; v <= to; ++v) values.push_back(general(v));
    return values;
  }
  const double count = number(parts[2], text);
  if (count < 1 || count != std::floor(count) || count > static_cast<double>(kMostValues))
    throw SweepError("COUNT must be a whole number from 1: '" + std::string(text) + "'");
  const int n = static_cast<int>(count);
  for (int k = 0; k < n; ++k)
    values.push_back(general(n == 1 ? from : from + (to - from) * k / (n - 1)));
  return values;
}

}  // namespace sw4::sweep
