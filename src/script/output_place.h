#pragma once
#include <set>
#include <string>
#include <string_view>

namespace sw4 {

// Where `png` may write, so that replaying a script someone else made cannot touch other files:
// below one folder (the current one unless the command line names another, `--out DIR`), and
// over an existing file only with `--overwrite` or when this run wrote it.
class OutputPlace {
 public:
  OutputPlace() = default;
  // Below `folder` (empty: the current folder).
  OutputPlace(const std::string& folder, bool overwrite);

  // The file a script's PATH names. ScriptError for a ".." component, and for an absolute path
  // unless it lies below the folder the command line named; `command` opens its message.
  std::string resolve(std::string_view path, std::string_view command = "png") const;
  // ScriptError when `file` (as resolve gave it) may not be written now.
  void checkWritable(const std::string& file, std::string_view command = "png") const;
  void wrote(const std::string& file) { written_.insert(file); }

 private:
  std::string folder_;  // absolute and normal; empty: the current folder
  bool overwrite_ = false;
  std::set<std::string> written_;
};

}  // namespace sw4
