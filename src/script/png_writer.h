#pragma once
#include <string>

#include "platform/png_encoding.h"
#include "platform/surface.h"

namespace sw4 {

// Writes the surface to `path`; false when the surface is empty or the file cannot be written.
inline bool writePng(const std::string& path, const Surface& surface) {
  return writePngFile(path, surface.widthPixels(), surface.heightPixels(), surface.data(),
                      surface.stride());
}

}  // namespace sw4
