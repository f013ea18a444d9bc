#pragma once
#include <memory>
#include <string>
#include <string_view>

namespace sw4 {

// The bytes Compressor::compress() was given; empty when `packed` is not such a result.
std::string decompress(std::string_view packed);

// What Compressor::compressIfItPays() was given.
std::string expand(std::string_view stored);

// Fast general-purpose compression (zstd at a low level; negative levels are faster still) for
// what the timeline keeps. The context and the work buffer stay from one call to the next (no
// fresh pages to fault in each time).
class Compressor {
 public:
  Compressor();
  ~Compressor();
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;
  std::string compress(std::string_view raw, int level = 1);
  // Compressed when a few samples of it shrink by a tenth, else the bytes as they are (a noisy
  // picture hardly shrinks and costs as much to try). `raw` must not begin with zstd's magic
  // number, so that expand() tells the two apart.
  std::string compressIfItPays(std::string_view raw, int level);

 private:
  struct Context;
  std::unique_ptr<Context> context_;
  std::string buffer_;
};

}  // namespace sw4
