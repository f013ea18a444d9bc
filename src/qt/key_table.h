#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <span>

class QObject;
class QWidget;

namespace sw4 {

enum class ControlId : std::uint8_t;

// Every key the windows know, in the order the help lists them.
enum class KeyAction {
  Go,
  Pause,
  Clear,
  Quit,
  FullScreen,
  Help,
  CloseHelp,
  Record,
  SavePicture,
  CopyPicture,
  StartAnew,
  OpenSetup,
  SaveSetup,
  Plot,
  Hold,
  Step,
  Slower,
  Faster,
  TimelineBar,
  SaveSession,
  ExportClip,
  ZoomIn,
  ZoomOut,
  FitView,
  ClassicView,
  FollowInspected,
  WheelZoom,
  DragPan,
  FollowBody,
  NextControl,
  ChooseOption,
  PressFocused,
  TakeField,
  ClosePlot,
};

enum class KeyPlace {
  Click,   // clicks `control` on the main window, only while it shows and is enabled
  Window,  // a shortcut of the main window
  Menu,    // an action of the main window, shown in the drawing's context menu as `menu`
  Plot,    // a shortcut of the plot window
  Widget,  // handled by the focused widget itself: listed only
};

struct KeyRow {
  KeyAction action;
  const char* keys;  // one or more key sequences separated by "|", e.g. "Pause|Ctrl+P"
  const char* help;  // what the help says it does
  KeyPlace place;
  ControlId control{};          // for Click
  const char* menu = nullptr;   // for Menu
  bool menuGroup = false;       // a separator before it in the menu
  const char* shown = nullptr;  // how the help names the keys, when not "Pause or Ctrl+P"
};

std::span<const KeyRow> keyTable();
const KeyRow& keyRow(KeyAction action);

// The row's key sequences, e.g. {"Pause", "Ctrl+P"}.
QStringList keySequences(const KeyRow& row);
// How the help names the row's keys.
QString shownKeys(const KeyRow& row);

// Binds the row's keys as shortcuts of `on`'s window, running `run` while `owner` lives.
void bindKeys(const KeyRow& row, QWidget& on, QObject& owner, std::function<void()> run);

}  // namespace sw4
