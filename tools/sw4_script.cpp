// sw4-script: runs a driver script (a file, or standard input) against the form model with no
// display and virtual time. Output on standard output; a script error stops the run with
// "line N: message" on standard error and exit status 2, an `expect` that does not hold with
// exit status 3, a recording cut short (or an empty script) with exit status 4. Exit status 1 when
// the command line is wrong, the script cannot be read or a clip (--video) cannot be written.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "clip/clip_recorder.h"
#include "model/sim.h"
#include "platform/regular_file.h"
#include "program/program.h"
#include "script/script_engine.h"

namespace {

constexpr std::string_view kUsage =
    "usage: sw4-script [--out DIR] [--overwrite] [--progress] [FILE | -]\n"
    "       sw4-script --video CLIP [--fps N] [--every K] [--size WxH] [--overwrite] [--progress]\n"
    "                  [FILE | -]\n"
    "Runs a script of user actions against SW4 with no display (standard input when FILE is\n"
    "- or missing and standard input is not a terminal).\n"
    "  --out DIR     png and shot write below DIR (default: below the current directory)\n"
    "  --overwrite   png, shot and --video may replace an existing file\n"
    "  --video CLIP  writes a frame of the view every K ticks to CLIP: .mp4 (H.264), .webm\n"
    "                (VP9) or .gif through the ffmpeg program, or PNG files named by a\n"
    "                pattern such as frames/%05d.png (frame 1 is the view after tick K)\n"
    "  --fps N       the clip's frames a second (1..240, default 30)\n"
    "  --every K     a frame every K ticks (1..1000000, default 1)\n"
    "  --size WxH    the clip's pixels (each 1..8192; default: the drawing's own)\n"
    "  --progress    after every tick writes \"tick N\" (the ticks run so far) on standard error\n"
    "  --help        shows this help\n"
    "  --version     shows the version\n"
    "Exit status: 0 done, 1 bad command line, unreadable script or clip not written,\n"
    "2 script error, 3 an expect did not hold, 4 a recording cut short or an empty script.\n";

struct Options {
  std::string file;  // empty: standard input
  bool fileGiven = false;
  std::string out;
  bool overwrite = false;
  bool progress = false;
  sw4::ClipSettings clip;    // path empty: no clip
  bool clipOptions = false;  // --fps, --every or --size given
};

// A whole number lo..hi, the whole of `text`.
std::optional<int> wholeNumber(std::string_view text, int lo, int hi) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
    return std::nullopt;
  return v;
}

int usageError(const std::string& what) {
  std::cerr << "sw4-script: " << what << "\n" << kUsage;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--version") {
      std::cout << "sw4-script " << SW4_VERSION << "\n";
      return 0;
    }
    if (a == "--overwrite") {
      o.overwrite = true;
    } else if (a == "--progress") {
      o.progress = true;
    } else if (a == "--out" || a.starts_with("--out=")) {
      if (a == "--out" && i + 1 == argc) return usageError("--out needs a directory");
      o.out = a == "--out" ? argv[++i] : std::string(a.substr(6));
      if (o.out.empty()) return usageError("--out needs a directory");
    } else if (a == "--video" || a == "--fps" || a == "--every" || a == "--size") {
      if (i + 1 == argc) return usageError(std::string(a) + " needs a value");
      const std::string_view v = argv[++i];
      if (a == "--video") {
        o.clip.path = v;
        if (!sw4::clipKindOf(o.clip.path))
          return usageError("--video " + o.clip.path +
                            ": a clip is .mp4, .webm, .gif or a PNG pattern such as "
                            "frames/%05d.png");
        continue;
      }
      o.clipOptions = true;
      if (a == "--fps") {
        const auto n = wholeNumber(v, 1, 240);
        if (!n) return usageError("--fps takes 1..240");
        o.clip.fps = *n;
      } else if (a == "--every") {
        const auto n = wholeNumber(v, 1, 1000000);
        if (!n) return usageError("--every takes 1..1000000");
        o.clip.every = *n;
      } else {
        const auto x = v.find('x');
        const auto w =
            x == std::string_view::npos ? std::nullopt : wholeNumber(v.substr(0, x), 1, 8192);
        const auto h =
            x == std::string_view::npos ? std::nullopt : wholeNumber(v.substr(x + 1), 1, 8192);
        if (!w || !h) return usageError("--size takes WxH, each 1..8192");
        o.clip.width = *w;
        o.clip.height = *h;
      }
    } else if (a.size() > 1 && a.front() == '-') {
      return usageError("unknown option " + std::string(a));
    } else if (o.fileGiven) {
      return usageError("one script at a time");
    } else {
      o.fileGiven = true;
      if (a != "-") o.file = a;
    }
  }
  if (o.clipOptions && o.clip.path.empty())
    return usageError("--fps, --every and --size need --video");
  o.clip.overwrite = o.overwrite;
  if (!o.clip.path.empty() && sw4::clipKindOf(o.clip.path) != sw4::ClipKind::PngSequence &&
      !sw4::ffmpegFound()) {
    std::cerr << "sw4-script: " << sw4::kFfmpegMissing << "\n";
    return 1;
  }
  if (!o.fileGiven && isatty(STDIN_FILENO)) {
    std::cerr << kUsage;
    return 1;
  }
  if (!o.out.empty() && sw4::fileKind(o.out) != sw4::FileKind::Directory) {
    std::cerr << "sw4-script: --out " << o.out << ": not a directory\n";
    return 1;
  }
  std::ifstream file;
  std::istream* in = &std::cin;
  if (!o.file.empty()) {
    if (sw4::fileKind(o.file) == sw4::FileKind::Directory) {
      std::cerr << "sw4-script: " << o.file << ": is a directory, not a script\n";
      return 1;
    }
    file.open(o.file, std::ios::binary);
    if (!file) {
      std::cerr << "sw4-script: cannot open " << o.file << ": " << std::strerror(errno) << "\n";
      return 1;
    }
    in = &file;
  }
  sw4::Program sim;
  sw4::ScriptEngine engine(sim, std::cout);
  engine.setOutput(sw4::OutputPlace(o.out, o.overwrite));
  std::optional<sw4::ClipRecorder> clip;
  if (!o.clip.path.empty()) {
    o.clip.leaveOut = [&engine] { return engine.timeline().replaying(); };
    clip.emplace(sim, engine.view(), o.clip);
  }
  long ticks = 0;
  if (o.progress)
    sim.tickDone.add([&] {
      if (!engine.timeline().replaying()) std::cerr << sw4::kProgressPrefix << ++ticks << "\n";
    });
  const auto failure = engine.run(*in);
  std::cout.flush();
  if (clip) {
    try {
      clip->finish();
    } catch (const std::exception& e) {
      std::cerr << "sw4-script: clip: " << e.what() << "\n";
      if (!failure) return 1;
    }
  }
  if (failure) {
    if (failure->line > 0) std::cerr << "line " << failure->line << ": ";
    std::cerr << failure->message << "\n";
    return failure->status;
  }
  return 0;
}
