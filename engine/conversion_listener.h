// What a conversion tells the front end that runs it, and what it asks of it.
// Every call comes on the thread that called the conversion, in the order the
// events happen: messages as steps fail, progress between the waits of a
// running graph, the source notes once the run has ended, and last the
// question whether the written file should take the output's name.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/hresult.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/core/source_notes.h"

enum class MessageKind {
  kFailure,  // a step failed; shown under the program's caption
  kError,    // a step could not find what it needs; shown under "Error"
};

struct ConversionMessage {
  MessageKind kind = MessageKind::kFailure;
  std::string text;     // the whole text, line breaks included
  HRESULT code = S_OK;  // the failure it reports; S_OK when it names none
};

struct ConversionProgress {
  double shareDone = 0.0;  // 0 to 1
  double elapsedSeconds = 0.0;
  std::uint64_t bytesWritten = 0;
  std::uint64_t sourceBytes = 0;
};

// How a conversion into an output file ended.
enum class ConversionEnd {
  kComplete,    // everything of the source is in the output
  kIncomplete,  // a valid output holding less than the source; the notes say what
  kStopped,     // stopped on request before the end
  kFailed,      // the messages say why
};

class ConversionListener {
 public:
  virtual ~ConversionListener() = default;

  virtual void OnMessage(const ConversionMessage& message) = 0;
  // The engine's narration of its steps, one line at a time.
  virtual void OnDiagnostic(const char* line) = 0;
  virtual void OnProgress(const ConversionProgress& /*progress*/) {}
  // What the source could not give; called after every run that was not
  // stopped, complete or not.
  virtual void OnSourceNotes(const SourceNotes& /*notes*/) {}
  // The filter that reads the source's streams, its outputs connected, just
  // before the graph runs: a front end may ask it for what it offers.
  virtual void OnStreamFilterReady(IBaseFilter* /*streamFilter*/) {}
  // Asked between the waits of a running graph; true stops it, and the file
  // is closed holding what was written so far.
  virtual bool StopRequested() { return false; }

  // The hidden file the output is written to while it is unfinished, once it
  // exists; nullptr once it has been renamed or removed.
  virtual void OnWrittenFile(const char* /*path*/) {}
  // Whether the file written at `path` should take the output's name, after
  // a run that ended as `end` (never kFailed). By default a finished file
  // does and a stopped one does not.
  virtual bool KeepWrittenFile(const std::string& /*path*/, ConversionEnd end) {
    return end != ConversionEnd::kStopped;
  }
};

// Shows messages in message boxes without owner window and the source notes
// as one message when something is missing; the narration goes to standard
// output.
class MessageBoxListener : public ConversionListener {
 public:
  void OnMessage(const ConversionMessage& message) override;
  void OnDiagnostic(const char* line) override;
  void OnSourceNotes(const SourceNotes& notes) override;
};
