#pragma once

namespace sw4 {

class Sim;

// "www" and the moon picture open the project's web address.
void wireWebsiteLink(Sim& sim);

// The project's web address, opened by "www" and by a click on the moon picture.
inline constexpr const char* kWebsite = "https://sw4.example.org/";
inline constexpr const char* kNoBrowserTitle = "Cannot find Browser:";
inline constexpr const char* kNoBrowserText =
    "This function requires a web browser: set one as the desktop's default browser and try again.";

}  // namespace sw4
