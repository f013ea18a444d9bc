#include "recording/world_hash.h"

#include <bit>
#include <cstdio>
#include <string_view>
#include <variant>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world_variables.h"

namespace sw4 {

namespace {

class Fnv1a {
 public:
  void byte(std::uint8_t b) { h_ = (h_ ^ b) * 0x100000001b3ull; }
  // Little-endian whatever the machine, so a hash means the same everywhere.
  void word(std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) byte(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void number(double v) { word(std::bit_cast<std::uint64_t>(v), 8); }
  void number(std::int16_t v) { word(static_cast<std::uint16_t>(v), 2); }
  void number(std::int32_t v) { word(static_cast<std::uint32_t>(v), 4); }
  void text(std::string_view s) {
    word(s.size(), 4);
    for (char c : s) byte(static_cast<std::uint8_t>(c));
  }
  std::uint64_t value() const { return h_; }

 private:
  std::uint64_t h_ = 0xcbf29ce484222325ull;
};

void hashWorld(Fnv1a& f, const World& w) {
  for (const BodyArray& a : kBodyArrays)
    std::visit([&](auto member) { for (auto v : w.*member) f.number(v); }, a.field);
  for (const WorldVariable& v : kWorldVariables)
    std::visit([&](auto member) { f.number(w.*member); }, v.field);
}

}  // namespace

std::uint64_t worldHash(const Sim& sim) {
  Fnv1a f;
  hashWorld(f, sim.world);
  for (std::uint32_t s : sim.rnd.state()) f.word(s, 4);
  for (const Control& c : sim.form.all()) {
    f.text(c.fullName());
    f.text(c.text());
    f.number(static_cast<std::int32_t>(c.value()));
  }
  const Surface& s = sim.surface;
  for (int v : {sim.widthTwips(), sim.heightTwips(), s.widthPixels(), s.heightPixels()})
    f.number(static_cast<std::int32_t>(v));
  for (int y = 0; y < s.heightPixels(); ++y) {
    const std::uint32_t* row = s.data() + static_cast<std::size_t>(y) * s.stride();
    for (int x = 0; x < s.widthPixels(); ++x) f.word(row[x] & 0xFFFFFFu, 3);
  }
  return f.value();
}

std::string formatHash(std::uint64_t h) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
  return buf;
}

}  // namespace sw4
