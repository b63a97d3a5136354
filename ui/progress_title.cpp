#include "ui/progress_title.h"

#include <algorithm>

#include "engine/clock_text.h"

namespace {

// The share at most claimed from byte counts, which only approximate the end.
constexpr double kByteEstimateCeiling = 0.99;

}  // namespace

double ShareDone(const ProgressReading& reading) {
  if (reading.duration > 0) {
    return std::clamp(static_cast<double>(reading.position) / static_cast<double>(reading.duration), 0.0,
                      1.0);
  }
  if (reading.sourceBytes == 0) return 0.0;
  const double share = static_cast<double>(reading.bytesWritten) / static_cast<double>(reading.sourceBytes);
  return std::min(share, kByteEstimateCeiling);
}

std::string ProgressTitle(const std::string& caption, double shareDone, double elapsedSeconds) {
  const double share = std::clamp(shareDone, 0.0, 1.0);
  // The small allowance keeps 0.29 from showing as 28% through rounding.
  const int percent = static_cast<int>(share * 100.0 + 1e-9);
  std::string title = caption + " - " + std::to_string(percent) + "%";
  if (share <= 0.0 || elapsedSeconds <= 0.0) return title;
  const double secondsLeft = elapsedSeconds * (1.0 - share) / share;
  return title + " - " + ClockText(secondsLeft) + " left";
}
