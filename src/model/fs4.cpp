#include "model/fs4.h"

#include <stdexcept>

#include "model/control_table.h"
#include "model/theme.h"
#include "platform/fault.h"

namespace sw4 {

Control& ControlArray::operator()(int i) const {
  if (i < 0 || i >= static_cast<int>(members_.size()) || members_[i] == nullptr)
    throw Fault("control array index out of range: " + std::to_string(i));
  return *members_[i];
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

FormControls::FormControls() {
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
    if (d->index < 0) {
      byName_[d->name] = &c;
    } else {
      arrays_[d->name].add(&c);
    }
  }
  // Option buttons of one array form one group.
  for (auto& [name, arr] : arrays_) {
    if (arr.members().empty()) continue;
    const Control* first = arr.members()[arr.lowest()];
    if (first->kind() != Kind::OptionButton) continue;
    auto& group = groups_.emplace_back();
    for (Control* c : arr.members())
      if (c) group.push_back(c);
    for (Control* c : group) c->setGroup(&group);
  }
  const LayoutTable layout = layoutDeclarations();
  for (const LayoutDecl* l = layout.begin; l != layout.end; ++l) {
    Control* c = find(l->name, l->index);
    if (!c) continue;
    c->move(l->left, l->top, l->width, l->height);
    if (l->container && *l->container) c->setContainer(find(l->container));
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

Fs4::Fs4()
    : TXg(array("TXg")),
      TXw(array("TXw")),
      TXn(get("TXn")),
      TxTconstant(get("TxTconstant")),
      TXt(get("TXt")),
      TXran(get("TXran")),
      TXref(get("TXref")),
      TXspibi(get("TXspibi")),
      TXTdec(get("TXTdec")),
      Text1(get("Text1")),
      Text2(get("Text2")),
      Text3(get("Text3")),
      Text4(get("Text4")),
      Text5(get("Text5")),
      Text6(get("Text6")),
      Text7(get("Text7")),
      Text8(get("Text8")),
      Text9(get("Text9")),
      Text10(get("Text10")),
      Text11(get("Text11")),
      TXTOden(get("TXTOden")),
      TxTyp(get("TxTyp")),
      TXTp(array("TXTp")),
      Hsp(array("Hsp")),
      Label6(array("Label6")),
      La(array("La")),
      Opadd(array("Opadd")),
      Qui(get("Qui")),
      Chon(get("Chon")),
      ChLim(get("ChLim")),
      Label7(get("Label7")),
      Label8(get("Label8")),
      Label9(get("Label9")),
      LaVmax(get("LaVmax")),
      LaVmin(get("LaVmin")),
      LaVnow(get("LaVnow")),
      LavPer(get("LavPer")),
      CHsol(get("CHsol")),
      CHgod(get("CHgod")),
      CHr(get("CHr")),
      CHran(get("CHran")),
      ChCol(get("ChCol")),
      ChSpi(get("ChSpi")),
      ChGal(get("ChGal")),
      Ch2(get("Ch2")),
      ChCir(get("ChCir")),
      Check1(get("Check1")),
      ChA(get("ChA")),
      Chperf(get("Chperf")),
      CHall(get("CHall")),
      Chdark(get("Chdark")),
      CHLun(get("CHLun")),
      ChMoon(get("ChMoon")),
      Och(array("Och")),
      OpCollide(array("OpCollide")),
      Command1(get("Command1")),
      Command2(get("Command2")),
      Command4(get("Command4")),
      Command5(get("Command5")),
      CDstar(get("CDstar")),
      CDwww(get("CDwww")),
      CDp(array("CDp")),
      Label11(get("Label11")),
      Label12(get("Label12")),
      Lapollo(get("Lapollo")),
      Frame2(get("Frame2")),
      Frame6(get("Frame6")),
      Frame7(get("Frame7")),
      Frame8(get("Frame8")),
      ImSun(get("ImSun")),
      ImMoon(get("ImMoon")),
      Shark(get("Shark")),
      Ti(get("Ti")),
      Tr(get("Tr")),
      Tiball(get("Tiball")),
      TiF(get("TiF")) {}

}  // namespace sw4
