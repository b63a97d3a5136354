#include "platform/dshow/media/demuxer.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

extern "C" {
#include <libavutil/common.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include "platform/com/translatable.h"
#include "platform/dshow/media/avio_seek.h"
#include "platform/dshow/media/codec_description_check.h"
#include "platform/dshow/media/cut_short_checks.h"
#include "platform/dshow/media/matroska_writer.h"
#include "platform/dshow/media/timed_text.h"

namespace {

constexpr int kIoBufferSize = 64 * 1024;
constexpr unsigned kMaxIndexBytes = 64 * 1024;
// Past damage, reading gives up after this many reads in a row without a
// packet. Each failed read skips one unreadable packet at most (the mov reader
// skips one sample beyond a cut per read), so this is generous for samples
// of one stream that lie beyond a cut while others are still inside.
constexpr int kMaxFailuresInARow = 256;
// A demuxer that finds bad data again without moving inside the file is stuck.
constexpr int kMaxFailuresInPlace = 8;
// Packets of one stream further apart than this belong to different
// recordings joined together; within one, no frame or audio packet lasts
// this long and no reordering moves a frame this far.
constexpr int64_t kTimestampJumpUs = 10'000'000;

std::vector<std::pair<std::string, std::string>> MetadataPairs(const AVDictionary* metadata) {
  std::vector<std::pair<std::string, std::string>> pairs;
  const AVDictionaryEntry* entry = nullptr;
  while ((entry = av_dict_get(metadata, "", entry, AV_DICT_IGNORE_SUFFIX))) {
    pairs.emplace_back(entry->key, entry->value);
  }
  return pairs;
}

// libavformat writes no header for an audio stream without a sample rate or
// a video stream without a picture size. A file cut short or damaged before a
// stream's first whole frame leaves them unknown; that one stream is then left
// out rather than failing the whole file.
bool HasParametersToWrite(const AVCodecParameters& params) {
  switch (params.codec_type) {
    case AVMEDIA_TYPE_AUDIO:
      return params.sample_rate > 0;
    case AVMEDIA_TYPE_VIDEO:
      return params.width > 0 && params.height > 0;
    default:
      return true;
  }
}

// Streams a rewrap can copy: a known codec that Matroska can carry (cover
// pictures are attachments there, not streams), described well enough to
// write; and timed text, which the splitter hands on converted to plain text.
bool IsOffered(const AVStream& stream) {
  if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) return false;
  const AVCodecID codec = stream.codecpar->codec_id;
  return (MatroskaCanCarry(codec) || IsTimedText(codec)) && HasParametersToWrite(*stream.codecpar);
}

// Why a stream that is neither offered nor kept as an attachment is left
// out, in words the user reads; empty for streams that are not lost.
std::string WhyLeftOut(const AVStream& stream) {
  const AVCodecParameters& params = *stream.codecpar;
  if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) return {};  // kept as an attachment
  if (params.codec_type == AVMEDIA_TYPE_ATTACHMENT) return {};
  if (params.codec_tag == MKTAG('t', 'm', 'c', 'd'))
    return QT_TRANSLATE_NOOP("Corvane",
                             "a timecode track has no place in Matroska (its start time is kept as a tag)");
  if (params.codec_id == AV_CODEC_ID_NONE) return QT_TRANSLATE_NOOP("Corvane", "its codec is unknown");
  if (!MatroskaCanCarry(params.codec_id))
    return QT_TRANSLATE_NOOP("Corvane", "Matroska cannot carry this codec");
  if (!HasParametersToWrite(params))
    return QT_TRANSLATE_NOOP("Corvane", "its parameters could not be found (the file may be damaged)");
  return {};
}

