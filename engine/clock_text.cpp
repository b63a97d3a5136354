#include "engine/clock_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string ClockText(double seconds, bool tenths) {
  const int scale = tenths ? 10 : 1;
  const long long units = std::llround(std::max(seconds, 0.0) * scale);
  const long long whole = units / scale;
  char text[48];
  int length = whole >= 3600 ? std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600,
                                             whole / 60 % 60, whole % 60)
                             : std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
  if (tenths && length > 0) std::snprintf(text + length, sizeof text - length, ".%lld", units % scale);
  return text;
}
