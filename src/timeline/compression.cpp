#include "timeline/compression.h"

#include <zstd.h>

namespace sw4 {

namespace {
constexpr int kLevel = 1;  // snapshots are taken while the run goes on: speed over size
}

std::string compress(std::string_view raw) {
  std::string out(ZSTD_compressBound(raw.size()), '\0');
  const std::size_t n = ZSTD_compress(out.data(), out.size(), raw.data(), raw.size(), kLevel);
  if (ZSTD_isError(n)) return {};
  out.resize(n);
  out.shrink_to_fit();
  return out;
}

std::string decompress(std::string_view packed) {
  const unsigned long long size = ZSTD_getFrameContentSize(packed.data(), packed.size());
  if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN) return {};
  std::string out(size, '\0');
  const std::size_t n = ZSTD_decompress(out.data(), out.size(), packed.data(), packed.size());
  if (ZSTD_isError(n) || n != size) return {};
  return out;
}

}  // namespace sw4
