#include "tools/corvane-remux/progress_line.h"

#include <algorithm>
#include <cstdio>

#include "engine/clock_text.h"
#include "engine/progress_meter.h"

std::string FormatProgressLine(const ConversionProgress& progress) {
  const int percent = std::clamp(static_cast<int>(progress.shareDone * 100.0 + 1e-9), 0, 99);
  const double megabytesPerSecond =
      progress.elapsedSeconds > 0.0
          ? static_cast<double>(progress.bytesWritten) / progress.elapsedSeconds / 1e6
          : 0.0;
  const std::optional<double> secondsLeft = SecondsLeft(progress.shareDone, progress.elapsedSeconds);
  const std::string left = secondsLeft ? ClockText(*secondsLeft) : "--:--";
  char text[96];
  std::snprintf(text, sizeof text, "%3d%%  %7.1f MB/s  %s left", percent, megabytesPerSecond, left.c_str());
  return text;
}
