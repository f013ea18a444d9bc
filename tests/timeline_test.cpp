#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/sim.h"
#include "program/program.h"
#include "recording/world_hash.h"
#include "script/script_engine.h"
#include "timeline/compression.h"
#include "timeline/pixel_packing.h"
#include "timeline/position_index.h"

namespace sw4 {
namespace {

// What a script does before each tick of the run, then the tick.
void step(ScriptEngine& e, int tick) {
  if (tick == 20) e.runLine("text TXn 40", 0);
  if (tick == 33) e.runLine("set PlanetX(3) 5000", 0);  // no event: the log cannot replay it
  if (tick == 47) e.runLine("during 5 click Ch2", 0);
  if (tick == 48) e.runLine("scale 1.5", 0);
  if (tick == 70) e.runLine("size 3600 2400", 0);
  e.runLine(tick % 3 == 0 ? "advance 15" : "fire Ti", 0);  // the clock's Ti is due every 15 ms
}

// Snapshots every few ticks and a budget small enough to thin them: a rewind to any position
// gives that position's state, and the same commands from there give the same state at every
// later tick.
TEST(Timeline, RewindRestoresEveryPositionExactly) {
  Program sim;
  std::ostringstream out;
  ScriptEngine e(sim, out, {.memoryBytes = 160u << 10, .snapshotEvery = 4});
  e.runLine("size 3000 2400", 0);
  e.runLine("click Command2", 0);
  constexpr int kTicks = 90;
  std::vector<std::uint64_t> hash{worldHash(sim)};
  for (int t = 1; t <= kTicks; ++t) {
    step(e, t);
    ASSERT_EQ(e.timeline().position(), t);
    hash.push_back(worldHash(sim));
  }
  EXPECT_LE(e.timeline().memoryBytes(), 160u << 10);
  EXPECT_LT(e.timeline().snapshotCount(), static_cast<std::size_t>(kTicks / 4));
  for (int from : {89, 47, 33, 32, 5, 0}) {
    e.rewind(from);
    ASSERT_EQ(e.timeline().position(), from);
    ASSERT_EQ(worldHash(sim), hash[from]) << "at " << from;
    for (int t = from + 1; t <= kTicks; ++t) {
      step(e, t);
      ASSERT_EQ(worldHash(sim), hash[t]) << "tick " << t << " after a rewind to " << from;
    }
  }
}

// After New the positions count from there, and the session is a recording of the branch.
TEST(Timeline, NewStartsTheSessionAndItReplays) {
  Program sim;
  std::ostringstream out;
  ScriptEngine e(sim, out);
  e.runLine("click Command2", 0);
  e.runLine("fire Ti 5", 0);
  e.runLine("new", 0);
  EXPECT_EQ(e.timeline().position(), 0);
  e.runLine("click Command2", 0);
  e.runLine("fire Ti 30", 0);
  e.rewind(12);
  e.runLine("text TXn 25", 0);
  e.runLine("fire Ti 9", 0);
  const std::uint64_t end = worldHash(sim);
  const std::string session = e.timeline().session();

  Program replay;
  std::ostringstream replayOut;
  ScriptEngine r(replay, replayOut);
  std::istringstream in(session);
  EXPECT_FALSE(r.run(in).has_value()) << session;
  EXPECT_EQ(worldHash(replay), end);
  EXPECT_EQ(r.timeline().position(), 21);
}

// Up to 256 colours a pixel takes a byte; a 257th keeps the words as they are. Either way, and
// whether what is kept is compressed (the words) or not (the noise of random bytes), the words
// come back unchanged.
TEST(Timeline, PixelsComeBackWithAndWithoutTheColourTable) {
  std::minstd_rand random(7);
  for (const std::uint32_t colours : {256u, 257u}) {
    std::vector<std::uint32_t> words(300000);
    for (std::uint32_t& w : words) w = 0xFF000000u | random() % colours * 0x010101u;
    ByteWriter w;
    packPixels(words.data(), words.size(), w);
    EXPECT_EQ(w.bytes().size() < words.size() * 2, colours <= 256) << colours;
    Compressor c;
    const std::string raw = expand(c.compressIfItPays(w.bytes(), -5));
    std::vector<std::uint32_t> back(words.size());
    ByteReader r(raw);
    unpackPixels(r, back.data(), back.size());
    EXPECT_EQ(back, words) << colours;
  }
}

// Positions are kept as differences across blocks: every one reads back, also after cutting the
// index anywhere and going on, with differences as large as a word allows.
TEST(Timeline, PositionsReadBackAcrossBlocksAndCuts) {
  std::mt19937_64 rnd(7);
  PositionIndex index;
  index.clear(3);
  std::vector<std::vector<std::int64_t>> kept;
  auto push = [&](std::size_t n) {
    for (std::size_t k = 0; k < n; ++k) {
      std::vector<std::int64_t> v{
          static_cast<std::int64_t>(rnd() >> 20), static_cast<std::int64_t>(rnd() >> 1),
          static_cast<std::int64_t>(rnd()), -5, static_cast<std::int64_t>(rnd() % 3)};
      index.push({static_cast<std::size_t>(v[0]), static_cast<std::uint64_t>(v[1])}, v.data() + 2);
      kept.push_back(v);
    }
  };
  auto check = [&] {
    ASSERT_EQ(index.size(), kept.size());
    for (std::size_t p = 0; p < kept.size(); ++p) {
      std::int64_t host[3];
      const auto e = index.at(p, host);
      ASSERT_EQ(
          std::vector<std::int64_t>({static_cast<std::int64_t>(e.offset),
                                     static_cast<std::int64_t>(e.seq), host[0], host[1], host[2]}),
          kept[p])
          << "position " << p;
    }
  };
  push(200);
  check();
  for (std::size_t cut : {130u, 128u, 64u, 1u}) {
    index.truncate(cut);
    kept.resize(cut);
    push(70);
    check();
  }
}

}  // namespace
}  // namespace sw4
