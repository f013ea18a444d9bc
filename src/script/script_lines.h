#pragma once
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace sw4 {

// Reads a script line by line, holding at most one line of kMaxLineBytes in memory: a file with
// no line end (/dev/zero) stops at the limit. A UTF-8 byte-order mark at the start is skipped;
// lines end with LF, or CR LF (the CR is dropped); a CR anywhere else is a script error, since
// a file of CR-only line ends would otherwise read as one long line.
class ScriptLines {
 public:
  // Well above the longest recorded line: a text field holds at most 32767 characters.
  static constexpr std::size_t kMaxLineBytes = 1 << 20;

  explicit ScriptLines(std::istream& in) : in_(in) {}

  // The next line into `line`; false at the end of the input. ScriptError (at number()) for a
  // line that is too long or holds a lone CR, and with status 1 for a read error.
  bool next(std::string& line);
  // The line last read, from 1.
  std::int64_t number() const { return number_; }
  // Whether the line last read ended with its line end (a crash may cut the last one).
  bool lineEnded() const { return lineEnded_; }

 private:
  std::istream& in_;
  std::int64_t number_ = 0;
  bool lineEnded_ = true;
};

}  // namespace sw4