// Why a stream that is not offered is container structure rather than
// content, in words the user reads; empty for streams with content.
std::string WhyStructure(const AVFormatContext& context, const AVStream& stream) {
  const AVCodecParameters& params = *stream.codecpar;
  if (params.codec_id == AV_CODEC_ID_DVD_NAV)
    return "DVD navigation packets, menu and seeking data for players";
  // The mov reader turns a chapter text track into the file's chapters and
  // marks it discarded itself; the chapters are written as Matroska chapters.
  if (params.codec_id == AV_CODEC_ID_BIN_DATA && stream.discard == AVDISCARD_ALL && context.nb_chapters > 0)
    return "the chapter titles, kept as Matroska chapters";
  // The start timecode is written as a tag (KeepStartTimecode).
  if (params.codec_tag == MKTAG('t', 'm', 'c', 'd') &&
      (av_dict_get(context.metadata, "timecode", nullptr, 0) ||
       av_dict_get(stream.metadata, "timecode", nullptr, 0)))
    return "a timecode track, its start kept as a tag";
  return {};
}

LeftOutStream DescribeLeftOut(const AVStream& stream, std::string reason) {
  const char* kind = av_get_media_type_string(stream.codecpar->codec_type);
  const AVCodecID codec = stream.codecpar->codec_id;
  return {stream.index, kind ? kind : "data", codec == AV_CODEC_ID_NONE ? "unknown" : avcodec_get_name(codec),
          std::move(reason)};
}

std::string TagOr(const AVDictionary* metadata, const char* key, const char* fallback) {
  const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
  return entry && *entry->value ? entry->value : fallback;
}

// Attached files (Matroska's attachments) carry their bytes as extradata;
// cover pictures (MP3, MP4, and Matroska's own image attachments) as their one
// packet. Matroska stores both as attachments, which need a name and a type.
std::optional<ContainerInfo::Attachment> AttachmentOf(const AVStream& stream) {
  const AVCodecParameters& params = *stream.codecpar;
  const bool cover = (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
  const uint8_t* data = cover ? stream.attached_pic.data : params.extradata;
  const int size = cover ? stream.attached_pic.size : params.extradata_size;
  if (!cover && params.codec_type != AVMEDIA_TYPE_ATTACHMENT) return std::nullopt;
  if (!data || size <= 0) return std::nullopt;
  const bool png = params.codec_id == AV_CODEC_ID_PNG;
  ContainerInfo::Attachment attachment;
  attachment.fileName = TagOr(stream.metadata, "filename", cover ? (png ? "cover.png" : "cover.jpg") : "");
  if (attachment.fileName.empty()) return std::nullopt;
  const char* anyType = cover ? (png ? "image/png" : "image/jpeg") : "application/octet-stream";
  attachment.mimeType = TagOr(stream.metadata, "mimetype", anyType);
  attachment.codec = params.codec_id;
  attachment.data.assign(data, data + size);
  return attachment;
}

// A QuickTime timecode (tmcd) track has no Matroska counterpart and is left
// out; the start timecode libavformat read from it becomes a file tag, so
// that the rewrap still says where the recording starts.
void KeepStartTimecode(const AVFormatContext& context,
                       std::vector<std::pair<std::string, std::string>>* tags) {
  if (av_dict_get(context.metadata, "timecode", nullptr, 0)) return;
  for (unsigned i = 0; i < context.nb_streams; ++i) {
    if (const AVDictionaryEntry* entry = av_dict_get(context.streams[i]->metadata, "timecode", nullptr, 0)) {
      tags->emplace_back("timecode", entry->value);
      return;
    }
  }
}

}  // namespace

int Demuxer::ReadCallback(void* opaque, uint8_t* buffer, int size) {
  auto* self = static_cast<Demuxer*>(opaque);
  const int read = self->m_read(self->m_position, buffer, size);
  if (read < 0 && self->m_readError == 0) self->m_readError = read;
  if (read < 0) return read;
  if (read == 0) return AVERROR_EOF;
  self->m_position += read;
  return read;
}

int64_t Demuxer::SeekCallback(void* opaque, int64_t offset, int whence) {
  auto* self = static_cast<Demuxer*>(opaque);
  return ApplyAvioSeek(&self->m_position, self->m_size, offset, whence);
}

