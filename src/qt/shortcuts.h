#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "qt/key_table.h"

class QAction;
class QWidget;

namespace sw4 {

class ControlBinding;
class FormControls;

// The main window's keys, bound from the key table: the click keys as the table gives them, the
// others with the code of their action from where it lives. The help lists what is bound.
class Shortcuts : public QObject {
 public:
  struct Entry {
    QString keys;  // as shown to the user, e.g. "Pause or Ctrl+P"
    QString what;
  };

  Shortcuts(QWidget& window, ControlBinding& binding);

  // The click keys, each run exactly as a click, and only while its control shows and is enabled.
  void bindClicks(FormControls& form);
  // A Window row, running `run` while `owner` lives.
  void bind(KeyAction action, QObject& owner, std::function<void()> run);
  // A Menu row: an action of the window, which the drawing's context menu shows.
  QAction* bindMenu(KeyAction action, QObject& owner, std::function<void()> run);

  // In the table's order: the rows bound here, and those bound elsewhere or by the widgets.
  std::vector<Entry> entries() const;

 private:
  QWidget& window_;
  ControlBinding& binding_;
  std::vector<bool> bound_;
};

}  // namespace sw4
