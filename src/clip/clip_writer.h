#pragma once
// Writes frames of the view to a clip: a video through the `ffmpeg` program (raw frames fed
// through a pipe; the encoding is all ffmpeg's), or a sequence of PNG files written here with the
// same encoder as `shot`, so the frame of a tick is byte for byte the `shot` of that tick.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace sw4 {

enum class ClipKind { Mp4, WebM, Gif, PngSequence };

// The kind a file name asks for: .mp4 (H.264), .webm (VP9), .gif, or a name holding one
// printf-style number (%d, %05d, ...) and ending in .png; nullopt for anything else.
std::optional<ClipKind> clipKindOf(const std::string& path);

// Whether the `ffmpeg` program is on the PATH, and what to do when it is not.
bool ffmpegFound();
inline constexpr const char* kFfmpegMissing =
    "ffmpeg is not installed: a clip is encoded by the ffmpeg program (Debian: apt-get install "
    "ffmpeg), or write a PNG sequence such as frames/%05d.png";

class ClipWriter {
 public:
  // Opens `path` for frames of width x height pixels at `fps` frames a second. Throws
  // std::runtime_error with a message for the user: ffmpeg missing (what to install), a file that
  // exists without `overwrite`, a PNG pattern that is not one number.
  ClipWriter(const std::string& path, int width, int height, int fps, bool overwrite);
  ~ClipWriter();  // ends the clip as finish() does, swallowing its failure
  ClipWriter(const ClipWriter&) = delete;
  ClipWriter& operator=(const ClipWriter&) = delete;

  // One frame of width x height 0xFFRRGGBB words, a row every `stride` words; throws
  // std::runtime_error when it cannot be written (ffmpeg ended early, a full disk).
  void write(const std::uint32_t* words, int stride);
  // Ends the clip and waits for ffmpeg; throws std::runtime_error when it failed.
  void finish();

  long frames() const { return frames_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  // What ffmpeg said, read once it has ended; closes the file.
  std::string takeErrors();

  std::string path_;
  ClipKind kind_;
  int width_, height_;
  bool overwrite_;
  long frames_ = 0;
  int pipe_ = -1;    // ffmpeg's standard input
  pid_t pid_ = -1;   // ffmpeg
  int errors_ = -1;  // where ffmpeg's messages go
  bool finished_ = false;
};

}  // namespace sw4
