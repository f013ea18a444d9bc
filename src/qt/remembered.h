#pragma once
#include <QString>

class QWidget;

namespace sw4 {

// What the window keeps between runs, in the application's QSettings: where its windows were,
// the last folder of each kind of file, and the questions the user asked not to hear again.
// Nothing is read or written until the application names its organisation.

enum class FileKind { Setup, Picture, Csv, Recording, Clip };
enum class WindowPlace { Main, Plot };

// The folder a file dialog for `kind` opens in: the one a file of that kind was last chosen in,
// while it exists, else `fallback`.
QString lastFolder(FileKind kind, const QString& fallback);
void rememberFolder(FileKind kind, const QString& chosenFile);

// A top-level window's size, position and state (maximised, full screen).
void rememberPlace(WindowPlace place, const QWidget& window);
// Puts the window where it was, fitted to the screen it lands on; false when nothing was kept.
// Before the window shows: show() then takes the kept state.
bool restorePlace(WindowPlace place, QWidget& window);

// "Discard this run?" answered with "Don't ask again".
bool discardWithoutAsking();
void setDiscardWithoutAsking(bool yes);

}  // namespace sw4
