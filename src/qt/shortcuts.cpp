#include "qt/shortcuts.h"

#include <QShortcut>
#include <QWidget>

#include "model/control_id.h"
#include "model/form_controls.h"
#include "qt/control_binding.h"

namespace sw4 {

namespace {

struct ClickKey {
  const char* keys;
  const char* what;
  ControlId control;
};

constexpr ClickKey kClickKeys[] = {
    {"Ctrl+Return|Ctrl+Enter", "\"Go\"", ControlId::Command2},
    {"Pause|Ctrl+P", "\"Pause\": pause, or run on", ControlId::Command5},
    {"Ctrl+L", "\"Clear\"", ControlId::Command4},
    {"Ctrl+Q", "Quit, as \"X\"", ControlId::Command1},
};

}  // namespace

Shortcuts::Shortcuts(QWidget& window, ControlBinding& binding)
    : QObject(&window), window_(window), binding_(binding) {}

void Shortcuts::addStandard(FormControls& form) {
  for (const ClickKey& k : kClickKeys) addClick(k.keys, k.what, form.control(k.control));
}

void Shortcuts::addClick(const QString& keys, const QString& what, Control& c) {
  bind(keys, what, [this, &c] {
    const QWidget* w = binding_.widgetOf(c);
    if (w && w->isVisibleTo(&window_) && w->isEnabled()) binding_.userEvent(c, Event::Click);
  });
}

void Shortcuts::addAction(const QString& keys, const QString& what, std::function<void()> run) {
  bind(keys, what, std::move(run));
}

void Shortcuts::bind(const QString& keys, const QString& what, std::function<void()> run) {
  const QStringList each = keys.split('|');
  entries_.push_back({each.join(QStringLiteral(" or ")), what});
  for (const QString& k : each) {
    auto* s = new QShortcut(QKeySequence(k), &window_);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, run);
  }
}

}  // namespace sw4
