// Reading a setup: the whole file is checked before anything is applied.
#include <charconv>

#include "platform/regular_file.h"
#include "setup/setup.h"

namespace sw4 {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// Words as sw4-script splits them: separated by blanks, every other byte part of a word.
class Words {
 public:
  explicit Words(std::string_view line) : s_(line) {}
  std::string_view next() {
    while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < s_.size() && !isBlank(s_[pos_])) ++pos_;
    return s_.substr(start, pos_ - start);
  }
  // What follows the last word after exactly one blank: a typed text.
  std::string_view restAfterOneBlank() {
    return pos_ < s_.size() ? s_.substr(pos_ + 1) : std::string_view{};
  }
  bool atEnd() {
    const std::size_t keep = pos_;
    const bool end = next().empty();
    pos_ = keep;
    return end;
  }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
};

// A message may quote what the file holds: printable ASCII only, and not too much of it.
std::string shown(std::string_view token) {
  std::string s = "\"";
  for (std::size_t i = 0; i < token.size() && i < 40; ++i) {
    const auto c = static_cast<unsigned char>(token[i]);
    s += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
  }
  if (token.size() > 40) s += "...";
  return s + "\"";
}

// "TXn" or "TXg(2)": the control, or null.
const Control* findControl(const FormControls& form, std::string_view token) {
  const auto open = token.find('(');
  if (open == std::string_view::npos) return form.find(token);
  if (open == 0 || token.back() != ')') return nullptr;
  const std::string_view digits = token.substr(open + 1, token.size() - open - 2);
  int index = -1;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || index < 0)
    return nullptr;
  return form.find(token.substr(0, open), index);
}

struct Refused {
  std::string message;
};

SetupStep readLine(std::string_view line, const FormControls& form) {
  Words words(line);
  const std::string_view command = words.next();
  SetupStep step;
  if (command == "text") {
    step.action = SetupStep::Action::Text;
  } else if (command == "click") {
    step.action = SetupStep::Action::Click;
  } else {
    throw Refused{shown(command) + " cannot stand in a setup: it holds only text and click lines"};
  }
  const std::string_view name = words.next();
  if (name.empty()) throw Refused{std::string(command) + " needs a control"};
  const Control* c = findControl(form, name);
  if (!c) throw Refused{"unknown control " + shown(name)};
  step.control = c->fullName();
  if (!inSetup(*c))
    throw Refused{"a setup cannot " + std::string(command) + " " + step.control +
                  ": it holds only the general fields, check boxes and options"};
  if (step.action == SetupStep::Action::Text) {
    if (c->kind() != Kind::TextBox) throw Refused{step.control + " is not a text field"};
    step.text = words.restAfterOneBlank();
    return step;
  }
  if (c->kind() == Kind::TextBox)
    throw Refused{step.control + " is a text field: a setup types into it (text)"};
  if (!words.atEnd()) throw Refused{"too many words for " + std::string(command)};
  return step;
}

}  // namespace

SetupReading readSetup(std::string_view content, const FormControls& form) {
  SetupReading r;
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);  // a byte-order mark
  int lineNo = 0;
  while (!content.empty()) {
    ++lineNo;
    const auto eol = content.find('\n');
    std::string_view line = content.substr(0, eol);
    content = eol == std::string_view::npos ? std::string_view{} : content.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    try {
      if (lineNo > kSetupMaxLines)
        throw Refused{"a setup holds at most " + std::to_string(kSetupMaxLines) + " lines"};
      if (line.find('\r') != std::string_view::npos)
        throw Refused{"a CR ends a line here: lines end with LF or CR LF"};
      Words probe(line);
      const std::string_view first = probe.next();
      if (first.empty() || first.front() == '#') continue;
      SetupStep step = readLine(line, form);
      step.line = lineNo;
      r.steps.push_back(std::move(step));
    } catch (const Refused& e) {
      r.steps.clear();
      r.error = SetupError{lineNo, e.message};
      return r;
    }
  }
  return r;
}

SetupReading readSetupFile(const std::string& path, const FormControls& form) {
  const FileContent file = readRegularFile(path, kSetupMaxBytes);
  if (!file.error.empty()) return {{}, SetupError{0, file.error}};
  return readSetup(file.content, form);
}

std::string describe(const SetupError& e, std::string_view file) {
  if (e.line == 0) return std::string(file) + ": " + e.message;
  return std::string(file) + ", line " + std::to_string(e.line) + ": " + e.message;
}

}  // namespace sw4
