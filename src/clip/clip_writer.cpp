#include "clip/clip_writer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/png_encoding.h"

extern char** environ;

namespace sw4 {

namespace {

const std::regex& pngPattern() {
  // One %d conversion, with an optional zero flag and width; %% for a percent sign.
  static const std::regex r(R"(^([^%]|%%)*%0?[0-9]?d([^%]|%%)*\.png$)", std::regex::icase);
  return r;
}

// A file name's ending in any case: "clip.MP4" is an mp4 (ffmpeg reads it so too).
bool endsWith(const std::string& s, const char* tail) {
  const std::size_t n = std::strlen(tail);
  return s.size() >= n && ::strncasecmp(s.c_str() + s.size() - n, tail, n) == 0;
}

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// What ffmpeg is told for each kind, after its raw input. yuv420p wants even sides.
std::vector<std::string> encoderArguments(ClipKind kind) {
  const std::string even = "pad=ceil(iw/2)*2:ceil(ih/2)*2";
  switch (kind) {
    case ClipKind::Mp4:
      // The fastest preset: at 1920x1080 the encoder takes most of a clip's time, and dots on
      // black stay small even so (about 30 MB a minute).
      return {"-vf",  even, "-c:v",     "libx264", "-preset",   "ultrafast",
              "-crf", "18", "-pix_fmt", "yuv420p", "-movflags", "+faststart"};
    case ClipKind::WebM:
      return {"-vf",       even, "-c:v",     "libvpx-vp9", "-deadline", "realtime",
              "-cpu-used", "8",  "-row-mt",  "1",          "-b:v",      "0",
              "-crf",      "30", "-pix_fmt", "yuv420p"};
    case ClipKind::Gif:
      // A palette for each frame, so nothing waits for the whole clip; ordered dithering, the
      // fastest that keeps gradients.
      return {"-vf",
              "split[a][b];[a]palettegen=stats_mode=single[p];[b][p]paletteuse=new=1:dither=bayer"};
    case ClipKind::PngSequence:
      break;
  }
  return {};
}

std::string readAll(int fd) {
  std::string all;
  char buf[4096];
  ::lseek(fd, 0, SEEK_SET);
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR);)
    if (n > 0) all.append(buf, static_cast<std::size_t>(n));
  return all;
}

}  // namespace

bool ffmpegFound() {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (!dir.empty() && ::access((dir + "/ffmpeg").c_str(), X_OK) == 0) return true;
  return false;
}

std::optional<ClipKind> clipKindOf(const std::string& path) {
  if (endsWith(path, ".mp4")) return ClipKind::Mp4;
  if (endsWith(path, ".webm")) return ClipKind::WebM;
  if (endsWith(path, ".gif")) return ClipKind::Gif;
  if (std::regex_match(path, pngPattern())) return ClipKind::PngSequence;
  return std::nullopt;
}

ClipWriter::ClipWriter(const std::string& path, int width, int height, int fps, bool overwrite)
    : path_(path), width_(width), height_(height), overwrite_(overwrite) {
  const auto kind = clipKindOf(path);
  if (!kind)
    throw std::runtime_error(path +
                             ": a clip is .mp4, .webm, .gif or a PNG pattern such as "
                             "frames/%05d.png");
  kind_ = *kind;
  if (width <= 0 || height <= 0) throw std::runtime_error("the clip's picture is empty");
  if (kind_ == ClipKind::PngSequence) return;  // each frame's file is checked as it comes
  if (exists(path) && !overwrite)
    throw std::runtime_error(path + " exists (--overwrite replaces it)");

  // Where ffmpeg's messages go: a file without a name, so a run killed midway leaves none.
  char errorsName[] = "/tmp/sw4-clip-XXXXXX";
  errors_ = ::mkostemp(errorsName, O_CLOEXEC);
  if (errors_ < 0) throw std::runtime_error(std::string("no temporary file: ") + strerror(errno));
  ::unlink(errorsName);
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    ::close(errors_);
    errors_ = -1;
    throw std::runtime_error(std::string("no pipe: ") + strerror(errno));
  }
  std::vector<std::string> args = {
      "ffmpeg",    "-hide_banner",
      "-loglevel", "error",
      "-nostdin",  "-y",
      "-f",        "rawvideo",
      "-pix_fmt",  "bgra",
      "-s",        std::to_string(width) + "x" + std::to_string(height),
      "-r",        std::to_string(fps),
      "-i",        "pipe:0"};
  for (auto& a : encoderArguments(kind_)) args.push_back(a);
  args.push_back(path);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errors_, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errors_, STDERR_FILENO);
  const int spawned = posix_spawnp(&pid_, "ffmpeg", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[0]);
  if (spawned != 0) {
    ::close(fds[1]);
    ::close(errors_);
    errors_ = -1;
    pid_ = -1;
    if (spawned == ENOENT) throw std::runtime_error(kFfmpegMissing);
    throw std::runtime_error(std::string("cannot start ffmpeg: ") + strerror(spawned));
  }
  pipe_ = fds[1];
  // A write to an ffmpeg that ended is an error to report, not a signal that ends us.
  ::signal(SIGPIPE, SIG_IGN);
}

ClipWriter::~ClipWriter() {
  try {
    finish();
  } catch (...) {
  }
}

void ClipWriter::write(const std::uint32_t* words, int stride) {
  if (finished_) throw std::runtime_error("the clip is finished");
  ++frames_;
  if (kind_ == ClipKind::PngSequence) {
    char name[4096];
    std::snprintf(name, sizeof name, path_.c_str(), static_cast<int>(frames_));
    if (!overwrite_ && exists(name))
      throw std::runtime_error(std::string(name) + " exists (--overwrite replaces it)");
    if (!writePngFile(name, width_, height_, words, stride))
      throw std::runtime_error(std::string("cannot write ") + name + ": " +
                               (errno ? strerror(errno) : "the write failed"));
    return;
  }
  for (int y = 0; y < height_; ++y) {
    const char* row = reinterpret_cast<const char*>(words + static_cast<std::size_t>(y) * stride);
    std::size_t left = static_cast<std::size_t>(width_) * 4;
    while (left > 0) {
      const ssize_t n = ::write(pipe_, row, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const std::string why = strerror(errno);
        finished_ = true;
        ::close(pipe_);
        pipe_ = -1;
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        const std::string said = takeErrors();
        throw std::runtime_error("ffmpeg stopped taking frames (" + why + ")" +
                                 (said.empty() ? "" : ": " + said));
      }
      row += n;
      left -= static_cast<std::size_t>(n);
    }
  }
}

void ClipWriter::finish() {
  if (finished_) return;
  finished_ = true;
  if (pid_ < 0) return;
  ::close(pipe_);
  pipe_ = -1;
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  const std::string said = takeErrors();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("ffmpeg could not write " + path_ + (said.empty() ? "" : ": " + said));
}

std::string ClipWriter::takeErrors() {
  if (errors_ < 0) return {};
  std::string said = readAll(errors_);
  ::close(errors_);
  errors_ = -1;
  return said;
}

}  // namespace sw4
