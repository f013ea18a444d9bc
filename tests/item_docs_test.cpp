// The Items sections of the script's guide and of its man page name every item of the catalogue,
// and no item that does not exist.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "model/fs4.h"
#include "program/program.h"
#include "recording/item_catalogue.h"

namespace sw4 {
namespace {

// The lines from the one that starts with `from` up to the next that starts with `next`.
std::string section(const char* file, const std::string& from, const std::string& next) {
  std::ifstream in(std::string(SW4_SOURCE_DIR) + "/" + file);
  std::string line, text;
  bool inside = false;
  while (std::getline(in, line)) {
    if (inside && line.rfind(next, 0) == 0) break;
    if (line.rfind(from, 0) == 0) inside = true;
    if (inside) text += line + "\n";
  }
  return text;
}

// The words of `text` that have the form of an item: a capitalised name, perhaps with the
// arguments "(i)" or "(x,y)"; a control's name is not an item.
std::set<std::string> itemLike(const std::string& words, const FormControls& form) {
  static const std::regex item(R"([A-Z][A-Za-z]*(\((i|x,y)\))?)");
  std::istringstream in(words);
  std::set<std::string> names;
  for (std::string w; in >> w;)
    if (std::regex_match(w, item) && !form.find(w)) names.insert(w);
  return names;
}

// The backticked words of the guide.
std::string backticked(const std::string& text) {
  static const std::regex quoted("`([^`]*)`");
  std::string words;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), quoted);
       it != std::sregex_iterator(); ++it)
    words += (*it)[1].str() + " ";
  return words;
}

// The bold words of the man page: .B lines whole, the first word of a .BR, a .BI joined
// (".BI PlanetX( i ) ," is PlanetX(i)); punctuation between words dropped.
std::string bold(const std::string& text) {
  std::istringstream in(text);
  std::string words;
  for (std::string line; std::getline(in, line);) {
    std::istringstream parts(line);
    std::string macro, w;
    parts >> macro;
    if (macro == ".B") {
      while (parts >> w) words += w + " ";
    } else if (macro == ".BR" && parts >> w) {
      words += w + " ";
    } else if (macro == ".BI") {
      std::string joined;
      while (parts >> w) joined += w;
      words += joined + " ";
    }
  }
  std::string plain;
  int depth = 0;
  for (const char c : words) {
    depth += (c == '(') - (c == ')');
    plain += depth == 0 && (c == ',' || c == ';' || c == '.') ? ' ' : c;
  }
  return plain;
}

TEST(ItemDocs, EachDocNamesEveryItemOfTheCatalogueAndNoOther) {
  Program sim;
  std::set<std::string> catalogue;
  for (const ItemPattern& p : itemPatterns()) catalogue.insert(p.written());
  const std::set<std::string> guide =
      itemLike(backticked(section("docs/sw4_script.md", "## Items", "## ")), sim.form);
  const std::set<std::string> man =
      itemLike(bold(section("docs/man/sw4-script.1", ".SH ITEMS", ".SH ")), sim.form);
  for (const auto& [doc, named] : {std::pair{"sw4_script.md", guide}, {"sw4-script.1", man}}) {
    for (const std::string& item : catalogue)
      EXPECT_TRUE(named.count(item)) << doc << " misses " << item;
    for (const std::string& item : named)
      EXPECT_TRUE(catalogue.count(item)) << doc << " names " << item;
  }
}

}  // namespace
}  // namespace sw4
