#include "qt/key_table.h"

#include <QKeySequence>
#include <QShortcut>
#include <QStringList>
#include <QWidget>

#include "model/control_table.h"

namespace sw4 {

namespace {

using A = KeyAction;
using P = KeyPlace;

// Adding a key: a row here, and its action's code bound where it lives (see Shortcuts).
constexpr KeyRow kKeys[] = {
    {A::Go, "Ctrl+Return|Ctrl+Enter", "\"Go\"", P::Click, ControlId::Command2},
    {A::Pause, "Pause|Ctrl+P", "\"Pause\": pause, or run on", P::Click, ControlId::Command5},
    {A::Clear, "Ctrl+L", "\"Clear\"", P::Click, ControlId::Command4},
    {A::Quit, "Ctrl+Q", "Quit, as \"X\"", P::Click, ControlId::Command1},
    {A::FullScreen, "F11", "full screen, or back", P::Window},
    {A::Help, "F1", "this help, or close it", P::Window},
    {A::CloseHelp, "Escape", "close this help", P::Window},
    {A::Record, "Ctrl+R", "record to a file, or stop", P::Window},
    {A::SavePicture, "Ctrl+S", "save the drawing as a PNG picture", P::Menu, {}, "Save picture..."},
    {A::CopyPicture,
     "Ctrl+Shift+C",
     "copy the drawing to the clipboard",
     P::Menu,
     {},
     "Copy picture"},
    {A::StartAnew, "Ctrl+N", "start anew, as at start-up", P::Menu, {}, "New", true},
    {A::OpenSetup,
     "Ctrl+O",
     "open a setup of fields and options (starts anew)",
     P::Menu,
     {},
     "Open setup..."},
    {A::SaveSetup,
     "Ctrl+Shift+S",
     "save the fields and options as a setup",
     P::Menu,
     {},
     "Save setup..."},
    {A::Plot,
     "Ctrl+T",
     "plot the watched body's distance and speed",
     P::Menu,
     {},
     "Plot watched body",
     true},
    {A::Hold, "F5", "hold the model's time, or let it run on", P::Menu, {}, "Hold", true},
    {A::Step, "F6", "one tick (hold first)", P::Menu, {}, "Step one tick"},
    {A::Slower, "F7", "slower: down to x1/8", P::Window},
    {A::Faster, "F8", "faster: up to x16, then as fast as it goes", P::Window},
    {A::TimelineBar, "F9", "show or hide the timeline bar (drag it to go back)", P::Window},
    {A::SaveSession,
     "Ctrl+Shift+R",
     "save the session so far as a recording",
     P::Menu,
     {},
     "Save session..."},
    {A::ExportClip,
     "Ctrl+Shift+E",
     "export the session so far as a video clip (or PNG frames)",
     P::Menu,
     {},
     "Export clip..."},
    {A::ZoomIn, "Ctrl++|Ctrl+=", "zoom the drawing in", P::Menu, {}, "Zoom in", true},
    {A::ZoomOut, "Ctrl+-", "zoom the drawing out", P::Menu, {}, "Zoom out"},
    {A::FitView, "Ctrl+F", "zoom and centre to show every body", P::Menu, {}, "Fit"},
    {A::ClassicView, "Ctrl+0", "the classic view of the drawing", P::Menu, {}, "Classic view"},
    {A::FollowInspected,
     "Ctrl+Shift+F",
     "follow the inspected body (while paused)",
     P::Menu,
     {},
     "Follow inspected body"},
    {A::WheelZoom, "Wheel", "on the drawing: zoom about the cursor", P::Widget},
    {A::DragPan, "Drag", "the drawing with the left button: move the view", P::Widget},
    {A::FollowBody, "Double-click", "a body on the drawing: follow it", P::Widget},
    {A::NextControl,
     "Tab|Shift+Tab",
     "the next or previous control",
     P::Widget,
     {},
     nullptr,
     false,
     "Tab, Shift+Tab"},
    {A::ChooseOption, "Arrows", "choose the next option in a group that way", P::Widget},
    {A::PressFocused,
     "Enter|Space",
     "press the button, tick the box",
     P::Widget,
     {},
     nullptr,
     false,
     "Enter, Space"},
    {A::TakeField,
     "Enter",
     "take the value, as leaving it does",
     P::Widget,
     {},
     nullptr,
     false,
     "Enter in a field"},
    {A::ClosePlot,
     "Escape|Ctrl+W",
     "in the plot window: close it",
     P::Plot,
     {},
     nullptr,
     false,
     "Escape, Ctrl+W"},
};

constexpr bool inActionOrder() {
  for (std::size_t i = 0; i < std::size(kKeys); ++i)
    if (static_cast<std::size_t>(kKeys[i].action) != i) return false;
  return true;
}
static_assert(inActionOrder(), "one row per KeyAction, in its order");

}  // namespace

std::span<const KeyRow> keyTable() {
  return kKeys;
}

const KeyRow& keyRow(KeyAction action) {
  return kKeys[static_cast<std::size_t>(action)];
}

QStringList keySequences(const KeyRow& row) {
  return QString::fromUtf8(row.keys).split('|');
}

QString shownKeys(const KeyRow& row) {
  return row.shown ? QString::fromUtf8(row.shown) : keySequences(row).join(QStringLiteral(" or "));
}

void bindKeys(const KeyRow& row, QWidget& on, QObject& owner, std::function<void()> run) {
  for (const QString& k : keySequences(row)) {
    auto* s = new QShortcut(QKeySequence(k), &on);
    s->setContext(Qt::WindowShortcut);
    QObject::connect(s, &QShortcut::activated, &owner, run);
  }
}

}  // namespace sw4
