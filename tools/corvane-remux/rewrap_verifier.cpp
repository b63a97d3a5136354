#include "tools/corvane-remux/rewrap_verifier.h"

#include <cstdint>
#include <vector>

#include "platform/dshow/media/stream_format.h"
#include "platform/dshow/media/timed_text.h"
#include "tools/corvane-remux/media_file_reader.h"
#include "tools/corvane-remux/payload_digest.h"

namespace {

using Verdict = VerificationResult::Verdict;

struct StreamPackets {
  int offeredIndex = 0;
  std::vector<uint64_t> digests;
};

struct FileDigests {
  std::vector<StreamPackets> streams;  // only the streams a Matroska file can carry
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
void AddDigest(const AVCodecParameters& params, const AVPacket& packet, StreamPackets* stream) {
  if (!IsTimedText(params.codec_id)) {
    stream->digests.push_back(PayloadDigest(params, packet.data, packet.size));
    return;
  }
  const std::string text = TimedTextToPlainText({packet.data, static_cast<std::size_t>(packet.size)});
  if (text.empty()) return;
  // Timed text is a text subtitle codec too, so the digest treats its text
  // exactly as it treats the written plain text.
  stream->digests.push_back(
      PayloadDigest(params, reinterpret_cast<const uint8_t*>(text.data()), static_cast<int>(text.size())));
}

FileDigests DigestFile(const std::string& path, const std::function<bool()>& shouldStop) {
  FileDigests result;
  result.failure.verdict = Verdict::kSame;
  MediaFileReader reader;
  if (std::string error = reader.Open(path); !error.empty()) {
    result.failure = {Verdict::kUnreadable, error};
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
    if (slotOf[index] >= 0) AddDigest(*media.Stream(index).codecpar, *packet, &result.streams[slotOf[index]]);
  }
  av_packet_free(&packet);
  if (err < 0 && err != AVERROR_EOF) result.failure = {Verdict::kUnreadable, "a read error in " + path};
  return result;
}

std::string StreamName(std::size_t slot) { return "stream " + std::to_string(slot + 1); }

VerificationResult Compare(const FileDigests& source, const FileDigests& output) {
  if (source.streams.size() != output.streams.size()) {
    return {Verdict::kDifferent, "the source has " + std::to_string(source.streams.size()) +
                                     " streams, the output " + std::to_string(output.streams.size())};
  }
  for (std::size_t slot = 0; slot < source.streams.size(); ++slot) {
    const std::vector<uint64_t>& expected = source.streams[slot].digests;
    const std::vector<uint64_t>& written = output.streams[slot].digests;
    if (expected.size() != written.size()) {
      return {Verdict::kDifferent, StreamName(slot) + " has " + std::to_string(expected.size()) +
                                       " packets in the source but " + std::to_string(written.size()) +
                                       " in the output"};
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (expected[i] != written[i]) {
        return {Verdict::kDifferent,
                "packet " + std::to_string(i + 1) + " of " + StreamName(slot) + " differs"};
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