int Demuxer::Open(ReadAt read, int64_t totalSize, std::unique_ptr<Demuxer>* out, StreamProbe probe) {
  std::unique_ptr<Demuxer> demuxer(new Demuxer());
  demuxer->m_read = std::move(read);
  demuxer->m_size = totalSize;
  const int opened = demuxer->OpenInput(probe);
  if (opened < 0) return opened;
  demuxer->CollectStreams();
  if (demuxer->m_offered.empty()) return AVERROR_INVALIDDATA;
  demuxer->CollectContainerInfo();
  demuxer->NoteCutShortSource();
  *out = std::move(demuxer);
  return 0;
}

int Demuxer::OpenInput(StreamProbe probe) {
  auto* buffer = static_cast<uint8_t*>(av_malloc(kIoBufferSize));
  if (!buffer) return AVERROR(ENOMEM);
  m_io = avio_alloc_context(buffer, kIoBufferSize, 0, this, &ReadCallback, nullptr, &SeekCallback);
  if (!m_io) {
    av_free(buffer);
    return AVERROR(ENOMEM);
  }
  m_context = avformat_alloc_context();
  if (!m_context) return AVERROR(ENOMEM);
  m_context->pb = m_io;
  m_context->flags |= AVFMT_FLAG_CUSTOM_IO;
  // The seeking index some readers build as they go is never used by a
  // front-to-back rewrap; kept small, it costs no memory that grows with
  // the file's length.
  m_context->max_index_size = kMaxIndexBytes;
  // On failure avformat_open_input frees the context it was given.
  if (const int err = avformat_open_input(&m_context, nullptr, nullptr, nullptr); err < 0) return err;
  // Filling in missing presentation times makes libavformat queue every
  // packet once more; MP4 and Matroska never leave them out.
  const std::string_view format = FormatName();
  if (format != "mov,mp4,m4a,3gp,3g2,mj2" && format != "matroska,webm") m_context->flags |= AVFMT_FLAG_GENPTS;
  if (probe == StreamProbe::kFirstFrames) return avformat_find_stream_info(m_context, nullptr);
  m_context->flags |= AVFMT_FLAG_NOPARSE | AVFMT_FLAG_NOFILLIN;
  return 0;
}

Demuxer::~Demuxer() {
  for (AVPacket*& held : m_held) av_packet_free(&held);
  avformat_close_input(&m_context);
  if (m_io) av_freep(&m_io->buffer);
  avio_context_free(&m_io);
}

void Demuxer::CollectStreams() {
  m_offeredOf.assign(m_context->nb_streams, -1);
  for (unsigned i = 0; i < m_context->nb_streams; ++i) {
    AVStream& stream = *m_context->streams[i];
    const bool offered = IsOffered(stream);
    const bool describable = !offered || CodecDescriptionIsSound(*stream.codecpar);
    if (!offered || !describable) {
      if (std::string structure = WhyStructure(*m_context, stream); !structure.empty()) {
        stream.discard = AVDISCARD_ALL;
        m_notes.structure.push_back(DescribeLeftOut(stream, std::move(structure)));
        continue;
      }
      stream.discard = AVDISCARD_ALL;
      std::string why =
          describable ? WhyLeftOut(stream) : "its codec description is damaged and cannot be written";
      if (!why.empty()) m_notes.leftOut.push_back(DescribeLeftOut(stream, std::move(why)));
      continue;
    }
    m_offeredOf[i] = static_cast<int>(m_offered.size());
    m_offered.push_back(static_cast<int>(i));
  }
  m_next.assign(m_offered.size(), NextTime{});
}

