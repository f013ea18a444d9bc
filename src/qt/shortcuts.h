#pragma once
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace sw4 {

class Control;
class ControlBinding;
class FormControls;

// The window's keyboard shortcuts, each either the click of a control (run exactly as a click,
// and only while the control shows and is enabled) or something the window itself does. The
// standard ones are a table in shortcuts.cpp; more can be added beside them.
class Shortcuts : public QObject {
 public:
  struct Entry {
    QString keys;  // as shown to the user, e.g. "Ctrl+L"
    QString what;
  };

  Shortcuts(QWidget& window, ControlBinding& binding);

  // The table: the keys that click the run controls.
  void addStandard(FormControls& form);
  // keys: one or more key sequences separated by "|", e.g. "Pause|Ctrl+P".
  void addClick(const QString& keys, const QString& what, Control& c);
  void addAction(const QString& keys, const QString& what, std::function<void()> run);
  // Lists keys bound elsewhere, for the help.
  void describe(const QString& keys, const QString& what) { entries_.push_back({keys, what}); }

  const std::vector<Entry>& entries() const { return entries_; }

 private:
  void bind(const QString& keys, const QString& what, std::function<void()> run);

  QWidget& window_;
  ControlBinding& binding_;
  std::vector<Entry> entries_;
};

}  // namespace sw4
