#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace sw4 {

// What marks a driver script as a recording. Its first line names the format's version (which
// also picks the `WorldHash` version the replay computes) and the program that wrote it; its
// last line tells that the recording was closed, after its closing check.
inline constexpr int kRecordingVersion = 1;
inline constexpr std::string_view kRecordingEnd = "# end of recording";

// "# sw4 recording 1, sw4 0.2.0".
std::string recordingHeader();
// The version a header names; nothing for a line that is no recording header.
std::optional<long> recordingVersion(std::string_view line);

}  // namespace sw4
