#include "recording/world_hash.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <variant>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world_variables.h"
#include "recording/world_hash_v1.h"

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

// A number at the width version 1 froze for it; a double stays a double.
template <typename V>
void frozenNumber(Fnv1a& f, hash_v1::Width width, V v) {
  if (width == hash_v1::Width::Double || std::is_floating_point_v<V>) {
    f.number(static_cast<double>(v));
  } else if (width == hash_v1::Width::Int16) {
    f.number(static_cast<std::int16_t>(v));
  } else {
    f.number(static_cast<std::int32_t>(v));
  }
}

template <typename Table>
const auto* byName(const Table& table, std::string_view name) {
  for (const auto& entry : table)
    if (entry.name == name) return &entry;
  return static_cast<decltype(&table[0])>(nullptr);
}

void hashWorldV1(Fnv1a& f, const World& w) {
  for (const hash_v1::Number& a : hash_v1::kBodyArrays) {
    const BodyArray* now = byName(kBodyArrays, a.name);
    int i = 0;
    if (now)
      std::visit(
          [&](auto member) {
            for (; i < std::min(hash_v1::kBodySlots, kBodySlots); ++i)
              frozenNumber(f, a.width, (w.*member)[i]);
          },
          now->field);
    for (; i < hash_v1::kBodySlots; ++i) frozenNumber(f, a.width, 0);
  }
  for (const hash_v1::Number& v : hash_v1::kWorldVariables) {
    const WorldVariable* now = byName(kWorldVariables, v.name);
    if (!now) {
      frozenNumber(f, v.width, 0);
      continue;
    }
    std::visit([&](auto member) { frozenNumber(f, v.width, w.*member); }, now->field);
  }
}

// "Och(3)" as Och, 3; "TXn" as TXn, -1.
const Control* controlNamed(const FormControls& form, std::string_view fullName) {
  const auto open = fullName.find('(');
  if (open == std::string_view::npos) return form.find(fullName);
  int index = 0;
  std::from_chars(fullName.data() + open + 1, fullName.data() + fullName.size(), index);
  return form.find(fullName.substr(0, open), index);
}

void hashControlsV1(Fnv1a& f, const FormControls& form) {
  std::string_view names = hash_v1::kControls;
  while (!names.empty()) {
    const std::string_view name = names.substr(0, names.find(' '));
    names.remove_prefix(std::min(names.size(), name.size() + 1));
    const Control* c = controlNamed(form, name);
    f.text(name);
    f.text(c ? std::string_view(c->text()) : std::string_view());
    f.number(static_cast<std::int32_t>(c ? c->value() : 0));
  }
}

}  // namespace

bool knownWorldHashVersion(long version) {
  return version == 1;
}

std::uint64_t worldHash(const Sim& sim, int version) {
  if (!knownWorldHashVersion(version))
    throw std::invalid_argument("no WorldHash version " + std::to_string(version));
  Fnv1a f;
  hashWorldV1(f, sim.world);
  for (std::uint32_t s : sim.rnd.state()) f.word(s, 4);
  hashControlsV1(f, sim.form);
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
