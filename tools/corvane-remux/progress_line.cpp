#include "tools/corvane-remux/progress_line.h"

#include <algorithm>
#include <cstdio>

#include "engine/clock_text.h"

std::string FormatProgressLine(std::uint64_t bytesWritten, std::uint64_t sourceBytes, double elapsedSeconds) {
  const double share =
      sourceBytes == 0 ? 0.0 : static_cast<double>(bytesWritten) / static_cast<double>(sourceBytes);
  const int percent = std::clamp(static_cast<int>(share * 100.0), 0, 99);
  const double megabytesPerSecond =
      elapsedSeconds > 0.0 ? static_cast<double>(bytesWritten) / elapsedSeconds / 1e6 : 0.0;
  std::string left = "--:--";
  if (megabytesPerSecond > 0.0 && sourceBytes > bytesWritten) {
    left = ClockText(static_cast<double>(sourceBytes - bytesWritten) / (megabytesPerSecond * 1e6));
  } else if (megabytesPerSecond > 0.0) {
    left = ClockText(0.0);
  }
  char text[96];
  std::snprintf(text, sizeof text, "%3d%%  %7.1f MB/s  %s left", percent, megabytesPerSecond, left.c_str());
  return text;
}
