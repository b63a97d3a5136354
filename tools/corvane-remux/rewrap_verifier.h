// The check behind --verify: the written file read back holds, stream by
// stream, the same packets as the source, in the same order (timed text as
// the plain-text cues the conversion makes of it).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dshow/media/read_packet_tap.h"

struct VerificationResult {
  enum class Verdict { kSame, kDifferent, kUnreadable, kInterrupted };
  Verdict verdict = Verdict::kUnreadable;
  // For a verdict other than kSame: what differs or why reading failed.
  std::string detail;
};

// What the source held, stream by stream: every packet's fingerprint (see
// PayloadDigest), presentation time and keyframe mark. Filled as the
// conversion's splitter reads the source, so that the source is read once.
class PacketLedger final : public ReadPacketObserver {
 public:
  struct Packet {
    uint64_t digest = 0;
    int64_t shownUs = 0;  // presentation time, AV_TIME_BASE units, as read
    bool key = false;
  };

  void OnReadingStarts(const std::vector<const AVStream*>& carried) override;
  void OnPacketRead(const AVStream& stream, const AVPacket& packet) override;

  // False until a reading started.
  bool Filled() const { return m_filled; }
  std::size_t StreamCount() const { return m_streams.size(); }
  const std::deque<Packet>& Packets(std::size_t slot) const { return m_streams[slot]; }
  // The earliest presentation time of any packet.
  int64_t FirstShownUs() const { return m_firstShownUs; }

 private:
  bool m_filled = false;
  std::vector<int> m_slotOf;  // by stream index; -1 for a stream not carried
  // A deque grows without copying what it holds, so a long file's ledger
  // never needs twice its size at once.
  std::vector<std::deque<Packet>> m_streams;
  int64_t m_firstShownUs = INT64_MAX;
};

// Reads the written file through the demuxer the conversion uses and
// compares the count and the content of every stream's packets with
// `source`, their keyframe flags, and their presentation times counted from
// each file's earliest packet, to Matroska's millisecond.
// `shouldStop` is asked between packets; when it answers true, the check ends
// as kInterrupted.
VerificationResult VerifyRewrap(const PacketLedger& source, const std::string& outputPath,
                                const std::function<bool()>& shouldStop);
// The same, reading the source file first.
VerificationResult VerifyRewrap(const std::string& sourcePath, const std::string& outputPath,
                                const std::function<bool()>& shouldStop);
