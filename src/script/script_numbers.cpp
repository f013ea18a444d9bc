#include "script/script_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "script/script_error.h"

namespace sw4 {

namespace {

// from_chars takes no leading plus sign; a script may write one.
std::string_view withoutPlus(std::string_view t) {
  if (t.size() > 1 && t[0] == '+' && t[1] != '-' && t[1] != '+') t.remove_prefix(1);
  return t;
}

[[noreturn]] void notA(std::string_view kind, std::string_view token, std::string_view what) {
  throw ScriptError(std::string(what) + ": " + quoted(token) + " is not " + std::string(kind));
}

}  // namespace

std::int64_t parseInteger(std::string_view token, std::int64_t lo, std::int64_t hi,
                          std::string_view what) {
  const std::string_view t = withoutPlus(token);
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size())
    notA("a whole number", token, what);
  if (v < lo || v > hi) {
    throw ScriptError(std::string(what) + ": " + quoted(token) + " is outside " +
                      std::to_string(lo) + ".." + std::to_string(hi));
  }
  return v;
}

double parseDouble(std::string_view token, std::string_view what) {
  const std::string_view t = withoutPlus(token);
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v))
    notA("a finite number", token, what);
  return v;
}

bool parseBool(std::string_view token, std::string_view what) {
  auto is = [token](std::string_view word) {
    if (token.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const char c =
          token[i] >= 'A' && token[i] <= 'Z' ? static_cast<char>(token[i] + 32) : token[i];
      if (c != word[i]) return false;
    }
    return true;
  };
  if (is("true")) return true;
  if (is("false")) return false;
  std::int64_t v = 0;
  const std::string_view t = withoutPlus(token);
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size())
    notA("True, False or a whole number", token, what);
  return v != 0;
}

std::string quoted(std::string_view token) {
  constexpr std::size_t kMax = 40;
  std::string s = "\"";
  std::size_t shown = 0;
  for (const char ch : token) {
    if (shown == kMax) {
      s += "...";
      break;
    }
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      s += ch;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      s += buf;
    }
    ++shown;
  }
  s += '"';
  return s;
}

}  // namespace sw4
