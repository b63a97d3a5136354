// The one-line progress report drawn on a terminal while converting.
#pragma once

#include <string>

#include "engine/conversion_listener.h"

// The share done, the speed of writing and the time left; it stays below 100%
// until the conversion has really finished.
std::string FormatProgressLine(const ConversionProgress& progress);