void Demuxer::CollectContainerInfo() {
  auto info = std::make_shared<ContainerInfo>();
  for (unsigned i = 0; i < m_context->nb_chapters; ++i) {
    const AVChapter& chapter = *m_context->chapters[i];
    info->chapters.push_back(
        {chapter.id, chapter.time_base, chapter.start, chapter.end, MetadataPairs(chapter.metadata)});
  }
  for (unsigned i = 0; i < m_context->nb_streams; ++i) {
    if (auto attachment = AttachmentOf(*m_context->streams[i])) info->attachments.push_back(*attachment);
  }
  info->tags = MetadataPairs(m_context->metadata);
  KeepStartTimecode(*m_context, &info->tags);
  info->durationUs = m_context->duration;
  info->startTimeUs = RewrapStartUs();
  m_container = std::move(info);
}

int64_t Demuxer::StartTimeUs() const {
  return m_context->start_time == AV_NOPTS_VALUE ? 0 : m_context->start_time;
}

int64_t Demuxer::RewrapStartUs() const {
  int64_t earliest = AV_NOPTS_VALUE;
  for (int i = 0; i < StreamCount(); ++i) {
    const AVStream& stream = Stream(i);
    if (stream.start_time == AV_NOPTS_VALUE) continue;
    const int64_t stored =
        stream.start_time + MatroskaWriter::StoredDelay(*stream.codecpar, stream.time_base);
    const int64_t storedUs = av_rescale_q(stored, stream.time_base, AV_TIME_BASE_Q);
    if (earliest == AV_NOPTS_VALUE || storedUs < earliest) earliest = storedUs;
  }
  return earliest == AV_NOPTS_VALUE ? StartTimeUs() : earliest;
}

void Demuxer::NoteCutShortSource() {
  m_notes.damage.endedEarly = DeclaresMoreThanPresent(FormatName(), m_read, m_size);
  m_holdsLast.assign(m_offered.size(), false);
  m_held.assign(m_offered.size(), nullptr);
  m_packetsSeen.assign(m_offered.size(), 0);
  m_timelines.assign(m_offered.size(), StreamTimeline{});
  if (!m_notes.damage.endedEarly) return;
  // A program stream's frames are cut out of its packets by parsers, which
  // hand on the last, cut frame of every stream at the end: each stream's
  // last frame is left out.
  if (std::string_view(FormatName()) == "mpeg") m_holdsLast.assign(m_offered.size(), true);
  if (std::string_view(FormatName()) != "mpegts") return;
  const int cutPid = TransportPidCutByFileEnd(m_read, m_size).value_or(-1);
  for (int i = 0; i < StreamCount(); ++i) m_holdsLast[i] = Stream(i).id == cutPid;
}

int Demuxer::ReadPacket(AVPacket* packet, int* offeredIndex) {
  for (;;) {
    if (const int err = ReadWholePacket(packet, offeredIndex); err < 0) return FinishReading(err);
    if (!HoldBackNearCut(packet, *offeredIndex)) break;
  }
  CompleteTimestamps(packet, *offeredIndex);
  NoteHandedOn(*packet, *offeredIndex);
  return 0;
}

// The next packet of an offered stream that lies whole in the file; reads
// on past data errors. AVERROR_EOF when reading gives up, m_readError when the
// source itself failed.
int Demuxer::ReadWholePacket(AVPacket* packet, int* offeredIndex) {
  FailureRun run;
  for (;;) {
    av_packet_unref(packet);
    const int err = av_read_frame(m_context, packet);
    if (m_readError < 0) return m_readError;
    if (err < 0) {
      if (!ReadOnAfter(err, &run)) return AVERROR_EOF;
      continue;
    }
    const int index =
        packet->stream_index < static_cast<int>(m_offeredOf.size()) ? m_offeredOf[packet->stream_index] : -1;
    if (index < 0) continue;
    ++m_packetsSeen[index];
    if (CutByFileEnd(FormatName(), m_read, m_size, m_context->streams[packet->stream_index], *packet)) {
      m_notes.damage.endedEarly = true;
      ++m_notes.damage.packetsLeftOut;
      if (++run.inARow >= kMaxFailuresInARow) return AVERROR_EOF;
      continue;
    }
    *offeredIndex = index;
    return 0;
  }
}

