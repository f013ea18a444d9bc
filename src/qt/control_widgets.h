#pragma once
#include "platform/control.h"

class QWidget;

namespace sw4 {

// The widget that shows one model control: TextBox -> QLineEdit, CheckBox -> QCheckBox (three
// states), OptionButton -> QRadioButton, CommandButton -> QPushButton, ScrollBar -> horizontal
// QScrollBar, Label -> CaptionLabel, Frame -> QGroupBox, Picture -> QLabel with a painted pixmap,
// Shape -> ShapeWidget. Timers have no widget (null).
QWidget* createControlWidget(const Control& c, QWidget* parent);

// Puts one property of the model onto its widget with the widget's signals blocked, so that
// mirroring never comes back to the model as a user's action.
void mirrorProp(const Control& c, QWidget& w, Prop p);
void mirrorAll(const Control& c, QWidget& w);

// Twips to logical pixels, rounding down (also for negative positions).
int twipsToPixels(int twips);

}  // namespace sw4
