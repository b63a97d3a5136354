// One source converted to one output, complete or not at all: the engine
// writes a hidden temporary file, which takes the output's name only when
// the conversion ended well (or was stopped on request, leaving a valid but
// shorter file); otherwise it is removed and an existing output stays as it
// was.
#pragma once

#include <string>

#include "tools/corvane-remux/output_naming.h"

enum class JobOutcome {
  kConverted,   // 0
  kSkipped,     // an existing output left alone in a batch; 0
  kIncomplete,  // written, but not all of the source could be read; 3
  kFailed,      // 1
  kRefused,     // 2
  kStopped,     // 128 + the signal
};

struct JobSettings {
  bool overwrite = false;
  bool verify = false;
  bool quiet = false;
  bool verbose = false;   // the engine's steps on standard output
  bool progress = false;  // draw the progress line
  bool inBatch = false;   // an existing output is skipped, not refused
  std::string progressLabel;
};

JobOutcome RunRemuxJob(const RemuxJob& job, const JobSettings& settings);

// The exit status for one outcome.
int ExitStatusOf(JobOutcome outcome);
// Ranks outcomes for a batch's exit status: the higher, the worse.
int Severity(JobOutcome outcome);
