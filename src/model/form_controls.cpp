#include "model/form_controls.h"

#include <stdexcept>

#include "model/control_table.h"
#include "model/theme.h"
#include "platform/fault.h"

namespace sw4 {

void ControlArray::outOfRange(int i) {
  throw Fault("control array index out of range: " + std::to_string(i));
}

void ControlArray::add(Control* c) {
  const auto i = static_cast<std::size_t>(c->index());
  if (members_.size() <= i) members_.resize(i + 1, nullptr);
  members_[i] = c;
}

int ControlArray::lowest() const {
  for (std::size_t i = 0; i < members_.size(); ++i)
    if (members_[i]) return static_cast<int>(i);
  return -1;
}

int ControlArray::highest() const {
  return static_cast<int>(members_.size()) - 1;
}

namespace {

Color defaultFore(Kind) {
  return theme::kText;
}

Color defaultBack(Kind k) {
  switch (k) {
    case Kind::TextBox:
      return theme::kFieldBack;
    case Kind::CommandButton:
      return theme::kButtonBack;
    default:
      return theme::kPanelBack;
  }
}

}  // namespace

FormControls::FormControls() : single_(kControlIds), arrayOf_(kControlIds) {
  backColor = theme::kDrawingBack;
  const ControlTable table = controlDeclarations();
  for (const ControlDecl* d = table.begin; d != table.end; ++d) {
    Control& c = controls_.emplace_back(d->name, d->index, d->kind);
    c.setText(d->text);
    c.setToolTip(d->toolTip);
    c.setMin(d->min);
    c.setMax(d->max);
    c.setInterval(d->interval);
    c.setVisible(d->visible);
    c.setEnabled(d->enabled);
    c.setForeColor(d->fore == kThemeDefault ? defaultFore(d->kind) : d->fore);
    c.setBackColor(d->back == kThemeDefault ? defaultBack(d->kind) : d->back);
    c.setBorderColor(d->border);
    c.setFillColor(d->fill);
    c.setValue(d->value);  // no handler is attached yet, so nothing runs
    c.move(d->place.left, d->place.top, d->place.width, d->place.height);
    c.setAnchor(d->place.anchor);
    const auto id = static_cast<std::size_t>(d->id);
    if (d->index < 0) {
      byName_[d->name] = &c;
      single_[id] = &c;
    } else {
      ControlArray& arr = arrays_[d->name];
      arr.add(&c);
      arrayOf_[id] = &arr;
    }
  }
  // Containers and captions name controls that may come later in the list.
  for (const ControlDecl* d = table.begin; d != table.end; ++d) {
    Control& self = control(d->id, d->index);
    if (d->place.container != ControlId::None) self.setContainer(&control(d->place.container));
    if (d->captions == ControlId::None) continue;
    std::vector<Control*> targets;
    if (Control* one = single_[static_cast<std::size_t>(d->captions)]) {
      targets.push_back(one);
    } else if (d->index >= 0) {
      targets.push_back(&array(d->captions)(d->index));
    } else {
      for (Control* m : array(d->captions).members())
        if (m) targets.push_back(m);
    }
    captionLinks_.emplace_back(&self, std::move(targets));
  }
  // Option buttons of one array form one group.
  for (auto& [name, arr] : arrays_) {
    if (arr.members().empty()) continue;
    const Control* first = arr.members()[arr.lowest()];
    if (first->kind() != Kind::OptionButton) continue;
    auto& group = groups_.emplace_back();
    for (Control* m : arr.members())
      if (m) group.push_back(m);
    for (Control* m : group) m->setGroup(&group);
  }
  for (const Control& c : controls_) design_.push_back(c.state());
}

void FormControls::restoreDesign() {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i].restore(design_[i]);
}

Control* FormControls::find(std::string_view name, int index) const {
  if (index < 0) {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
  }
  const auto it = arrays_.find(name);
  if (it == arrays_.end()) return nullptr;
  const auto& m = it->second.members();
  return index < static_cast<int>(m.size()) ? m[index] : nullptr;
}

Control& FormControls::get(std::string_view name, int index) const {
  Control* c = find(name, index);
  if (!c) throw std::out_of_range("no control " + std::string(name));
  return *c;
}

ControlArray& FormControls::array(std::string_view name) {
  const auto it = arrays_.find(name);
  if (it == arrays_.end()) throw std::out_of_range("no control array " + std::string(name));
  return it->second;
}

Control& FormControls::control(ControlId id, int index) const {
  const auto i = static_cast<std::size_t>(id);
  if (i >= single_.size()) throw std::out_of_range("no control");
  if (index < 0 && single_[i]) return *single_[i];
  const ControlArray* arr = arrayOf_[i];
  if (!arr || index < 0 || index > arr->highest() || !arr->members()[index])
    throw std::out_of_range("no control " + std::to_string(index) + " in that array");
  return *arr->members()[index];
}

ControlArray& FormControls::array(ControlId id) const {
  ControlArray* arr = arrayOf_[static_cast<std::size_t>(id)];
  if (!arr) throw std::out_of_range("no control array");
  return *arr;
}

}  // namespace sw4