// Notes a failed read and says whether to go on. AVERROR_EOF is the
// demuxer's "nothing more here", which the mov reader also says of one
// sample beyond a cut; any other error is damage: inside the file the
// packet is unreadable, at its end the file stops too early.
bool Demuxer::ReadOnAfter(int error, FailureRun* run) {
  const int64_t position = avio_tell(m_io);
  const bool insideFile = position < m_size;
  if (error != AVERROR_EOF) {
    m_notes.damage.unreadableParts |= insideFile;
    m_notes.damage.endedEarly |= !insideFile;
    m_notes.damage.packetsLeftOut += insideFile ? 1 : 0;
  }
  const bool stuck = error != AVERROR_EOF && insideFile && position == run->lastPosition;
  run->atSamePlace = stuck ? run->atSamePlace + 1 : 0;
  run->lastPosition = position;
  return ++run->inARow < kMaxFailuresInARow && run->atSamePlace < kMaxFailuresInPlace;
}

// True when `packet` was taken to wait; false when `packet` (perhaps the one
// that waited) is to be handed on.
bool Demuxer::HoldBackNearCut(AVPacket* packet, int offeredIndex) {
  if (!m_holdsLast[offeredIndex] || !avio_feof(m_io)) return false;
  AVPacket*& held = m_held[offeredIndex];
  if (!held) {
    held = av_packet_alloc();
    if (!held) return false;
    av_packet_move_ref(held, packet);
    return true;
  }
  std::swap(*held, *packet);
  return false;
}

int Demuxer::FinishReading(int error) {
  if (error != AVERROR_EOF) return error;
  for (AVPacket*& held : m_held) {
    if (held && held->size > 0) ++m_notes.damage.packetsLeftOut;
    av_packet_free(&held);
  }
  SourceDamage& damage = m_notes.damage;
  for (const StreamTimeline& timeline : m_timelines) damage.unreadableParts |= timeline.packetsSinceMark >= 0;
  damage.endedEarly |= IndexReachesPast(*m_context, m_size);
  damage.unreadableParts |= StoppedBeforeTheEnd();
  NoteSkippedIndexedPackets();
  if (damage.endedEarly || damage.unreadableParts) damage.readableUntilUs = m_readableUntilUs;
  return AVERROR_EOF;
}

// Matroska's reader gives up for good where a cluster is damaged beyond
// repair and reports the end of the file there. Its header states the
// playing time, so packets that end well short of it mean the rest could not
// be read.
bool Demuxer::StoppedBeforeTheEnd() const {
  constexpr int64_t kSlackUs = 200'000;  // more than any frame or audio packet lasts
  const int64_t stated = m_context->duration;
  return std::string_view(FormatName()) == "matroska,webm" && stated != AV_NOPTS_VALUE && stated > 0 &&
         m_readableUntilUs >= 0 && m_readableUntilUs + kSlackUs < stated;
}

// The AVI and mov readers skip damaged packets by themselves and say
// nothing; where the index lists more packets inside the file than reading
// gave, the missing ones were unreadable.
void Demuxer::NoteSkippedIndexedPackets() {
  for (int i = 0; i < StreamCount(); ++i) {
    const int missing = IndexedPacketsInside(m_context->streams[m_offered[i]], m_size) - m_packetsSeen[i];
    if (missing <= 0) continue;
    m_notes.damage.unreadableParts = true;
    m_notes.damage.packetsLeftOut += missing;
  }
}

