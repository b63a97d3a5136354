// One source converted to one output, complete or not at all: the engine
// writes a hidden temporary file, which takes the output's name only when
// the conversion ended well (or was stopped on request, leaving a valid but
// shorter file); otherwise it is removed and an existing output stays as it
// was.
#pragma once

#include <string>

#include "tools/corvane-remux/output_naming.h"
#include "tools/corvane-remux/remux_result.h"

struct JobSettings {
  bool overwrite = false;
  bool verify = false;
  bool verbose = false;   // the engine's steps on standard output
  bool progress = false;  // draw the progress line
  bool inBatch = false;   // an existing output is skipped, not refused
  std::string progressLabel;
};

// Runs the job; the engine's own messages are printed while it runs, the
// result's message is left to the caller.
RemuxResult RunRemuxJob(const RemuxJob& job, const JobSettings& settings);
