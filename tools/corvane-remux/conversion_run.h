// One conversion on a thread of its own with COM, as the engine expects of
// its caller, while this thread takes the stop signals and draws the progress
// line.
#pragma once

#include <string>

#include "engine/convert_to_matroska_file.h"
#include "tools/corvane-remux/remux_listener.h"

struct ProgressDisplay {
  bool enabled = false;
  std::string label;  // printed before the numbers, e.g. "[2/5] clip.mp4: "
};

FileConversionResult ConvertShowingProgress(const std::string& sourcePath, const std::string& outputPath,
                                            RemuxListener& listener, const ProgressDisplay& progress);
