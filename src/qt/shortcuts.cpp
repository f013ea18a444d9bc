#include "qt/shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "model/control_id.h"
#include "model/form_controls.h"
#include "qt/control_binding.h"

namespace sw4 {

Shortcuts::Shortcuts(QWidget& window, ControlBinding& binding)
    : QObject(&window), window_(window), binding_(binding), bound_(keyTable().size()) {}

void Shortcuts::bindClicks(FormControls& form) {
  for (const KeyRow& row : keyTable()) {
    if (row.place != KeyPlace::Click) continue;
    Control& c = form.control(row.control);
    bindKeys(row, window_, *this, [this, &c] {
      const QWidget* w = binding_.widgetOf(c);
      if (w && w->isVisibleTo(&window_) && w->isEnabled()) binding_.userEvent(c, Event::Click);
    });
    bound_[static_cast<std::size_t>(row.action)] = true;
  }
}

void Shortcuts::bind(KeyAction action, QObject& owner, std::function<void()> run) {
  bindKeys(keyRow(action), window_, owner, std::move(run));
  bound_[static_cast<std::size_t>(action)] = true;
}

QAction* Shortcuts::bindMenu(KeyAction action, QObject& owner, std::function<void()> run) {
  const KeyRow& row = keyRow(action);
  if (row.menuGroup && !window_.actions().isEmpty()) {
    auto* separator = new QAction(&window_);
    separator->setSeparator(true);
    window_.addAction(separator);
  }
  auto* a = new QAction(QString::fromUtf8(row.menu), &window_);
  a->setShortcuts(QKeySequence::listFromString(keySequences(row).join(QStringLiteral("; "))));
  a->setShortcutContext(Qt::WindowShortcut);
  connect(a, &QAction::triggered, &owner, [run = std::move(run)] { run(); });
  window_.addAction(a);
  bound_[static_cast<std::size_t>(action)] = true;
  return a;
}

std::vector<Shortcuts::Entry> Shortcuts::entries() const {
  std::vector<Entry> list;
  for (const KeyRow& row : keyTable()) {
    const bool here = row.place != KeyPlace::Plot && row.place != KeyPlace::Widget;
    if (!here || bound_[static_cast<std::size_t>(row.action)])
      list.push_back({shownKeys(row), QString::fromUtf8(row.help)});
  }
  return list;
}

}  // namespace sw4
