#include "qt/control_widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/surface.h"
#include "qt/caption_label.h"
#include "qt/field_edit.h"
#include "qt/frame_box.h"
#include "qt/pictures.h"
#include "qt/qt_theme.h"
#include "qt/shape_widget.h"

namespace sw4 {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Button captions are shown as they stand: "&" is not a mnemonic here.
QString buttonCaption(const std::string& s) {
  return qs(s).replace('&', QStringLiteral("&&"));
}

QColor dimmed(const QColor& fore, const QColor& back) {
  return QColor((fore.red() + back.red()) / 2, (fore.green() + back.green()) / 2,
                (fore.blue() + back.blue()) / 2);
}

void setColors(QWidget& w, QPalette::ColorRole backRole, QPalette::ColorRole foreRole,
               const Control& c) {
  QPalette p = w.palette();
  const QColor fore = toQColor(c.foreColor());
  const QColor back = toQColor(c.backColor());
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(g, backRole, back);
    p.setColor(g, foreRole, fore);
  }
  p.setColor(QPalette::Disabled, backRole, back);
  p.setColor(QPalette::Disabled, foreRole, dimmed(fore, back));
  w.setPalette(p);
}

void mirrorColors(const Control& c, QWidget& w) {
  switch (c.kind()) {
    case Kind::TextBox:
      setColors(w, QPalette::Base, QPalette::Text, c);
      break;
    case Kind::CommandButton:
      setColors(w, QPalette::Button, QPalette::ButtonText, c);
      break;
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::Label:
    case Kind::Frame:
      setColors(w, QPalette::Window, QPalette::WindowText, c);
      break;
    case Kind::Shape:
      w.update();
      break;
    default:
      break;
  }
}

void mirrorText(const Control& c, QWidget& w) {
  switch (c.kind()) {
    case Kind::TextBox: {
      auto& e = static_cast<QLineEdit&>(w);
      const QString t = qs(c.text());
      // Only when it differs, so a user's typing keeps its cursor position. A text set from
      // code shows from its start, as a classic text box does.
      if (e.text() != t) {
        e.setText(t);
        if (!e.hasFocus()) e.setCursorPosition(0);
      }
      static_cast<FieldEdit&>(w).setRefused(!c.strictOk());
      break;
    }
    case Kind::Label:
      static_cast<CaptionLabel&>(w).setText(qs(c.text()));
      break;
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::CommandButton:
      static_cast<QAbstractButton&>(w).setText(buttonCaption(c.text()));
      break;
    case Kind::Frame:
      static_cast<QGroupBox&>(w).setTitle(buttonCaption(c.text()));
      break;
    default:
      break;
  }
}

void mirrorValue(const Control& c, QWidget& w) {
  switch (c.kind()) {
    case Kind::CheckBox: {
      static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked,
                                                   Qt::PartiallyChecked};
      static_cast<QCheckBox&>(w).setCheckState(kStates[std::clamp(c.value(), 0, 2)]);
      break;
    }
    case Kind::OptionButton:
      static_cast<QRadioButton&>(w).setChecked(c.value() != 0);
      break;
    case Kind::ScrollBar:
      static_cast<QScrollBar&>(w).setValue(c.value());
      break;
    default:
      break;
  }
}

void mirrorRange(const Control& c, QWidget& w) {
  if (c.kind() != Kind::ScrollBar) return;
  auto& s = static_cast<QScrollBar&>(w);
  const int lo = std::min(c.min(), c.max());
  const int hi = std::max(c.min(), c.max());
  s.setRange(lo, hi);
  s.setPageStep(std::max(1, (hi - lo) / 10));
  s.setValue(c.value());
}

}  // namespace

int twipsToPixels(int twips) {
  const int q = twips / Surface::kTwipsPerLogicalPixel;
  return (twips % Surface::kTwipsPerLogicalPixel != 0 && twips < 0) ? q - 1 : q;
}

QWidget* createControlWidget(const Control& c, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.kind()) {
    case Kind::TextBox:
      w = new FieldEdit(parent);
      break;
    case Kind::CheckBox: {
      auto* b = new QCheckBox(parent);
      b->setTristate(true);
      b->setBackgroundRole(QPalette::Window);
      w = b;
      break;
    }
    case Kind::OptionButton: {
      auto* b = new QRadioButton(parent);
      b->setAutoExclusive(false);  // the model keeps one option of a group selected
      b->setBackgroundRole(QPalette::Window);
      w = b;
      break;
    }
    case Kind::CommandButton:
      w = new QPushButton(parent);
      break;
    case Kind::ScrollBar: {
      auto* s = new QScrollBar(Qt::Horizontal, parent);
      s->setSingleStep(1);
      s->setFocusPolicy(Qt::TabFocus);  // reached by Tab; a click leaves the focus where it is
      w = s;
      break;
    }
    case Kind::Label:
      w = new CaptionLabel(parent);
      break;
    case Kind::Frame:
      w = new FrameBox(parent);
      break;
    case Kind::Picture: {
      auto* l = new QLabel(parent);
      l->setScaledContents(true);
      // Painted large once and scaled down, so it stays smooth on high-density screens.
      l->setPixmap(c.name() == "ImMoon" ? moonPicture(128) : sunPicture(128));
      l->setAttribute(Qt::WA_TranslucentBackground);
      w = l;
      break;
    }
    case Kind::Shape:
      w = new ShapeWidget(c, parent);
      break;
    case Kind::Timer:
      return nullptr;
  }
  w->setObjectName(QString::fromStdString(c.fullName()));
  w->setAutoFillBackground(c.kind() != Kind::Picture && c.kind() != Kind::Shape &&
                           c.kind() != Kind::ScrollBar && c.kind() != Kind::Label);
  mirrorAll(c, *w);
  return w;
}

void mirrorProp(const Control& c, QWidget& w, Prop p) {
  const QSignalBlocker block(&w);
  switch (p) {
    case Prop::Text:
      mirrorText(c, w);
      break;
    case Prop::Value:
      mirrorValue(c, w);
      break;
    case Prop::Visible:
      w.setVisible(c.visible());
      break;
    case Prop::Enabled:
      w.setEnabled(c.enabled());
      break;
    case Prop::Colors:
      mirrorColors(c, w);
      break;
    case Prop::Geometry:  // the binding places widgets (WindowLayout)
      break;
    case Prop::Range:
      mirrorRange(c, w);
      break;
    case Prop::Locked:
      if (c.kind() == Kind::TextBox) static_cast<QLineEdit&>(w).setReadOnly(c.locked());
      break;
    case Prop::Interval:
      break;
  }
}

void mirrorAll(const Control& c, QWidget& w) {
  const QSignalBlocker block(&w);
  w.setToolTip(QString::fromStdString(c.toolTip()));
  for (Prop p :
       {Prop::Text, Prop::Range, Prop::Value, Prop::Colors, Prop::Enabled, Prop::Locked, Prop::Visible})
    mirrorProp(c, w, p);
}

}  // namespace sw4
