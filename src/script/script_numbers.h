#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace sw4 {

// Reading and writing the numbers of a driver script. Every reader takes the whole token and
// raises ScriptError naming `what` when the token is not such a number.

// A whole decimal number (optional sign) within lo..hi.
std::int64_t parseInteger(std::string_view token, std::int64_t lo, std::int64_t hi,
                          std::string_view what);
// A finite decimal number.
double parseDouble(std::string_view token, std::string_view what);
// True or False (any case), or a whole number where anything but 0 is true.
bool parseBool(std::string_view token, std::string_view what);

// A token as it may appear in a message: quoted, bytes outside printable ASCII escaped as \xNN
// and cut after 40 characters.
std::string quoted(std::string_view token);

}  // namespace sw4
