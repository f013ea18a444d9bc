#include "recording/recording_file.h"

#include <cerrno>
#include <cstring>

namespace sw4 {

RecordingFile::RecordingFile(const std::string& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) fail("cannot create");
}

RecordingFile::~RecordingFile() { close(); }

bool RecordingFile::write(std::string_view text) {
  if (!file_) return false;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::fflush(file_) != 0) {
    fail("cannot write");
    std::fclose(file_);
    file_ = nullptr;
    return false;
  }
  return true;
}

bool RecordingFile::close() {
  if (!file_) return error_.empty();
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!ok) fail("cannot write");
  return ok;
}

void RecordingFile::fail(const char* what) {
  error_ = std::string(what) + " " + path_ + ": " + std::strerror(errno);
}

}  // namespace sw4
