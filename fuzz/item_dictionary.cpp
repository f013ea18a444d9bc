// Writes the item names of the catalogue as libFuzzer dictionary entries, to go after
// fuzz/script.dict: ".Text" for a property, "PlanetX(" for an item that takes arguments.
#include <iostream>

#include "recording/item_catalogue.h"

int main() {
  for (const sw4::ItemPattern& p : sw4::itemPatterns()) {
    std::cout << '"' << (p.property ? "." : "") << p.name << (p.args.empty() ? "" : "(") << "\"\n";
  }
}
