#include "script/line_cursor.h"

namespace sw4 {

std::string_view LineCursor::word() {
  while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (pos_ < s_.size() && !isBlank(s_[pos_])) ++pos_;
  return s_.substr(start, pos_ - start);
}

std::string_view LineCursor::restAfterOneBlank() {
  if (pos_ < s_.size()) ++pos_;  // the cursor stands on a blank after a word
  const std::string_view rest = s_.substr(pos_);
  pos_ = s_.size();
  return rest;
}

std::string_view LineCursor::restFromNextWord() {
  while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
  const std::string_view rest = s_.substr(pos_);
  pos_ = s_.size();
  return rest;
}

std::string_view LineCursor::restTrimmed() {
  std::string_view rest = s_.substr(pos_);
  pos_ = s_.size();
  while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && isBlank(rest.back())) rest.remove_suffix(1);
  return rest;
}

bool LineCursor::atEnd() const {
  for (std::size_t i = pos_; i < s_.size(); ++i)
    if (!isBlank(s_[i])) return false;
  return true;
}

}  // namespace sw4
