#pragma once
#include <string_view>

namespace sw4 {

// Walks one script line word by word. Words are separated by blanks (spaces and tabs); every
// other byte, NUL and non-ASCII included, belongs to a word.
class LineCursor {
 public:
  explicit LineCursor(std::string_view line) : s_(line) {}

  static bool isBlank(char c) { return c == ' ' || c == '\t'; }

  // The next word, empty when only blanks remain.
  std::string_view word();
  // Whatever follows the last word after exactly one blank (so it may be empty or start with
  // blanks); used for typed text.
  std::string_view restAfterOneBlank();
  // Whatever follows, from its first word on (blanks at the end kept).
  std::string_view restFromNextWord();
  // Whatever follows, without the blanks around it.
  std::string_view restTrimmed();
  bool atEnd() const;

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace sw4
