#include "script/output_place.h"

#include <filesystem>

#include "platform/regular_file.h"
#include "script/script_error.h"
#include "script/script_numbers.h"

namespace sw4 {

namespace fs = std::filesystem;

OutputPlace::OutputPlace(const std::string& folder, bool overwrite) : overwrite_(overwrite) {
  if (!folder.empty()) folder_ = fs::absolute(fs::path(folder)).lexically_normal().string();
  while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

std::string OutputPlace::resolve(std::string_view text, std::string_view command) const {
  const std::string opening = std::string(command) + ": ";
  const fs::path path{std::string(text)};
  for (const fs::path& part : path)
    if (part == "..")
      throw ScriptError(opening + sw4::quoted(text) + " may not climb out with \"..\"");
  if (!path.is_absolute())
    return folder_.empty() ? path.string() : (fs::path(folder_) / path).string();
  const std::string normal = path.lexically_normal().string();
  const bool below = !folder_.empty() && normal.size() > folder_.size() &&
                     normal.compare(0, folder_.size(), folder_) == 0 &&
                     (folder_ == "/" || normal[folder_.size()] == '/');
  if (!below)
    throw ScriptError(opening + sw4::quoted(text) +
                      " is an absolute path: files go below the current folder, or below the "
                      "folder --out names");
  return normal;
}

void OutputPlace::checkWritable(const std::string& file, std::string_view command) const {
  const std::string opening = std::string(command) + ": ";
  if (const std::string why = whyNotWritable(file); !why.empty())
    throw ScriptError(opening + sw4::quoted(file) + " " + why);
  if (!overwrite_ && fileKind(file) == FileKind::Regular && !written_.contains(file))
    throw ScriptError(opening + sw4::quoted(file) +
                      " exists; sw4-script replaces a file only with --overwrite");
}

}  // namespace sw4
