#pragma once
#include <string>
#include <vector>

#include "sessions/draw.h"

namespace sw4::robust {

// Texts a user might type into a field that no field expects: nothing, blanks, a sign alone,
// numbers beyond every range, words a number reader might take for numbers, other number
// notations, long digit runs, non-ASCII and invalid UTF-8, and NUL bytes. None holds a line
// break, so each fits on one script line.
const std::vector<std::string>& hostileTexts();

// A number as a user would type one: small and large whole numbers, decimals, exponents, the
// edges of the 16- and 32-bit ranges, sometimes with blanks around it.
std::string plausibleNumber(Draw& d);

// One of the two above, hostile about one time in `hostileShare`.
std::string typedText(Draw& d, double hostileShare = 0.4);

}  // namespace sw4::robust
