#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sw4 {

// A small PNG encoder: 8-bit RGB, no filtering, the image data in stored (uncompressed) deflate
// blocks. Enough for saving pictures of the drawing without any library, and the same pixels
// always give the same bytes.

std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0);
std::uint32_t adler32(const std::uint8_t* data, std::size_t n);

// The PNG file of a width x height image of 0xAARRGGBB words (alpha ignored), row by row, a row
// starting every `stride` words (at least `width`).
std::vector<std::uint8_t> encodePng(int width, int height, const std::uint32_t* words,
                                    int stride = 0);

// Writes such an image to `path`; false when it is empty or the file cannot be written.
bool writePngFile(const std::string& path, int width, int height, const std::uint32_t* words,
                  int stride);

}  // namespace sw4
