#include "recording/recording_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sw4 {

namespace {

const char* kindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISDIR(mode)) return "a folder";
  return "something else";
}

}  // namespace

RecordingFile::RecordingFile(const std::string& path) {
  // Not truncated on opening: only once it is known to be a regular file.
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd_ < 0) {
    const int err = errno;
    // A FIFO that nobody reads refuses a writer that does not wait.
    struct stat st {};
    if (err == ENXIO && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
      refuse(st.st_mode);
    } else {
      fail(err);
    }
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    fail(errno);
  } else if (!S_ISREG(st.st_mode)) {
    refuse(st.st_mode);
  } else if (::ftruncate(fd_, 0) != 0) {
    fail(errno);
  } else {
    return;
  }
  ::close(fd_);
  fd_ = -1;
}

RecordingFile::~RecordingFile() { close(); }

bool RecordingFile::write(std::string_view text) {
  if (fd_ < 0) return false;
  while (!text.empty()) {
    const ssize_t n = ::write(fd_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fail(n < 0 ? errno : ENOSPC);
      ::close(fd_);
      fd_ = -1;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool RecordingFile::close() {
  if (fd_ < 0) return error_.empty();
  const bool ok = ::close(fd_) == 0;
  if (!ok) fail(errno);
  fd_ = -1;
  return ok;
}

void RecordingFile::fail(int err) {
  error_ = std::strerror(err);
}

void RecordingFile::refuse(unsigned mode) {
  error_ = std::string("it is ") + kindOf(mode) + ", not a regular file";
}

}  // namespace sw4
