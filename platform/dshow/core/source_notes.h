// What a splitter could not hand on from its source: streams it left out and
// parts of the file it could not read. The engine tells the user once the
// run has ended, so that an incomplete rewrap is never taken for a full one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/com/unknown.h"

struct LeftOutStream {
  int number = 0;      // the stream's position in the source, counted from 0
  std::string kind;    // "video", "audio", "subtitle", "data", ...
  std::string codec;   // the codec's short name, "unknown" when there is none
  std::string reason;  // why, in plain words: "Matroska cannot carry this codec"
};

struct SourceDamage {
  bool endedEarly = false;       // the file stops before its own end: a cut copy
  bool unreadableParts = false;  // packets inside the file could not be read
  int64_t packetsLeftOut = 0;    // packets skipped as unreadable or only partly present
  // Where the readable part ends: the end of the last packet handed on, in
  // microseconds from the file's first timestamp; -1 when nothing was read.
  int64_t readableUntilUs = -1;
};

struct SourceNotes {
  std::vector<LeftOutStream> leftOut;
  // Streams that are the source container's structure rather than content
  // (DVD navigation packets, a chapter text track whose chapters are written
  // as Matroska chapters, a timecode track whose start is kept as a tag):
  // not copied as tracks, and nothing is lost without them.
  std::vector<LeftOutStream> structure;
  SourceDamage damage;

  bool Complete() const { return leftOut.empty() && !damage.endedEarly && !damage.unreadableParts; }
};

// Offered by splitters that can tell. Read it after the graph has stopped.
struct ISourceNotes : IUnknown {
  static constexpr IID iid{0x6A1C2E90, 0x4D7B, 0x4C18, {0x9F, 0x3A, 0x81, 0x5E, 0x20, 0xC4, 0x7D, 0x63}};
  virtual HRESULT GetSourceNotes(SourceNotes* notes) = 0;

 protected:
  ~ISourceNotes() = default;
};
