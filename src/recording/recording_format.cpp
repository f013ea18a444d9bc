#include "recording/recording_format.h"

#include <charconv>
#include <limits>

namespace sw4 {

namespace {
constexpr std::string_view kHeaderStart = "# sw4 recording ";
}  // namespace

std::string recordingHeader() {
  return std::string(kHeaderStart) + std::to_string(kRecordingVersion) + ", sw4 " SW4_VERSION;
}

std::optional<long> recordingVersion(std::string_view line) {
  if (!line.starts_with(kHeaderStart)) return std::nullopt;
  line.remove_prefix(kHeaderStart.size());
  long version = 0;
  const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), version);
  if (end == line.data()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) return std::numeric_limits<long>::max();
  if (end != line.data() + line.size() && *end != ',') return std::nullopt;
  return version;
}

}  // namespace sw4
