#pragma once
// Setups: the general fields and options of the form kept in a file, as a short driver script
// of the user's actions that gives the same form on a fresh start-up.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

// One line of a setup: a user's action on one control.
struct SetupStep {
  enum class Action { Text, Click };
  Action action = Action::Click;
  std::string control;  // as the form names it: "TXn", "TXg(2)"
  std::string text;     // typed (Text)
  int line = 0;         // in the file
};

struct SetupError {
  int line = 0;  // 0: the file as a whole
  std::string message;
};

struct SetupReading {
  std::vector<SetupStep> steps;
  std::optional<SetupError> error;  // set: nothing may be applied
};

// The largest setup taken: a setup as written holds a line or two a control.
inline constexpr std::size_t kSetupMaxBytes = 1 << 20;
inline constexpr int kSetupMaxLines = 1000;

// What a setup keeps and may change: the general fields (typed) and the check boxes and option
// buttons a user sets before "Go" (clicked), not the inspector's, which describe one body of a
// running system.
bool inSetup(const Control& c);

// Checks every line against the form before anything is applied. A setup holds only `text`
// lines for its fields and `click` lines for its check boxes and options (read as sw4-script
// reads them), comments and blank lines, at most kSetupMaxLines lines; a UTF-8 byte-order mark
// may begin it, and lines end with LF or CR LF. The first line that breaks a rule is the error.
SetupReading readSetup(std::string_view content, const FormControls& form);
// The same for a file; a file that cannot be read, is not a regular file or is larger than
// kSetupMaxBytes is an error of line 0.
SetupReading readSetupFile(const std::string& path, const FormControls& form);

// New, then every step as the user's action, in order; between ticks.
void applySetup(Sim& sim, std::vector<SetupStep> steps);

// The setup of the form as it stands: a header comment, then `text` and `click` lines that,
// run on a fresh start-up, give the same general fields, check boxes and option buttons.
std::string writeSetup(const Sim& sim);

// "FILE, line N: message" (or "FILE: message" for line 0).
std::string describe(const SetupError& e, std::string_view file);

}  // namespace sw4
