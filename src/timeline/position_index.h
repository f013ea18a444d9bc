#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sw4 {

// What the timeline keeps of every position: where it ends in the log, the settle it was
// reached at, and the host's own words then. A run as fast as it goes reaches tens of thousands
// of positions a second, so each is kept as its differences from the one before (a clock moves
// by a tick's interval, most words not at all) in a few bytes, with a whole entry every
// kBlock positions to start reading from.
class PositionIndex {
 public:
  struct Entry {
    std::size_t offset = 0;
    std::uint64_t seq = 0;
  };

  // Forgets every position; each from now on has `hostWidth` words.
  void clear(std::size_t hostWidth);
  std::size_t hostWidth() const { return width_ - 2; }
  void push(Entry e, const std::int64_t* host);
  // Position p (below size()), its host words into `host` when it is not null.
  Entry at(std::size_t p, std::int64_t* host = nullptr) const;
  // Keeps positions 0..n-1.
  void truncate(std::size_t n);
  std::size_t size() const { return count_; }
  std::size_t bytes() const;

 private:
  static constexpr std::size_t kBlock = 64;
  // Reads the record at byte `at` into `values` (differences added), returns the next byte.
  std::size_t read(std::size_t at, std::vector<std::int64_t>& values) const;

  std::size_t width_ = 2;
  std::size_t count_ = 0;
  std::vector<std::uint8_t> bytes_;
  std::vector<std::size_t> blocks_;  // byte where every kBlock-th position starts
  std::vector<std::int64_t> last_;   // the latest position's values
  mutable std::vector<std::int64_t> scratch_;
};

}  // namespace sw4
