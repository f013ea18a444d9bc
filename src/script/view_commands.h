#pragma once
#include <functional>
#include <string>

namespace sw4 {

class LineCursor;
class ScriptEngine;
class WorldView;

// view classic | view Z X Y | view follow B [Z] | view fit: how `shot` and clips show the world.
std::function<void()> viewCommand(ScriptEngine& e, LineCursor& c);
// The `view` line that sets a view as `view` stands now: classic, followed or a zoom and centre.
std::string viewLine(const WorldView& view);
// shot FILE: the view as a PNG at the drawing's device pixels, written as `png` writes.
std::function<void()> shotCommand(ScriptEngine& e, LineCursor& c);

}  // namespace sw4
