#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

namespace sw4 {

class ScriptEngine;

// Reads one command line (not blank, not a comment) and gives the action that carries it out.
// Everything that can be checked without running is checked here, so a mistake is reported at
// its line: ScriptError for an unknown command, control, property or item, a malformed or
// out-of-range number, a missing or extra argument. `nested` is set for the command of a
// `during`, which may not be another `during`.
std::function<void()> parseCommand(ScriptEngine& engine, std::string_view line, std::int64_t lineNo,
                                   bool nested);

}  // namespace sw4
