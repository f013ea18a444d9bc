#pragma once
#include <string>
#include <vector>

#include "sweep/run_plan.h"

namespace sw4::sweep {

// A planned sweep as its folder keeps it: the varied names (and "seed" when it has seeds) and each
// run's values, in plan.tsv.
struct Plan {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;  // the run's number, then a value per name
};

std::string planTsv(const std::vector<Variation>& varied, bool seeded,
                    const std::vector<Run>& runs);
// SweepError when the text is not such a plan.
Plan readPlanTsv(const std::string& text);

// The folder of run n, relative to the sweep's folder: runs/0007.
std::string runFolder(int n);

// results.csv of the sweep in `dir`: a line a run with its values, the exit status of its
// sw4-script ("not run" when it has none yet), the outcome items it printed last (empty when it
// printed none), its script and its thumbnail.
std::string resultsCsv(const std::string& dir, const Plan& plan);

// results.js: the same CSV for the gallery, which opens from disk where a page cannot read a file
// beside it; with the varied names and a title.
std::string resultsJs(const std::string& csv, const Plan& plan, const std::string& title);

}  // namespace sw4::sweep
