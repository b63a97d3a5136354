// Playing times and times left as people read them on a clock.
#pragma once

#include <string>

// "m:ss", or "h:mm:ss" from an hour on, rounded to the second; with `tenths`
// one decimal more ("m:ss.s"). Negative times show as zero.
std::string ClockText(double seconds, bool tenths = false);
