#include "timeline/compression.h"

#include <zstd.h>

#include <cstdint>
#include <cstring>

namespace sw4 {

std::string decompress(std::string_view packed) {
  const unsigned long long size = ZSTD_getFrameContentSize(packed.data(), packed.size());
  if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN) return {};
  std::string out(size, '\0');
  const std::size_t n = ZSTD_decompress(out.data(), out.size(), packed.data(), packed.size());
  if (ZSTD_isError(n) || n != size) return {};
  return out;
}

std::string expand(std::string_view stored) {
  std::uint32_t magic = 0;
  if (stored.size() >= sizeof magic) std::memcpy(&magic, stored.data(), sizeof magic);
  return magic == ZSTD_MAGICNUMBER ? decompress(stored) : std::string(stored);
}

struct Compressor::Context {
  ZSTD_CCtx* cctx = ZSTD_createCCtx();
  ~Context() { ZSTD_freeCCtx(cctx); }
};

Compressor::Compressor() : context_(std::make_unique<Context>()) {}
Compressor::~Compressor() = default;

std::string Compressor::compress(std::string_view raw, int level) {
  const std::size_t bound = ZSTD_compressBound(raw.size());
  if (buffer_.size() < bound) buffer_.resize(bound);
  const std::size_t n =
      ZSTD_compressCCtx(context_->cctx, buffer_.data(), bound, raw.data(), raw.size(), level);
  if (ZSTD_isError(n)) return {};
  return buffer_.substr(0, n);
}

std::string Compressor::compressIfItPays(std::string_view raw, int level) {
  constexpr std::size_t kSamples = 4, kSample = 16 << 10;
  if (raw.size() > 4 * kSamples * kSample) {
    std::size_t packed = 0;
    const std::size_t step = (raw.size() - kSample) / (kSamples - 1);
    for (std::size_t k = 0; k < kSamples; ++k)
      packed += compress(raw.substr(k * step, kSample), level).size();
    if (packed * 10 > kSamples * kSample * 9) return std::string(raw);
  }
  return compress(raw, level);
}

}  // namespace sw4
