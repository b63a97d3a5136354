// The check behind --verify: the written file read back holds, stream by
// stream, the same packets as the source, in the same order (timed text as
// the plain-text cues the conversion makes of it).
#pragma once

#include <functional>
#include <string>

struct VerificationResult {
  enum class Verdict { kSame, kDifferent, kUnreadable, kInterrupted };
  Verdict verdict = Verdict::kUnreadable;
  // For a verdict other than kSame: what differs or why reading failed.
  std::string detail;
};

// Reads both files through the demuxer the conversion uses and compares the
// count and the content (see PayloadDigest) of every stream's packets, their
// keyframe flags, and their presentation times counted from each file's
// earliest packet, to Matroska's millisecond.
// `shouldStop` is asked between packets; when it answers true, the check ends
// as kInterrupted.
VerificationResult VerifyRewrap(const std::string& sourcePath, const std::string& outputPath,
                                const std::function<bool()>& shouldStop);
