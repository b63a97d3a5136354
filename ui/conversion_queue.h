// Several sources converted one after another: where each output goes, how
// the queue is shown, and the one message that sums it up.
#pragma once

#include <string>
#include <vector>

#include "platform/afx/afxwin.h"

struct QueuedConversion {
  CString source;
  CString output;  // the output box's folder, the source's name with ".mkv"
};

// Plans one conversion a source, into the folder of `outputPath` (the current
// folder when it names none).
std::vector<QueuedConversion> PlanQueue(const std::vector<CString>& sources, const CString& outputPath);

// "3 files: A.mp4, B.avi, …" for the source label.
CString QueueLabel(const std::vector<CString>& sources);

enum class QueueOutcome { kConverted, kIncomplete, kFailed, kSkipped };

struct QueueEntry {
  CString name;  // the source's file name
  QueueOutcome outcome = QueueOutcome::kFailed;
  std::string reason;  // why a file failed or was skipped, in plain words; may be empty
};

// One line a kind of outcome that occurred, naming the files in queue order,
// then "Converting is done!".
std::string QueueSummary(const std::vector<QueueEntry>& entries);
