#include "qt/clip_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace sw4 {

namespace {

QSpinBox* spinBox(int lo, int hi, int value, const QString& suffix = {}) {
  auto* s = new QSpinBox;
  s->setRange(lo, hi);
  s->setValue(value);
  s->setSuffix(suffix);
  return s;
}

QLabel* plainLabel(const QString& text) {
  auto* l = new QLabel(text);
  l->setTextFormat(Qt::PlainText);  // a file name may look like markup
  l->setWordWrap(true);
  return l;
}

}  // namespace

ClipDialog::ClipDialog(QWidget* parent, const QString& file, std::int64_t ticks,
                       const QString& viewNote, const ClipSettingsChoice& start)
    : QDialog(parent), ticks_(ticks) {
  setWindowTitle(tr("Export clip"));
  width_ = spinBox(1, 8192, start.size.width());
  height_ = spinBox(1, 8192, start.size.height());
  every_ = spinBox(1, 1000000, start.every, tr(" ticks"));
  fps_ = spinBox(1, 240, start.fps);
  auto* size = new QHBoxLayout;
  size->addWidget(width_);
  size->addWidget(new QLabel(QStringLiteral("x")));
  size->addWidget(height_);
  size->addWidget(new QLabel(tr("pixels")));
  auto* form = new QFormLayout(this);
  form->addRow(tr("File:"), plainLabel(QFileInfo(file).fileName()));
  form->addRow(tr("Size:"), size);
  form->addRow(tr("A frame every:"), every_);
  form->addRow(tr("Frames a second:"), fps_);
  summary_ = plainLabel({});
  form->addRow(summary_);
  form->addRow(plainLabel(viewNote));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(tr("Export"));
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QSpinBox* s : {every_, fps_})
    connect(s, &QSpinBox::valueChanged, this, [this] { updateSummary(); });
  updateSummary();
}

ClipSettingsChoice ClipDialog::choice() const {
  return {QSize(width_->value(), height_->value()), every_->value(), fps_->value()};
}

void ClipDialog::updateSummary() {
  const std::int64_t frames = ticks_ / every_->value();
  summary_->setText(tr("The session's %1 ticks make %2 frames, %3 s of video.")
                        .arg(ticks_)
                        .arg(frames)
                        .arg(static_cast<double>(frames) / fps_->value(), 0, 'f', 1));
  ok_->setEnabled(frames > 0);
}

}  // namespace sw4
