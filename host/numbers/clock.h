#pragma once

#include <string>

namespace host {

// Seconds since local midnight, with a fractional part, as a 32-bit float.
float Timer();

// Automation freezes the clock so that re-seeding from it is reproducible; thawing lets it
// run again.
void freezeClock(double secondsSinceMidnight);
void thawClock();

// The current local date and time as "YYYY-MM-DD hh:mm:ss".
std::string dateTimeText();

} // namespace host
