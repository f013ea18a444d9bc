#include "script/view_commands.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "model/body_slots.h"
#include "platform/png_encoding.h"
#include "platform/readings.h"
#include "script/line_cursor.h"
#include "script/script_engine.h"
#include "script/script_error.h"
#include "script/script_numbers.h"
#include "view/world_view.h"

namespace sw4 {

namespace {

double zoomOf(std::string_view token) {
  const double z = parseDouble(token, "view zoom");
  if (!(z >= WorldView::kMinZoom && z <= WorldView::kMaxZoom))
    throw ScriptError("view zoom must be within 0.0625..64");
  return z;
}

void noMore(const LineCursor& c) {
  if (!c.atEnd()) throw ScriptError("too many arguments for view");
}

}  // namespace

std::function<void()> viewCommand(ScriptEngine& e, LineCursor& c) {
  const std::string_view first = c.word();
  if (first.empty()) throw ScriptError("view needs classic, fit, follow B [Z] or Z X Y");
  WorldView& v = e.view();
  if (first == "classic" || first == "fit") {
    noMore(c);
    if (first == "classic") return [&v] { v.setClassic(); };
    return [&v] { v.fit(); };
  }
  if (first == "follow") {
    const std::string_view b = c.word();
    if (b.empty()) throw ScriptError("view follow needs a body");
    const auto body = static_cast<int>(parseInteger(b, 0, kMaxBody, "view follow body"));
    const std::string_view z = c.word();
    noMore(c);
    if (z.empty()) return [&v, body] { v.follow(body); };
    return [&v, body, zoom = zoomOf(z)] { v.follow(body, zoom); };
  }
  const double zoom = zoomOf(first);
  const std::string_view xs = c.word(), ys = c.word();
  if (ys.empty()) throw ScriptError("view needs Z X Y");
  noMore(c);
  const double x = parseDouble(xs, "view X"), y = parseDouble(ys, "view Y");
  return [&v, zoom, x, y] { v.setView(zoom, x, y); };
}

std::string viewLine(const WorldView& v) {
  if (v.classic()) return "view classic";
  const std::string zoom = formatDouble(v.zoom());
  if (v.followed() >= 0) return "view follow " + std::to_string(v.followed()) + " " + zoom;
  return "view " + zoom + " " + formatDouble(v.centreX()) + " " + formatDouble(v.centreY());
}

std::function<void()> shotCommand(ScriptEngine& e, LineCursor& c) {
  const std::string_view named = c.restTrimmed();
  if (named.empty()) throw ScriptError("shot needs a file name");
  if (named.find('\0') != std::string::npos) throw ScriptError("shot: a file name cannot hold NUL");
  const std::string path = e.output().resolve(named, "shot");
  return [&e, path] {
    const int w = e.sim().surface.widthPixels(), h = e.sim().surface.heightPixels();
    if (w == 0 || h == 0) throw ScriptError("shot: the drawing area is empty");
    e.output().checkWritable(path, "shot");
    const auto picture = e.view().render(w, h);
    errno = 0;
    if (!writePngFile(path, w, h, picture.data(), w))
      throw ScriptError("shot: cannot write " + quoted(path) + ": " +
                        (errno != 0 ? std::strerror(errno) : "the write failed"));
    e.output().wrote(path);
  };
}

}  // namespace sw4
