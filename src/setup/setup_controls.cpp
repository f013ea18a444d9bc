// The controls a setup keeps.
#include <algorithm>
#include <array>

#include "setup/setup.h"

namespace sw4 {

namespace {

// The inspector's fields and switches describe one body of a running system, not a setup.
constexpr std::array<std::string_view, 6> kInspector = {"TXTOden", "TxTyp", "TXTp",
                                                        "Chon",    "ChLim", "Opadd"};

}  // namespace

bool inSetup(const Control& c) {
  if (std::find(kInspector.begin(), kInspector.end(), c.name()) != kInspector.end()) return false;
  return c.kind() == Kind::TextBox || c.kind() == Kind::CheckBox || c.kind() == Kind::OptionButton;
}

}  // namespace sw4