// Notes damage the packet carries and where the readable part ends: the
// playing time at the end of the latest packet handed on. Timestamps that
// jump (two recordings joined into one transport stream) start a new piece
// of the stream's timeline, which continues the playing time where the
// previous piece ended instead of counting the jump.
void Demuxer::NoteHandedOn(const AVPacket& packet, int offeredIndex) {
  StreamTimeline& timeline = m_timelines[offeredIndex];
  const int64_t shown = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
  // Damaged timestamps can be anything; saturate rather than overflow.
  const AVRational timeBase = Stream(offeredIndex).time_base;
  const int64_t startUs =
      shown == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : av_rescale_q(shown, timeBase, AV_TIME_BASE_Q);
  const int64_t gapUs = startUs == AV_NOPTS_VALUE || timeline.lastEndUs == AV_NOPTS_VALUE
                            ? 0
                            : av_sat_sub64(startUs, timeline.lastEndUs);
  const bool jumped = gapUs > kTimestampJumpUs || gapUs < -kTimestampJumpUs;
  NoteCorruptFlag(packet, jumped, &timeline);
  if (startUs == AV_NOPTS_VALUE) return;
  if (timeline.pieceStartUs == AV_NOPTS_VALUE) timeline.pieceStartUs = StartTimeUs();
  if (jumped) {
    timeline.pieceOffsetUs = timeline.PlayedUntil(timeline.lastEndUs);
    timeline.pieceStartUs = startUs;
  }
  timeline.lastEndUs = av_sat_add64(startUs, av_rescale_q(packet.duration, timeBase, AV_TIME_BASE_Q));
  m_readableUntilUs = std::max(m_readableUntilUs, timeline.PlayedUntil(timeline.lastEndUs));
}

// libavformat keeps a packet it could only partly make sense of and marks
// it; it is written as it is, but the source was damaged. The transport
// stream reader also marks the packets just before a join, where the
// continuity counters start again although nothing was lost (the parser
// that cuts frames hands the mark on a frame late): there the mark waits a
// few packets of the stream, and a timestamp jump among them clears it.
void Demuxer::NoteCorruptFlag(const AVPacket& packet, bool jumped, StreamTimeline* timeline) {
  constexpr int kJoinWindow = 4;
  if (jumped) timeline->packetsSinceMark = -1;
  if (timeline->packetsSinceMark >= 0 && ++timeline->packetsSinceMark > kJoinWindow) {
    m_notes.damage.unreadableParts = true;
    timeline->packetsSinceMark = -1;
  }
  if (!(packet.flags & AV_PKT_FLAG_CORRUPT)) return;
  if (std::string_view(FormatName()) != "mpegts")
    m_notes.damage.unreadableParts = true;
  else if (timeline->packetsSinceMark < 0)
    timeline->packetsSinceMark = 0;
}

void Demuxer::CompleteTimestamps(AVPacket* packet, int offeredIndex) {
  NextTime& next = m_next[offeredIndex];
  if (packet->dts == AV_NOPTS_VALUE)
    packet->dts = next.dts != AV_NOPTS_VALUE ? next.dts : FirstDts(*packet, offeredIndex);
  if (packet->pts == AV_NOPTS_VALUE) packet->pts = packet->dts;
  next.dts = av_sat_add64(packet->dts, packet->duration);  // a damaged source may carry any value
}

// A stream that reorders frames decodes its first frame `video_delay` frames
// before showing it (what the ffmpeg command assumes too), so later packets
// that do carry a dts never go backwards.
int64_t Demuxer::FirstDts(const AVPacket& packet, int offeredIndex) const {
  const AVStream& stream = Stream(offeredIndex);
  if (packet.pts == AV_NOPTS_VALUE) return stream.start_time != AV_NOPTS_VALUE ? stream.start_time : 0;
  int64_t frameDuration = packet.duration;
  if (frameDuration <= 0 && stream.avg_frame_rate.num > 0) {
    frameDuration = av_rescale_q(1, av_inv_q(stream.avg_frame_rate), stream.time_base);
  }
  int64_t delay = 0;
  if (__builtin_mul_overflow(static_cast<int64_t>(stream.codecpar->video_delay), frameDuration, &delay))
    return packet.pts;
  return av_sat_sub64(packet.pts, delay);
}
