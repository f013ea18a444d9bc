// Writing a setup: the lines that take a fresh start-up to the form as it stands.
#include "program/program.h"
#include "setup/setup.h"

namespace sw4 {

namespace {

// The seed field counts on by itself unless "Random" holds it.
bool textKept(const Control& c, const Fs4& form) {
  if (c.name() == "TXran" && form.CHran.value() != 1) return false;
  return c.text().find_first_of("\r\n") == std::string::npos;  // a line cannot hold it
}

struct Writer {
  const Sim& sim;
  Program fresh;  // the start-up the setup will be applied to
  std::string out;

  explicit Writer(const Sim& s) : sim(s) {
    fresh.resizeDrawingArea(sim.widthTwips(), sim.heightTwips());
  }

  // The form's controls side by side with the fresh program's.
  template <class F>
  void eachPair(F f) {
    const auto& now = sim.form.all();
    auto& start = fresh.form.all();
    for (std::size_t i = 0; i < now.size(); ++i)
      if (inSetup(now[i])) f(now[i], start[i]);
  }

  // Types every text that differs, onto the fresh program too.
  void texts() {
    eachPair([this](const Control& c, Control& f) {
      if (c.kind() != Kind::TextBox || c.text() == f.text() || !textKept(c, sim.form)) return;
      out += "text " + c.fullName() + " " + c.text() + "\n";
      f.setText(c.text());
    });
  }

  void clicks() {
    eachPair([this](const Control& c, Control& f) {
      const bool option = c.kind() == Kind::OptionButton;
      if (c.kind() == Kind::TextBox || c.value() == f.value()) return;
      if (option && !c.selected()) return;    // selecting its neighbour clears it
      if (!option && c.value() == 2) return;  // greyed: no click leads there
      out += "click " + c.fullName() + "\n";
      f.userClick();
    });
  }
};

}  // namespace

std::string writeSetup(const Sim& sim) {
  Writer w(sim);
  w.out =
      "# SW4 setup: the fields and options of the form. Open it in SW4 (\"Open setup...\" or\n"
      "# sw4 --setup FILE) or run it with sw4-script.\n";
  // The texts first, so that the clicks read them; then again whatever a click retyped.
  w.texts();
  w.clicks();
  w.texts();
  return w.out;
}

}  // namespace sw4
