#include "script/png_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "model/sim.h"
#include "program/program.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t be32(const Bytes& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
         (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

// Bit by bit, independent of the table-driven encoder.
std::uint32_t slowCrc(const std::uint8_t* p, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFF;
  for (std::size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

struct Decoded {
  std::uint32_t width = 0, height = 0;
  Bytes raw;  // filter byte + RGB per row
  std::string problem;
};

// Reads a PNG made of stored deflate blocks; every CRC and the Adler sum are checked.
Decoded decode(const Bytes& png) {
  Decoded d;
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 8 || !std::equal(signature.begin(), signature.end(), png.begin()))
    return d.problem = "signature", d;
  Bytes z;
  std::size_t at = 8;
  std::string last;
  while (at + 12 <= png.size()) {
    const std::uint32_t len = be32(png, at);
    if (at + 12 + len > png.size()) return d.problem = "chunk length", d;
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    if (slowCrc(png.data() + at + 4, len + 4) != be32(png, at + 8 + len))
      return d.problem = "crc of " + type, d;
    if (type == "IHDR") {
      d.width = be32(png, at + 8);
      d.height = be32(png, at + 12);
      if (png[at + 16] != 8 || png[at + 17] != 2) return d.problem = "not 8-bit RGB", d;
    }
    if (type == "IDAT") z.insert(z.end(), png.begin() + at + 8, png.begin() + at + 8 + len);
    last = type;
    at += 12 + len;
  }
  if (last != "IEND" || at != png.size()) return d.problem = "no IEND at the end", d;
  if (z.size() < 6 || (z[0] * 256 + z[1]) % 31 != 0) return d.problem = "zlib header", d;
  std::size_t p = 2;
  for (bool final = false; !final;) {
    if (p + 5 > z.size()) return d.problem = "truncated block", d;
    final = z[p] & 1;
    if ((z[p] >> 1) != 0) return d.problem = "not a stored block", d;
    const unsigned len = z[p + 1] | (z[p + 2] << 8);
    const unsigned nlen = z[p + 3] | (z[p + 4] << 8);
    if ((len ^ 0xFFFF) != nlen || p + 5 + len > z.size()) return d.problem = "block length", d;
    d.raw.insert(d.raw.end(), z.begin() + p + 5, z.begin() + p + 5 + len);
    p += 5 + len;
  }
  if (p + 4 != z.size() || be32(z, p) != adler32(d.raw.data(), d.raw.size()))
    return d.problem = "adler", d;
  return d;
}

TEST(PngWriter, ChecksumsMatchKnownValues) {
  const std::string s = "123456789";
  const auto* p = reinterpret_cast<const std::uint8_t*>(s.data());
  EXPECT_EQ(crc32(p, s.size()), 0xCBF43926u);
  EXPECT_EQ(crc32(p + 4, 5, crc32(p, 4)), 0xCBF43926u);  // in pieces
  const std::string w = "Wikipedia";
  EXPECT_EQ(adler32(reinterpret_cast<const std::uint8_t*>(w.data()), w.size()), 0x11E60398u);
}

TEST(PngWriter, SmallImageDecodesToItsPixels) {
  const std::vector<std::uint32_t> words = {0xFF102030, 0xFFFFFFFF, 0xFF000000,
                                            0xFFA0B0C0, 0xFF010203, 0xFF7F8081};
  const Decoded d = decode(encodePng(3, 2, words.data()));
  ASSERT_EQ(d.problem, "");
  EXPECT_EQ(d.width, 3u);
  EXPECT_EQ(d.height, 2u);
  const Bytes expected = {0, 0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF, 0,    0,    0,
                          0, 0xA0, 0xB0, 0xC0, 1,    2,    3,    0x7F, 0x80, 0x81};
  EXPECT_EQ(d.raw, expected);
}

TEST(PngWriter, LargeImageSpansSeveralStoredBlocks) {
  const int w = 200, h = 150;  // 90150 bytes of rows: two blocks
  std::vector<std::uint32_t> words(w * h);
  for (std::size_t i = 0; i < words.size(); ++i)
    words[i] = static_cast<std::uint32_t>(i * 2654435761u);
  const Decoded d = decode(encodePng(w, h, words.data()));
  ASSERT_EQ(d.problem, "");
  ASSERT_EQ(d.raw.size(), static_cast<std::size_t>(h) * (1 + w * 3));
  const std::size_t row = 1 + w * 3;
  const std::uint32_t last = words.back();
  EXPECT_EQ(d.raw[(h - 1) * row], 0);
  EXPECT_EQ(d.raw[(h - 1) * row + 1 + (w - 1) * 3], static_cast<std::uint8_t>(last >> 16));
  EXPECT_EQ(d.raw.back(), static_cast<std::uint8_t>(last));
}

TEST(PngWriter, ScriptSavesTheSurface) {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine(sim, out);
  engine.setOutput(OutputPlace(::testing::TempDir(), true));
  const std::string path = ::testing::TempDir() + "sw4_script_test.png";
  std::istringstream sizing("size 600 450\n");
  ASSERT_FALSE(engine.run(sizing));
  sim.surface.setPixel(15 * 39, 15 * 29, rgb(9, 8, 7));  // the last pixel
  std::istringstream saving("png " + path + "\n");
  ASSERT_FALSE(engine.run(saving));
  std::ifstream f(path, std::ios::binary);
  const Bytes png((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  std::remove(path.c_str());
  const Decoded d = decode(png);
  ASSERT_EQ(d.problem, "");
  EXPECT_EQ(d.width, 40u);
  EXPECT_EQ(d.height, 30u);
  const Color bg = sim.surface.background();
  EXPECT_EQ(d.raw[1], redOf(bg));
  EXPECT_EQ(d.raw[3], blueOf(bg));
  const Bytes lastPixel(d.raw.end() - 3, d.raw.end());
  EXPECT_EQ(lastPixel, (Bytes{9, 8, 7}));
}

TEST(PngWriter, EmptySurfaceIsAScriptError) {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine(sim, out);
  std::istringstream script("size 0 450\npng never.png\n");
  const auto failure = engine.run(script);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->line, 2);
  EXPECT_NE(failure->message.find("empty"), std::string::npos);
}

// A replayed script writes only below its folder, and replaces only its own files unless the
// command line allows more.
TEST(PngWriter, AScriptWritesOnlyWhereItsCommandLineAllows) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(::testing::TempDir()) / "sw4_png_place";
  const fs::path outside = fs::path(::testing::TempDir()) / "sw4_png_outside.png";
  fs::remove_all(dir);
  fs::remove(outside);
  fs::create_directories(dir / "sub");
  std::ofstream(dir / "old.png") << "keep";
  const auto run = [&dir](const std::string& line, bool overwrite = false) {
    Program sim;
    std::ostringstream out;
    ScriptEngine engine(sim, out);
    engine.setOutput(OutputPlace(dir.string(), overwrite));
    std::istringstream script("size 600 450\n" + line + "\n");
    return engine.run(script);
  };
  for (const std::string& bad : {"png " + outside.string(), std::string("png ../x.png"),
                                 std::string("png sub/../../x.png"), std::string("png old.png")}) {
    const auto failure = run(bad);
    ASSERT_TRUE(failure) << bad;
    EXPECT_EQ(failure->line, 2) << bad;
  }
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_FALSE(fs::exists(dir.parent_path() / "x.png"));
  std::ifstream old(dir / "old.png");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "keep");
  EXPECT_FALSE(run("png sub/new.png\npng " + (dir / "sub/new.png").string()));  // its own file
  EXPECT_FALSE(run("png old.png", true));
  EXPECT_GT(fs::file_size(dir / "old.png"), 4u);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace sw4
