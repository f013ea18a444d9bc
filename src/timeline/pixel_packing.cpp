#include "timeline/pixel_packing.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace sw4 {

namespace {

constexpr std::size_t kMaxColours = 256;

// Colour -> index: open addressing over a table far larger than the colours it holds, so that
// nearly every look-up is one compare.
class ColourTable {
 public:
  // Every slot starts with a word that does not belong there, so it matches nothing.
  ColourTable() {
    for (std::uint32_t s = 0; s < kSlots; ++s) keys_[s] = slotOf(0) == s ? 1 : 0;
  }
  // Words to indices while they fit in a byte; false once a 257th colour comes.
  bool index(const std::uint32_t* words, std::size_t count, std::uint8_t* out) {
    const std::uint32_t* keys = keys_.data();
    const std::uint8_t* index = index_.data();
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint32_t w = words[i];
      const std::uint32_t slot = slotOf(w);
      if (keys[slot] == w) {
        out[i] = index[slot];
        continue;
      }
      const int k = add(w);
      if (k < 0) return false;
      out[i] = static_cast<std::uint8_t>(k);
    }
    return true;
  }
  const std::vector<std::uint32_t>& colours() const { return colours_; }

 private:
  static constexpr int kSlotBits = 12;
  static constexpr std::uint32_t kSlots = 1u << kSlotBits;
  static std::uint32_t slotOf(std::uint32_t word) {
    return (word * 0x9E3779B1u) >> (32 - kSlotBits);
  }
  // A colour not in its own slot: further along (another took the slot), or new.
  int add(std::uint32_t word) {
    std::uint32_t slot = slotOf(word);
    for (; used_[slot]; slot = (slot + 1) & (kSlots - 1))
      if (keys_[slot] == word) return index_[slot];
    if (colours_.size() == kMaxColours) return -1;
    used_[slot] = true;
    keys_[slot] = word;
    index_[slot] = static_cast<std::uint8_t>(colours_.size());
    colours_.push_back(word);
    return index_[slot];
  }
  std::array<std::uint32_t, kSlots> keys_;
  std::array<std::uint8_t, kSlots> index_{};
  std::array<bool, kSlots> used_{};
  std::vector<std::uint32_t> colours_;
};

}  // namespace

void packPixels(const std::uint32_t* words, std::size_t count, ByteWriter& into) {
  // The count of colours, a table of room for all, then the indices written in place.
  std::string& bytes = into.bytes();
  const std::size_t start = bytes.size();
  constexpr std::size_t kHead = sizeof(std::uint32_t) * (1 + kMaxColours);
  bytes.resize(start + kHead + count);
  ColourTable table;
  if (!table.index(words, count, reinterpret_cast<std::uint8_t*>(bytes.data() + start + kHead))) {
    bytes.resize(start);
    into.put(std::uint32_t{0});
    into.putRaw(words, count * sizeof(std::uint32_t));
    return;
  }
  const std::vector<std::uint32_t>& colours = table.colours();
  const auto n = static_cast<std::uint32_t>(colours.size());
  std::memcpy(bytes.data() + start, &n, sizeof n);
  std::memset(bytes.data() + start + sizeof n, 0, kHead - sizeof n);
  if (n > 0)
    std::memcpy(bytes.data() + start + sizeof n, colours.data(), n * sizeof(std::uint32_t));
}

void unpackPixels(ByteReader& from, std::uint32_t* words, std::size_t count) {
  std::uint32_t colours = 0;
  from.get(colours);
  if (colours == 0 || colours > kMaxColours) {
    from.getRaw(words, count * sizeof(std::uint32_t));
    return;
  }
  std::array<std::uint32_t, kMaxColours> table{};
  from.get(table);
  std::vector<std::uint8_t> indices(count);
  from.getRaw(indices.data(), count);
  for (std::size_t i = 0; i < count; ++i) words[i] = table[indices[i]];
}

}  // namespace sw4
