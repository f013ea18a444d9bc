#pragma once
#include <string>
#include <string_view>

namespace sw4 {

// The file a recording goes to: a regular file, created or emptied when opened. Anything else (a
// FIFO, a device, a directory) is refused, and opening never waits for a reader. The recorder
// hands it whole lines; each piece goes to the system at once (no sync to the disk), so a
// failure shows at the piece that met it.
class RecordingFile {
 public:
  explicit RecordingFile(const std::string& path);
  ~RecordingFile();
  RecordingFile(const RecordingFile&) = delete;
  RecordingFile& operator=(const RecordingFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  bool write(std::string_view text);
  bool close();
  // Why it could not be opened or written (the system's reason); empty while nothing went wrong.
  const std::string& error() const { return error_; }

 private:
  void fail(int err);
  void refuse(unsigned mode);

  int fd_ = -1;
  std::string error_;
};

}  // namespace sw4
