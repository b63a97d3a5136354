#include "tools/corvane-remux/progress_line.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string FormatDuration(double seconds) {
  const auto total = static_cast<long long>(seconds + 0.5);
  char text[32];
  if (total >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60);
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", total / 60, total % 60);
  }
  return text;
}

}  // namespace

std::string FormatProgressLine(std::uint64_t bytesWritten, std::uint64_t sourceBytes, double elapsedSeconds) {
  const double share = sourceBytes == 0 ? 0.0 : static_cast<double>(bytesWritten) / static_cast<double>(sourceBytes);
  const int percent = std::clamp(static_cast<int>(share * 100.0), 0, 99);
  const double megabytesPerSecond =
      elapsedSeconds > 0.0 ? static_cast<double>(bytesWritten) / elapsedSeconds / 1e6 : 0.0;
  std::string left = "--:--";
  if (megabytesPerSecond > 0.0 && sourceBytes > bytesWritten) {
    left = FormatDuration(static_cast<double>(sourceBytes - bytesWritten) / (megabytesPerSecond * 1e6));
  } else if (megabytesPerSecond > 0.0) {
    left = FormatDuration(0.0);
  }
  char text[96];
  std::snprintf(text, sizeof text, "%3d%%  %7.1f MB/s  %s left", percent, megabytesPerSecond, left.c_str());
  return text;
}
