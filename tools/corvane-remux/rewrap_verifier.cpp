#include "tools/corvane-remux/rewrap_verifier.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

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

struct PacketRecord {
  uint64_t digest = 0;
  int64_t shownUs = 0;  // presentation time, AV_TIME_BASE units, as read
  bool key = false;
};

struct StreamPackets {
  int offeredIndex = 0;
  std::vector<PacketRecord> packets;
};

struct FileDigests {
  std::vector<StreamPackets> streams;  // only the streams a Matroska file can carry
  int64_t firstShownUs = INT64_MAX;    // the earliest presentation time of any packet
  VerificationResult failure;          // kSame while reading went well
};

// The conversion leaves out streams Matroska cannot carry; so does the check.
std::vector<int> StreamSlots(Demuxer& media, std::vector<StreamPackets>* streams) {
  std::vector<int> slotOf(media.StreamCount(), -1);
  for (int i = 0; i < media.StreamCount(); ++i) {
    const AVCodecID codec = media.Stream(i).codecpar->codec_id;
    if (!MatroskaCanCarry(codec) && !IsTimedText(codec)) continue;
    slotOf[i] = static_cast<int>(streams->size());
    streams->push_back({i, {}});
  }
  return slotOf;
}

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

void AddPacket(const AVStream& stream, const AVPacket& packet, StreamPackets* packets,
               int64_t* firstShownUs) {
  const std::optional<uint64_t> digest = Digest(*stream.codecpar, packet);
  if (!digest) return;
  // ReadPacket gives every packet a pts.
  const int64_t shownUs = av_rescale_q(packet.pts, stream.time_base, AV_TIME_BASE_Q);
  *firstShownUs = std::min(*firstShownUs, shownUs);
  packets->packets.push_back({*digest, shownUs, (packet.flags & AV_PKT_FLAG_KEY) != 0});
}

FileDigests DigestFile(const std::string& path, const std::function<bool()>& shouldStop) {
  FileDigests result;
  result.failure.verdict = Verdict::kSame;
  MediaFileReader reader;
  const RemuxResult opened = reader.Open(path);
  if (!opened.GoesOn()) {
    result.failure = {Verdict::kUnreadable, opened.message};
    return result;
  }
  Demuxer& media = reader.Media();
  const std::vector<int> slotOf = StreamSlots(media, &result.streams);
  AVPacket* packet = av_packet_alloc();
  int index = 0;
  int err = 0;
  while ((err = media.ReadPacket(packet, &index)) == 0) {
    if (shouldStop()) {
      result.failure = {Verdict::kInterrupted, "the check was stopped"};
      break;
    }
    if (slotOf[index] >= 0)
      AddPacket(media.Stream(index), *packet, &result.streams[slotOf[index]], &result.firstShownUs);
  }
  av_packet_free(&packet);
  if (err < 0 && err != AVERROR_EOF) result.failure = {Verdict::kUnreadable, "a read error in " + path};
  return result;
}

std::string StreamName(std::size_t slot) { return "stream " + std::to_string(slot + 1); }

// nullopt when the packets match: the same content, the same keyframe flag
// and the same presentation time counted from each file's first packet;
// else what differs beyond the content ("" when it is the content).
std::optional<std::string> PacketDifference(const PacketRecord& expected, int64_t expectedFirstUs,
                                            const PacketRecord& written, int64_t writtenFirstUs) {
  if (expected.digest != written.digest) return "";
  if (expected.key != written.key)
    return written.key ? ": it is marked a keyframe" : ": it lost its keyframe mark";
  const int64_t expectedUs = av_sat_sub64(expected.shownUs, expectedFirstUs);
  const int64_t writtenUs = av_sat_sub64(written.shownUs, writtenFirstUs);
  const int64_t offUs = av_sat_sub64(writtenUs, expectedUs);
  if (offUs >= -kTimeGridUs && offUs <= kTimeGridUs) return std::nullopt;
  return " in time: shown at " + std::to_string(writtenUs / 1000) + " ms instead of " +
         std::to_string(expectedUs / 1000) + " ms";
}

VerificationResult Compare(const FileDigests& source, const FileDigests& output) {
  if (source.streams.size() != output.streams.size()) {
    return {Verdict::kDifferent, "the source has " + std::to_string(source.streams.size()) +
                                     " streams, the output " + std::to_string(output.streams.size())};
  }
  for (std::size_t slot = 0; slot < source.streams.size(); ++slot) {
    const std::vector<PacketRecord>& expected = source.streams[slot].packets;
    const std::vector<PacketRecord>& written = output.streams[slot].packets;
    if (expected.size() != written.size()) {
      return {Verdict::kDifferent, StreamName(slot) + " has " + std::to_string(expected.size()) +
                                       " packets in the source but " + std::to_string(written.size()) +
                                       " in the output"};
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (const std::optional<std::string> difference =
              PacketDifference(expected[i], source.firstShownUs, written[i], output.firstShownUs)) {
        return {Verdict::kDifferent,
                "packet " + std::to_string(i + 1) + " of " + StreamName(slot) + " differs" + *difference};
      }
    }
  }
  return {Verdict::kSame, {}};
}

}  // namespace

VerificationResult VerifyRewrap(const std::string& sourcePath, const std::string& outputPath,
                                const std::function<bool()>& shouldStop) {
  const FileDigests source = DigestFile(sourcePath, shouldStop);
  if (source.failure.verdict != Verdict::kSame) return source.failure;
  const FileDigests output = DigestFile(outputPath, shouldStop);
  if (output.failure.verdict != Verdict::kSame) return output.failure;
  return Compare(source, output);
}
