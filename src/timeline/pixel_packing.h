#pragma once
#include <cstddef>
#include <cstdint>

#include "timeline/byte_stream.h"

namespace sw4 {

// Pixel words as a snapshot stores them: a table of the colours and a byte a pixel when there
// are at most 256 colours (a drawing uses a few: a quarter of the bytes to compress), else the
// words as they are. Appends to what `into` holds.
void packPixels(const std::uint32_t* words, std::size_t count, ByteWriter& into);
// The `count` words packPixels() wrote; what is missing reads as zero.
void unpackPixels(ByteReader& from, std::uint32_t* words, std::size_t count);

}  // namespace sw4
