#pragma once
#include <cstdio>
#include <string>
#include <string_view>

namespace sw4 {

// The file a recording goes to, created or emptied when opened. The recorder hands it text in
// large pieces; each piece goes to the file at once, so a failure shows at the piece that met it.
class RecordingFile {
 public:
  explicit RecordingFile(const std::string& path);
  ~RecordingFile();
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  bool write(std::string_view text);
  bool close();
  // What went wrong, naming the file; empty while nothing did.
  const std::string& error() const { return error_; }

 private:
  void fail(const char* what);

  std::string path_;
  std::FILE* file_ = nullptr;
  std::string error_;
};

}  // namespace sw4
