// How a step of corvane-remux ended and what the user is told about it: the
// one result type of the program, from reading the command line to the end
// of a batch. Results are printed in one place (remux_messages.h).
#pragma once

#include <string>

enum class RemuxOutcome {
  kOk,          // converted, or nothing stands in the way yet
  kSkipped,     // an existing output left alone in a batch
  kIncomplete,  // written, but not all of the source could be read
  kFailed,
  kRefused,  // a command line, source or output that cannot be used
  kStopped,  // a stop signal ended the run
};

struct RemuxResult {
  RemuxOutcome outcome = RemuxOutcome::kOk;
  // The words for the user, printed after the program's name; empty when
  // there is nothing to say.
  std::string message;

  bool GoesOn() const { return outcome == RemuxOutcome::kOk; }
};

inline RemuxResult Refused(std::string why) { return {RemuxOutcome::kRefused, std::move(why)}; }

// The exit status for an outcome; a stop exits as the signal that asked for it.
int ExitStatusOf(RemuxOutcome outcome);
// A batch exits with the status of its worst outcome; the higher, the worse.
int Severity(RemuxOutcome outcome);
