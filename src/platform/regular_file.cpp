#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sw4 {

namespace {

constexpr long kProcMagic = 0x9fa0;       // PROC_SUPER_MAGIC
constexpr long kSysfsMagic = 0x62656572;  // SYSFS_MAGIC

bool madeUp(const struct statfs& fs) {
  return static_cast<long>(fs.f_type) == kProcMagic || static_cast<long>(fs.f_type) == kSysfsMagic;
}

FileKind kindOf(const struct stat& st, bool made) {
  if (S_ISDIR(st.st_mode)) return FileKind::Directory;
  if (S_ISFIFO(st.st_mode)) return FileKind::Fifo;
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return FileKind::Device;
  if (S_ISSOCK(st.st_mode)) return FileKind::Socket;
  if (!S_ISREG(st.st_mode)) return FileKind::Unknown;
  return made ? FileKind::Made : FileKind::Regular;
}

// The reason for a kind that is not a regular file; empty for a regular file.
std::string refusal(FileKind kind) {
  switch (kind) {
    case FileKind::Directory:
      return "is a directory, not a file";
    case FileKind::Fifo:
      return "is a named pipe (FIFO), not a regular file";
    case FileKind::Device:
      return "is a device, not a regular file";
    case FileKind::Socket:
      return "is a socket, not a regular file";
    case FileKind::Made:
      return "is made up by the system as it is read (/proc, /sys), not a regular file";
    case FileKind::Unknown:
      return "is not a regular file";
    default:
      return {};
  }
}

std::string systemReason(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error);
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

FileKind fileKind(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT ? FileKind::Missing : FileKind::Unknown;
  struct statfs fs {};
  return kindOf(st, ::statfs(path.c_str(), &fs) == 0 && madeUp(fs));
}

std::string whyNotReadable(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return systemReason("cannot be opened", errno);
  struct statfs fs {};
  return refusal(kindOf(st, ::statfs(path.c_str(), &fs) == 0 && madeUp(fs)));
}

std::string whyNotWritable(const std::string& path) {
  if (path.empty()) return systemReason("cannot be written", ENOENT);
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    struct statfs fs {};
    return refusal(kindOf(st, ::statfs(path.c_str(), &fs) == 0 && madeUp(fs)));
  }
  if (errno != ENOENT) return systemReason("cannot be written", errno);
  struct statfs fs {};
  if (::statfs(folderOf(path).c_str(), &fs) != 0) return systemReason("cannot be written", errno);
  if (madeUp(fs)) return "is in /proc or /sys, where the system makes up its files";
  return {};
}

FileContent readRegularFile(const std::string& path, std::size_t maxBytes) {
  // Not blocking: a FIFO opens at once, and is refused by what fstat says of it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {{}, systemReason("cannot be opened", errno)};
  FileContent r;
  struct stat st {};
  struct statfs fs {};
  if (::fstat(fd, &st) != 0 || ::fstatfs(fd, &fs) != 0) {
    r.error = systemReason("cannot be read", errno);
  } else if (const std::string why = refusal(kindOf(st, madeUp(fs))); !why.empty()) {
    r.error = why;
  } else {
    r.content.resize(maxBytes + 1);
    std::size_t got = 0;
    while (got < r.content.size()) {
      const ssize_t n = ::read(fd, r.content.data() + got, r.content.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        r.error = systemReason("cannot be read", errno);
        break;
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    r.content.resize(got);
    if (r.error.empty() && got > maxBytes)
      r.error = "is larger than " + std::to_string(maxBytes) + " bytes";
  }
  ::close(fd);
  if (!r.error.empty()) r.content.clear();
  return r;
}

}  // namespace sw4
