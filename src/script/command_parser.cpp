#include "script/command_parser.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "model/fs4.h"
#include "model/sim.h"
#include "program/program.h"
#include "script/control_items.h"
#include "script/items.h"
#include "script/line_cursor.h"
#include "script/png_writer.h"
#include "script/script_engine.h"
#include "script/script_error.h"
#include "script/script_numbers.h"
#include "script/view_commands.h"

namespace sw4 {

namespace {

constexpr std::int64_t kCountMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kSizeMax = ScriptEngine::kMaxSurfacePixels * Surface::kTwipsPerLogicalPixel;
constexpr double kScaleMax = 8;

std::string_view need(LineCursor& c, std::string_view command, std::string_view what) {
  const std::string_view w = c.word();
  if (w.empty()) throw ScriptError(std::string(command) + " needs " + std::string(what));
  return w;
}

void noMore(const LineCursor& c, std::string_view command) {
  if (!c.atEnd()) throw ScriptError("too many arguments for " + std::string(command));
}

Control& controlOfKind(ScriptEngine& e, std::string_view token, Kind kind,
                       std::string_view kindName) {
  Control& c = resolveControl(e.sim().form, token);
  if (c.kind() != kind) throw ScriptError(c.fullName() + " is not " + std::string(kindName));
  return c;
}

// click, dblclick, leave: one control.
std::function<void()> controlEvent(ScriptEngine& e, LineCursor& c, std::string_view command) {
  Control& ctl = resolveControl(e.sim().form, need(c, command, "a control"));
  noMore(c, command);
  if (command == "click") return [&ctl] { ctl.userClick(); };
  if (command == "dblclick") return [&ctl] { ctl.raise(Event::DblClick); };
  return [&ctl] { ctl.raise(Event::LostFocus); };
}

std::function<void()> sizeCommand(ScriptEngine& e, LineCursor& c) {
  const auto w = static_cast<int>(parseInteger(need(c, "size", "W H"), 0, kSizeMax, "size W"));
  const auto h = static_cast<int>(parseInteger(need(c, "size", "W H"), 0, kSizeMax, "size H"));
  noMore(c, "size");
  return [&e, w, h] { e.resize(w, h, e.scale()); };
}

// The surface of a high-density screen: R device pixels a logical pixel.
std::function<void()> scaleCommand(ScriptEngine& e, LineCursor& c) {
  const double r = parseDouble(need(c, "scale", "a ratio"), "scale");
  noMore(c, "scale");
  if (!(r > 0 && r <= kScaleMax)) throw ScriptError("scale must be above 0 and at most 8");
  return [&e, r] { e.resize(e.sim().widthTwips(), e.sim().heightTwips(), r); };
}

// expect ITEM=VALUE: VALUE is everything after the first '=', blanks included.
std::function<void()> expectCommand(ScriptEngine& e, LineCursor& c) {
  const std::string_view rest = c.restFromNextWord();
  const auto eq = rest.find('=');
  if (rest.empty() || eq == std::string_view::npos || eq == 0)
    throw ScriptError("expect needs ITEM=VALUE");
  const std::string name(rest.substr(0, eq));
  const std::string wanted(rest.substr(eq + 1));
  const Item item = e.item(name);
  return [&e, item, name, wanted] {
    const std::string got = item.read();
    if (got != wanted) throw ScriptError("expected " + name + "=" + wanted + ", got " + got, 3);
    if (name == "WorldHash") e.checkpointHeld();
  };
}

std::function<void()> textCommand(ScriptEngine& e, LineCursor& c) {
  Control& ctl = controlOfKind(e, need(c, "text", "a text field"), Kind::TextBox, "a text field");
  std::string typed(c.restAfterOneBlank());
  return [&ctl, typed] { ctl.setText(typed); };
}

std::function<void()> scrollCommand(ScriptEngine& e, LineCursor& c) {
  Control& ctl =
      controlOfKind(e, need(c, "scroll", "a scroll bar"), Kind::ScrollBar, "a scroll bar");
  const auto v =
      static_cast<int>(parseInteger(need(c, "scroll", "a value"), -32768, 32767, "scroll value"));
  noMore(c, "scroll");
  return [&ctl, v] { ctl.setValue(v); };
}

std::function<void()> fireCommand(ScriptEngine& e, LineCursor& c) {
  Control& timer = controlOfKind(e, need(c, "fire", "a timer"), Kind::Timer, "a timer");
  const std::string_view count = c.word();
  const std::int64_t n = count.empty() ? 1 : parseInteger(count, 0, kCountMax, "fire count");
  noMore(c, "fire");
  return [&e, &timer, n] { e.fire(timer, n); };
}

std::function<void()> advanceCommand(ScriptEngine& e, LineCursor& c) {
  const std::int64_t ms = parseInteger(need(c, "advance", "milliseconds"), 0, kCountMax, "advance");
  noMore(c, "advance");
  return [&e, ms] { e.advance(ms); };
}

std::function<void()> duringCommand(ScriptEngine& e, LineCursor& c, std::int64_t lineNo,
                                    bool nested) {
  if (nested) throw ScriptError("during cannot hold another during");
  const auto body =
      static_cast<int>(parseInteger(need(c, "during", "a body"), 0, kMaxBody, "during body"));
  const std::string_view rest = c.restFromNextWord();
  if (rest.empty()) throw ScriptError("during needs a command");
  std::function<void()> command = parseCommand(e, rest, lineNo, true);
  return [&e, body, command, lineNo] { e.queueDuring(body, command, lineNo); };
}

std::function<void()> setCommand(ScriptEngine& e, LineCursor& c) {
  const std::string_view token = need(c, "set", "an item");
  const Item item = e.item(token);
  const std::string_view value = need(c, "set", "a value");
  noMore(c, "set");
  if (!item.prepareSet) throw ScriptError(quoted(token) + " is read-only");
  // No event tells of the change: the timeline keeps the state after it.
  return [&e, store = item.prepareSet(value)] {
    store();
    ++e.sim().outsideEdits;
  };
}

std::function<void()> printCommand(ScriptEngine& e, LineCursor& c) {
  std::vector<std::pair<std::string, Item>> items;
  for (std::string_view w = c.word(); !w.empty(); w = c.word())
    items.emplace_back(std::string(w), e.item(w));
  if (items.empty()) throw ScriptError("print needs an item");
  return [&e, items] {
    for (const auto& [name, item] : items) e.out() << name << '=' << item.read() << '\n';
  };
}

std::function<void()> pngCommand(ScriptEngine& e, LineCursor& c) {
  const std::string_view named = c.restTrimmed();
  if (named.empty()) throw ScriptError("png needs a file name");
  if (named.find('\0') != std::string::npos) throw ScriptError("png: a file name cannot hold NUL");
  const std::string path = e.output().resolve(named);
  return [&e, path] {
    if (e.sim().surface.widthPixels() == 0 || e.sim().surface.heightPixels() == 0)
      throw ScriptError("png: the drawing area is empty");
    e.output().checkWritable(path);
    errno = 0;
    if (!writePng(path, e.sim().surface))
      throw ScriptError("png: cannot write " + quoted(path) + ": " +
                        (errno != 0 ? std::strerror(errno) : "the write failed"));
    e.output().wrote(path);
  };
}

// rewind T: back to position T of the session.
std::function<void()> rewindCommand(ScriptEngine& e, LineCursor& c, bool nested) {
  if (nested) throw ScriptError("rewind cannot run inside a tick");
  const std::int64_t t = parseInteger(need(c, "rewind", "a position"), 0,
                                      std::numeric_limits<std::int64_t>::max(), "rewind position");
  noMore(c, "rewind");
  return [&e, t] { e.rewind(t); };
}

}  // namespace

std::function<void()> parseCommand(ScriptEngine& e, std::string_view line, std::int64_t lineNo,
                                   bool nested) {
  LineCursor c(line);
  const std::string_view command = c.word();
  if (command == "size") return sizeCommand(e, c);
  if (command == "text") return textCommand(e, c);
  if (command == "leave" || command == "click" || command == "dblclick")
    return controlEvent(e, c, command);
  if (command == "scroll") return scrollCommand(e, c);
  if (command == "fire") return fireCommand(e, c);
  if (command == "advance") return advanceCommand(e, c);
  if (command == "during") return duringCommand(e, c, lineNo, nested);
  if (command == "set") return setCommand(e, c);
  if (command == "print") return printCommand(e, c);
  if (command == "png") return pngCommand(e, c);
  if (command == "new") {
    noMore(c, "new");
    return [&e] { newRun(e.sim()); };
  }
  if (command == "scale") return scaleCommand(e, c);
  if (command == "rewind") return rewindCommand(e, c, nested);
  if (command == "expect") return expectCommand(e, c);
  if (command == "view") return viewCommand(e, c);
  if (command == "shot") return shotCommand(e, c);
  throw ScriptError("unknown command " + quoted(command));
}

}  // namespace sw4
