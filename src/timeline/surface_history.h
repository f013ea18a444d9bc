#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "timeline/byte_stream.h"
#include "timeline/compression.h"

namespace sw4 {

class Surface;

// The surface's pixels as a snapshot keeps them: a key holds the whole buffer, any other
// snapshot only the tiles drawn on since its key, both packed (pixel_packing.h) and compressed.
class SurfaceHistory {
 public:
  // The surface as it is now, against the key taken last; a key when there is none yet, when
  // the whole area changed since, or when the tiles since it would cover a quarter of the area.
  // Reads the surface's drawn tiles (takeHistoryTiles).
  std::string take(Surface& surface, bool& key);
  // Puts a key's pixels back, then, for a snapshot that is no key, its tiles. The surface's
  // layout must already be the snapshot's.
  static void restore(Surface& surface, const std::string& keyPixels, const std::string* tiles);
  // The next take() is a key (the surface was put back from elsewhere).
  void forget() { haveKey_ = false; }

 private:
  std::vector<std::uint8_t> sinceKey_, drawn_;
  std::vector<std::uint32_t> words_;  // the tiles' pixels, gathered
  ByteWriter packed_;                 // kept with its room from one take to the next
  Compressor compressor_;
  bool haveKey_ = false;
};

}  // namespace sw4
