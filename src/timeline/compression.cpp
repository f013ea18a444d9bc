#include "timeline/compression.h"

#include <zstd.h>

namespace sw4 {

std::string compress(std::string_view raw, int level) {
  return Compressor().compress(raw, level);
}

std::string decompress(std::string_view packed) {
  const unsigned long long size = ZSTD_getFrameContentSize(packed.data(), packed.size());
  if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN) return {};
  std::string out(size, '\0');
  const std::size_t n = ZSTD_decompress(out.data(), out.size(), packed.data(), packed.size());
  if (ZSTD_isError(n) || n != size) return {};
  return out;
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

}  // namespace sw4
