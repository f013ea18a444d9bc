#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace sw4 {

// A small PNG encoder: 8-bit RGB, no filtering, the image data in stored (uncompressed) deflate
// blocks. Enough for saving the drawing surface without any library.

std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0);
std::uint32_t adler32(const std::uint8_t* data, std::size_t n);

// The PNG file of a width x height image of 0xAARRGGBB words (alpha ignored), row by row, a row
// starting every `stride` words (at least `width`).
std::vector<std::uint8_t> encodePng(int width, int height, const std::uint32_t* words,
                                    int stride = 0);

// Writes the surface to `path`; false when the surface is empty or the file cannot be written.
bool writePng(const std::string& path, const Surface& surface);

}  // namespace sw4
