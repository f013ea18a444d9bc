#include "script/script_lines.h"

#include <istream>
#include <string_view>

#include "script/script_error.h"

namespace sw4 {

namespace {
const std::string kLoneCr = "a CR ends a line here: lines end with LF or CR LF";
}  // namespace

bool ScriptLines::next(std::string& line) {
  line.clear();
  lineEnded_ = true;
  std::streambuf* buf = in_.rdbuf();
  using Traits = std::char_traits<char>;
  bool any = false;
  for (;;) {
    Traits::int_type c = Traits::eof();
    try {
      if (buf) c = buf->sbumpc();
    } catch (const std::ios_base::failure& e) {  // a file stream's read error
      ++number_;
      throw ScriptError("read error: " + e.code().message(), 1);
    }
    if (Traits::eq_int_type(c, Traits::eof())) {
      in_.setstate(std::ios::eofbit);
      if (!any) return false;
      lineEnded_ = false;
      break;
    }
    any = true;
    if (Traits::to_char_type(c) == '\n') break;
    if (line.size() == kMaxLineBytes) {
      ++number_;
      throw ScriptError(line.find('\r') != std::string::npos
                            ? kLoneCr
                            : "a line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
    }
    line.push_back(Traits::to_char_type(c));
  }
  ++number_;
  if (number_ == 1 && std::string_view(line).starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.find('\r') != std::string::npos) throw ScriptError(kLoneCr);
  return true;
}

}  // namespace sw4
