#include "sweep/results_table.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace sw4::sweep {

namespace {

std::string fileText(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::vector<std::string> fields(const std::string& line, char by) {
  std::vector<std::string> out;
  std::istringstream s(line);
  for (std::string f; std::getline(s, f, by);) out.push_back(f);
  if (!line.empty() && line.back() == by) out.emplace_back();
  return out;
}

std::string csvField(const std::string& v) {
  if (v.find_first_of(",\"\r\n") == std::string::npos) return v;
  std::string q = "\"";
  for (char c : v) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

std::string jsonString(const std::string& v) {
  std::string j = "\"";
  for (unsigned char c : v) {
    if (c == '"' || c == '\\') {
      j += '\\';
      j += static_cast<char>(c);
    } else if (c < 0x20 || c == '<') {  // '<' too, so no "</script>" can end the page's script
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", c);
      j += u;
    } else {
      j += static_cast<char>(c);
    }
  }
  return j + "\"";
}

// NAME=VALUE lines, the last of each name.
std::map<std::string, std::string> printed(const std::string& out) {
  std::map<std::string, std::string> items;
  std::istringstream s(out);
  for (std::string line; std::getline(s, line);) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) items[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return items;
}

}  // namespace

std::string runFolder(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "runs/%04d", n);
  return name;
}

std::string planTsv(const std::vector<Variation>& varied, bool seeded,
                    const std::vector<Run>& runs) {
  std::string t = "run";
  for (const Variation& v : varied) t += "\t" + v.name;
  if (seeded) t += "\tseed";
  t += "\n";
  for (const Run& r : runs) {
    t += std::to_string(r.number);
    for (const std::string& v : r.values) t += "\t" + v;
    if (r.seed) t += "\t" + *r.seed;
    t += "\n";
  }
  return t;
}

Plan readPlanTsv(const std::string& text) {
  std::istringstream s(text);
  std::string line;
  if (!std::getline(s, line)) throw SweepError("plan.tsv is empty");
  Plan plan;
  std::vector<std::string> header = fields(line, '\t');
  if (header.empty() || header[0] != "run") throw SweepError("plan.tsv does not start with run");
  plan.names.assign(header.begin() + 1, header.end());
  while (std::getline(s, line)) {
    std::vector<std::string> row = fields(line, '\t');
    if (row.size() != header.size()) throw SweepError("plan.tsv: a line of the wrong length");
    plan.rows.push_back(std::move(row));
  }
  return plan;
}

std::string resultsCsv(const std::string& dir, const Plan& plan) {
  std::string csv;
  // One cell of the line, after a comma unless it is the first.
  const auto cell = [&csv](std::string_view v, bool first = false) {
    if (!first) csv += ',';
    csv += csvField(std::string(v));
  };
  cell("run", true);
  for (const std::string& n : plan.names) cell(n);
  cell("status");
  for (std::string_view item : outcomeItems()) cell(item);
  cell("script");
  cell("thumbnail");
  csv += '\n';
  for (const std::vector<std::string>& row : plan.rows) {
    const std::string folder = runFolder(std::stoi(row[0]));
    const std::filesystem::path at = std::filesystem::path(dir) / folder;
    for (std::size_t i = 0; i < row.size(); ++i) cell(row[i], i == 0);
    std::string status = fileText(at / "status");
    while (!status.empty() && (status.back() == '\n' || status.back() == '\r')) status.pop_back();
    cell(status.empty() ? "not run" : status);
    const auto items = printed(fileText(at / "out.txt"));
    for (std::string_view item : outcomeItems()) {
      const auto it = items.find(std::string(item));
      cell(it == items.end() ? "" : it->second);
    }
    cell(folder + "/run.sw4");
    cell(std::filesystem::exists(at / "thumb.png") ? folder + "/thumb.png" : "");
    csv += '\n';
  }
  return csv;
}

std::string resultsJs(const std::string& csv, const Plan& plan, const std::string& title) {
  std::string js =
      "// The sweep's results.csv for index.html, which reads it from here.\nwindow.sweep = {\n  "
      "title: " +
      jsonString(title) + ",\n  varied: [";
  for (std::size_t i = 0; i < plan.names.size(); ++i)
    js += (i ? ", " : "") + jsonString(plan.names[i]);
  js += "],\n  csv: " + jsonString(csv) + "\n};\n";
  return js;
}

}  // namespace sw4::sweep
