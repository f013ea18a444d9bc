#include "timeline/position_index.h"

#include <algorithm>

namespace sw4 {

void PositionIndex::clear(std::size_t hostWidth) {
  width_ = hostWidth + 2;
  count_ = 0;
  bytes_.clear();
  blocks_.clear();
  last_.assign(width_, 0);
}

void PositionIndex::push(Entry e, const std::int64_t* host) {
  if (count_ % kBlock == 0) {
    blocks_.push_back(bytes_.size());
    std::fill(last_.begin(), last_.end(), 0);
  }
  for (std::size_t i = 0; i < width_; ++i) {
    const std::int64_t v = i == 0   ? static_cast<std::int64_t>(e.offset)
                           : i == 1 ? static_cast<std::int64_t>(e.seq)
                                    : host[i - 2];
    // Zigzag, then seven bits a byte.
    const auto d = static_cast<std::uint64_t>(v) - static_cast<std::uint64_t>(last_[i]);
    std::uint64_t z = (d << 1) ^ (0 - (d >> 63));
    while (z >= 0x80) {
      bytes_.push_back(static_cast<std::uint8_t>(z | 0x80));
      z >>= 7;
    }
    bytes_.push_back(static_cast<std::uint8_t>(z));
    last_[i] = v;
  }
  ++count_;
}

std::size_t PositionIndex::read(std::size_t at, std::vector<std::int64_t>& values) const {
  for (std::size_t i = 0; i < width_; ++i) {
    std::uint64_t z = 0;
    for (int shift = 0;; shift += 7) {
      const std::uint8_t b = bytes_[at++];
      z |= std::uint64_t{b & 0x7fu} << shift;
      if (b < 0x80) break;
    }
    const std::uint64_t d = (z >> 1) ^ (0 - (z & 1));
    values[i] = static_cast<std::int64_t>(static_cast<std::uint64_t>(values[i]) + d);
  }
  return at;
}

PositionIndex::Entry PositionIndex::at(std::size_t p, std::int64_t* host) const {
  scratch_.assign(width_, 0);
  std::size_t at = blocks_[p / kBlock];
  for (std::size_t q = p - p % kBlock; q <= p; ++q) at = read(at, scratch_);
  if (host) std::copy(scratch_.begin() + 2, scratch_.end(), host);
  return Entry{static_cast<std::size_t>(scratch_[0]), static_cast<std::uint64_t>(scratch_[1])};
}

void PositionIndex::truncate(std::size_t n) {
  if (n >= count_) return;
  if (n == 0) return clear(width_ - 2);
  blocks_.resize((n + kBlock - 1) / kBlock);
  last_.assign(width_, 0);
  std::size_t at = blocks_.back();
  for (std::size_t q = (n - 1) - (n - 1) % kBlock; q < n; ++q) at = read(at, last_);
  bytes_.resize(at);
  count_ = n;
}

std::size_t PositionIndex::bytes() const {
  return bytes_.capacity() + blocks_.capacity() * sizeof(std::size_t) + sizeof(*this);
}

}  // namespace sw4
