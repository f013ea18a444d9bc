#pragma once
// Files a user names, checked before they are opened: a setup, a picture, a CSV file or a
// recording is read or written whole, so only a regular file of an ordinary file system will do.
// Neither check nor read ever waits on what stands at the path (a FIFO, a device).
#include <cstddef>
#include <string>

namespace sw4 {

enum class FileKind {
  Missing,  // nothing at the path (the path itself may be bad: see the reason)
  Regular,  // a regular file of an ordinary file system
  Directory,
  Fifo,
  Device,
  Socket,
  Made,     // a file the system makes up as it is read (/proc, /sys)
  Unknown,  // the path cannot be examined
};

// What stands at `path`, symbolic links followed.
FileKind fileKind(const std::string& path);

// Why `path` cannot be read as a file of its own, or empty when it can, phrased to follow the
// file's name ("is a directory", "cannot be opened: No such file or directory").
std::string whyNotReadable(const std::string& path);
// Why `path` cannot be written as a file of its own: it may be missing (it is created), but what
// stands there must be a regular file, and a new file's folder must be an ordinary one.
std::string whyNotWritable(const std::string& path);

// A whole regular file of at most maxBytes. It is opened without waiting and checked before it
// is read; `error` says why not (as above), or that it is larger than maxBytes.
struct FileContent {
  std::string content;
  std::string error;  // empty: `content` is the whole file
};
FileContent readRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace sw4
