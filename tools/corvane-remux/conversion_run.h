// One conversion on a thread of its own with COM, as the engine expects of
// its caller, while this thread draws the progress line. A stop signal stops
// the graph from the engine's completion wait, so the multiplexer closes the
// file properly.
#pragma once

#include <string>

#include "platform/com/hresult.h"

struct ConversionResult {
  HRESULT hr = E_FAIL;
  bool stoppedBySignal = false;  // the graph was stopped before it finished
};

struct ProgressDisplay {
  bool enabled = false;
  std::string label;  // printed before the numbers, e.g. "[2/5] clip.mp4: "
};

ConversionResult ConvertShowingProgress(const std::string& sourcePath, const std::string& writtenPath,
                                        const ProgressDisplay& progress);
