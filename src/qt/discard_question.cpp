#include "qt/discard_question.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "model/sim.h"
#include "qt/remembered.h"

namespace sw4 {

DiscardQuestion::DiscardQuestion(Sim& sim, QWidget& window)
    : sim_(sim),
      tickDone_(sim.tickDone.add([this] { ticked_ = true; })),
      newRunDone_(sim.newRunDone.add([this] { ticked_ = false; })) {
  ask = [&window] {
    QMessageBox box(QMessageBox::Question, QStringLiteral("SW4"), QObject::tr("Discard this run?"),
                    QMessageBox::NoButton, &window);
    box.setTextFormat(Qt::PlainText);
    const QAbstractButton* discard =
        box.addButton(QObject::tr("Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    auto* again = new QCheckBox(QObject::tr("Don't ask again"));
    box.setCheckBox(again);
    box.exec();
    return Answer{box.clickedButton() == discard, again->isChecked()};
  };
}

DiscardQuestion::~DiscardQuestion() {
  sim_.tickDone.remove(tickDone_);
  sim_.newRunDone.remove(newRunDone_);
}

bool DiscardQuestion::confirm() {
  if (!ticked_ || discardWithoutAsking()) return true;
  const Answer a = ask();
  if (a.discard && a.dontAskAgain) setDiscardWithoutAsking(true);
  return a.discard;
}

}  // namespace sw4
