#pragma once
#include <functional>

namespace sw4 {

class LineCursor;
class ScriptEngine;

// view classic | view Z X Y | view follow B [Z] | view fit: how `shot` and clips show the world.
std::function<void()> viewCommand(ScriptEngine& e, LineCursor& c);
// shot FILE: the view as a PNG at the drawing's device pixels, written as `png` writes.
std::function<void()> shotCommand(ScriptEngine& e, LineCursor& c);

}  // namespace sw4
