#include "tools/corvane-remux/rewrap_verifier.h"

#include <algorithm>
#include <optional>

extern "C" {
#include <libavutil/common.h>
}

#include "platform/dshow/media/stream_format.h"
#include "platform/dshow/media/timed_text.h"
#include "tools/corvane-remux/media_file_reader.h"
#include "tools/corvane-remux/payload_digest.h"

namespace {

using Verdict = VerificationResult::Verdict;

// Matroska stores times in whole milliseconds; a source time between two
// of them may be rounded either way.
constexpr int64_t kTimeGridUs = 1000;

// Timed text is the one stream the conversion changes: a source cue is
// compared as the plain text the conversion makes of it, and an empty cue,
// which the conversion leaves out, is not counted.
std::optional<uint64_t> Digest(const AVCodecParameters& params, const AVPacket& packet) {
  if (!IsTimedText(params.codec_id)) return PayloadDigest(params, packet.data, packet.size);
  const std::string text = TimedTextToPlainText({packet.data, static_cast<std::size_t>(packet.size)});
  if (text.empty()) return std::nullopt;
  // Timed text is a text subtitle codec too, so the digest treats its text
  // exactly as it treats the written plain text.
  return PayloadDigest(params, reinterpret_cast<const uint8_t*>(text.data()), static_cast<int>(text.size()));
}

PacketLedger::Packet RecordOf(const AVStream& stream, uint64_t digest, const AVPacket& packet) {
  // ReadPacket gives every packet a pts.
  return {digest, av_rescale_q(packet.pts, stream.time_base, AV_TIME_BASE_Q),
          (packet.flags & AV_PKT_FLAG_KEY) != 0};
}

// The conversion leaves out streams Matroska cannot carry; so does the check.
std::vector<const AVStream*> CarriedStreams(Demuxer& media) {
  std::vector<const AVStream*> carried;
  for (int i = 0; i < media.StreamCount(); ++i) {
    const AVCodecID codec = media.Stream(i).codecpar->codec_id;
    if (MatroskaCanCarry(codec) || IsTimedText(codec)) carried.push_back(&media.Stream(i));
  }
  return carried;
}

std::vector<int> SlotsOf(const std::vector<const AVStream*>& carried) {
  std::vector<int> slotOf;
  for (std::size_t slot = 0; slot < carried.size(); ++slot) {
    const auto index = static_cast<std::size_t>(carried[slot]->index);
    if (index >= slotOf.size()) slotOf.resize(index + 1, -1);
    slotOf[index] = static_cast<int>(slot);
  }
  return slotOf;
}

int SlotOf(const std::vector<int>& slotOf, const AVStream& stream) {
  const auto index = static_cast<std::size_t>(stream.index);
  return index < slotOf.size() ? slotOf[index] : -1;
}

// Reads every packet of `path`'s carried streams into `take(stream, packet)`
// after `start(carried)`; kSame when the whole file was read.
VerificationResult ReadCarriedPackets(const std::string& path, Demuxer::StreamProbe probe,
                                      const std::function<bool()>& shouldStop,
                                      const std::function<void(const std::vector<const AVStream*>&)>& start,
                                      const std::function<void(const AVStream&, const AVPacket&)>& take) {
  MediaFileReader reader;
  const RemuxResult opened = reader.Open(path, probe);
  if (!opened.GoesOn()) return {Verdict::kUnreadable, opened.message};
  Demuxer& media = reader.Media();
  const std::vector<const AVStream*> carried = CarriedStreams(media);
  const std::vector<int> slotOf = SlotsOf(carried);
  start(carried);
  AVPacket* packet = av_packet_alloc();
  VerificationResult result{Verdict::kSame, {}};
  int index = 0;
  int err = 0;
  while ((err = media.ReadPacket(packet, &index)) == 0) {
    if (shouldStop()) {
      result = {Verdict::kInterrupted, "the check was stopped"};
      break;
    }
    if (SlotOf(slotOf, media.Stream(index)) >= 0) take(media.Stream(index), *packet);
  }
  av_packet_free(&packet);
  if (err < 0 && err != AVERROR_EOF) result = {Verdict::kUnreadable, "a read error in " + path};
  return result;
}

std::string StreamName(std::size_t slot) { return "stream " + std::to_string(slot + 1); }

std::string PacketName(std::size_t slot, std::size_t index) {
  return "packet " + std::to_string(index + 1) + " of " + StreamName(slot);
}

// Compares the written file's packets with the source's as they are read,
// so that the written file is never held in memory.
class OutputComparison {
 public:
  explicit OutputComparison(const PacketLedger& source) : m_source(source) {}

  void Start(const std::vector<const AVStream*>& carried) {
    m_slotOf = SlotsOf(carried);
    m_counts.assign(carried.size(), 0);
  }

  void Take(const AVStream& stream, const AVPacket& packet) {
    const std::optional<uint64_t> digest = Digest(*stream.codecpar, packet);
    if (!digest) return;
    const auto slot = static_cast<std::size_t>(SlotOf(m_slotOf, stream));
    const PacketLedger::Packet written = RecordOf(stream, *digest, packet);
    m_firstShownUs = std::min(m_firstShownUs, written.shownUs);
    const std::size_t index = m_counts[slot]++;
    if (slot >= m_source.StreamCount() || index >= m_source.Packets(slot).size()) return;
    const PacketLedger::Packet& expected = m_source.Packets(slot)[index];
    if (m_contentDifference.empty()) m_contentDifference = ContentDifference(expected, written, slot, index);
    // Times are compared once both files' first times are known: what is
    // kept is the packet that lies furthest each way.
    const int64_t lead = av_sat_sub64(written.shownUs, expected.shownUs);
    if (!m_earliest || lead < m_earliest->lead)
      m_earliest = TimedPacket{lead, slot, index, expected, written};
    if (!m_latest || lead > m_latest->lead) m_latest = TimedPacket{lead, slot, index, expected, written};
  }

