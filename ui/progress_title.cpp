#include "ui/progress_title.h"

#include <algorithm>
#include <cstdio>

#include "engine/clock_text.h"
#include "engine/progress_meter.h"
#include "platform/com/translatable.h"

std::string ProgressTitle(const std::string& caption, double shareDone, double elapsedSeconds) {
  const double share = std::clamp(shareDone, 0.0, 1.0);
  // The small allowance keeps 0.29 from showing as 28% through rounding.
  const int percent = static_cast<int>(share * 100.0 + 1e-9);
  std::string title = caption + " - " + std::to_string(percent) + "%";
  const std::optional<double> secondsLeft = SecondsLeft(share, elapsedSeconds);
  if (!secondsLeft) return title;
  // The whole title is one format, so that the window can translate it.
  char withTimeLeft[512];
  std::snprintf(withTimeLeft, sizeof withTimeLeft, QT_TRANSLATE_NOOP("Corvane", "%s - %d%% - %s left"),
                caption.c_str(), percent, ClockText(*secondsLeft).c_str());
  return withTimeLeft;
}