  VerificationResult Result() const {
    if (m_counts.size() != m_source.StreamCount()) {
      return {Verdict::kDifferent, "the source has " + std::to_string(m_source.StreamCount()) +
                                       " streams, the output " + std::to_string(m_counts.size())};
    }
    for (std::size_t slot = 0; slot < m_counts.size(); ++slot) {
      const std::size_t expected = m_source.Packets(slot).size();
      if (m_counts[slot] != expected) {
        return {Verdict::kDifferent, StreamName(slot) + " has " + std::to_string(expected) +
                                         " packets in the source but " + std::to_string(m_counts[slot]) +
                                         " in the output"};
      }
    }
    if (!m_contentDifference.empty()) return {Verdict::kDifferent, m_contentDifference};
    for (const std::optional<TimedPacket>& furthest : {m_earliest, m_latest}) {
      if (!furthest) continue;
      if (std::optional<std::string> late = TimeDifference(*furthest)) return {Verdict::kDifferent, *late};
    }
    return {Verdict::kSame, {}};
  }

 private:
  struct TimedPacket {
    int64_t lead;  // written time minus source time, as read
    std::size_t slot;
    std::size_t index;
    PacketLedger::Packet expected;
    PacketLedger::Packet written;
  };

  static std::string ContentDifference(const PacketLedger::Packet& expected,
                                       const PacketLedger::Packet& written, std::size_t slot,
                                       std::size_t index) {
    if (expected.digest != written.digest) return PacketName(slot, index) + " differs";
    if (expected.key == written.key) return {};
    return PacketName(slot, index) + " differs" +
           (written.key ? ": it is marked a keyframe" : ": it lost its keyframe mark");
  }

  // Counted from each file's first packet, the packet must be shown at the
  // same time.
  std::optional<std::string> TimeDifference(const TimedPacket& packet) const {
    const int64_t expectedUs = av_sat_sub64(packet.expected.shownUs, m_source.FirstShownUs());
    const int64_t writtenUs = av_sat_sub64(packet.written.shownUs, m_firstShownUs);
    const int64_t offUs = av_sat_sub64(writtenUs, expectedUs);
    if (offUs >= -kTimeGridUs && offUs <= kTimeGridUs) return std::nullopt;
    return PacketName(packet.slot, packet.index) + " differs in time: shown at " +
           std::to_string(writtenUs / 1000) + " ms instead of " + std::to_string(expectedUs / 1000) + " ms";
  }

  const PacketLedger& m_source;
  std::vector<int> m_slotOf;
  std::vector<std::size_t> m_counts;
  int64_t m_firstShownUs = INT64_MAX;
  std::string m_contentDifference;
  std::optional<TimedPacket> m_earliest;
  std::optional<TimedPacket> m_latest;
};

}  // namespace

void PacketLedger::OnReadingStarts(const std::vector<const AVStream*>& carried) {
  m_filled = true;
  m_slotOf = SlotsOf(carried);
  m_streams.assign(carried.size(), {});
  m_firstShownUs = INT64_MAX;
}

void PacketLedger::OnPacketRead(const AVStream& stream, const AVPacket& packet) {
  const int slot = SlotOf(m_slotOf, stream);
  if (slot < 0) return;
  const std::optional<uint64_t> digest = Digest(*stream.codecpar, packet);
  if (!digest) return;
  m_streams[static_cast<std::size_t>(slot)].push_back(RecordOf(stream, *digest, packet));
  m_firstShownUs = std::min(m_firstShownUs, m_streams[static_cast<std::size_t>(slot)].back().shownUs);
}

VerificationResult VerifyRewrap(const PacketLedger& source, const std::string& outputPath,
                                const std::function<bool()>& shouldStop) {
  OutputComparison comparison(source);
  // The written file's header describes every stream; decoding its first
  // frames to learn them again would only cost time and memory.
  const VerificationResult read = ReadCarriedPackets(
      outputPath, Demuxer::StreamProbe::kHeaderOnly, shouldStop,
      [&](const std::vector<const AVStream*>& carried) { comparison.Start(carried); },
      [&](const AVStream& stream, const AVPacket& packet) { comparison.Take(stream, packet); });
  if (read.verdict != Verdict::kSame) return read;
  return comparison.Result();
}

VerificationResult VerifyRewrap(const std::string& sourcePath, const std::string& outputPath,
                                const std::function<bool()>& shouldStop) {
  PacketLedger source;
  const VerificationResult read = ReadCarriedPackets(
      sourcePath, Demuxer::StreamProbe::kFirstFrames, shouldStop,
      [&](const std::vector<const AVStream*>& carried) { source.OnReadingStarts(carried); },
      [&](const AVStream& stream, const AVPacket& packet) { source.OnPacketRead(stream, packet); });
  if (read.verdict != Verdict::kSame) return read;
  return VerifyRewrap(source, outputPath, shouldStop);
}
