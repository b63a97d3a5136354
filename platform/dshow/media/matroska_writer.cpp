#include "platform/dshow/media/matroska_writer.h"

#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavutil/common.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include "platform/dshow/media/avio_seek.h"

namespace {

// Matroska keeps only these dispositions as track flags.
constexpr int kKeptDispositions = AV_DISPOSITION_DEFAULT | AV_DISPOSITION_FORCED |
                                  AV_DISPOSITION_HEARING_IMPAIRED | AV_DISPOSITION_VISUAL_IMPAIRED |
                                  AV_DISPOSITION_ORIGINAL | AV_DISPOSITION_COMMENT |
                                  AV_DISPOSITION_DESCRIPTIONS;

void SetMetadata(AVDictionary** metadata, const std::vector<std::pair<std::string, std::string>>& pairs) {
  for (const auto& [key, value] : pairs) av_dict_set(metadata, key.c_str(), value.c_str(), 0);
}

int64_t Middle(int64_t a, int64_t b, int64_t c) {
  return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

// A damaged source can have a timestamp jump back, or a frame shown before it
// is decoded (pts < dts). libavformat refuses either packet with EINVAL, which
// would end the whole file; like the ffmpeg command, the packet gets the
// nearest timestamps the muxer takes instead. `lastDts` is the stream's
// previous dts in the same time base (AV_NOPTS_VALUE before its first packet).
void KeepDecodeOrder(AVPacket* packet, int64_t* lastDts) {
  if (packet->dts == AV_NOPTS_VALUE) return;
  if (packet->pts != AV_NOPTS_VALUE && packet->pts < packet->dts) {
    const int64_t next = *lastDts == AV_NOPTS_VALUE ? packet->pts : av_sat_add64(*lastDts, 1);
    packet->pts = packet->dts = Middle(packet->pts, packet->dts, next);
  }
  // Matroska takes equal decode times (AVFMT_TS_NONSTRICT), not earlier ones.
  if (*lastDts != AV_NOPTS_VALUE && packet->dts < *lastDts) {
    if (packet->pts != AV_NOPTS_VALUE) packet->pts = std::max(packet->pts, *lastDts);
    packet->dts = *lastDts;
  }
  *lastDts = packet->dts;
}

// The source's codec tag, where the muxer would store it as it is, as the
// ffmpeg command keeps it: a tag that names the same codec in the muxer's own
// tables, or any tag of a codec those tables lack (DNxHD's QuickTime tag,
// which the muxer writes into the track's sample description). Other tags
// belong to the source's container and would only mislead the muxer, which
// then picks its own. Uncompressed video is described by its pixel format,
// which Matroska stores as the track's colour space: without it the muxer
// cannot describe the frames.
uint32_t MatroskaCodecTag(const AVCodecParameters& params, const AVOutputFormat& matroska) {
  if (params.codec_id == AV_CODEC_ID_RAWVIDEO) {
    if (const unsigned tag = avcodec_pix_fmt_to_codec_tag(static_cast<AVPixelFormat>(params.format)))
      return tag;
  }
  unsigned ownTag = 0;
  const bool sameCodec = av_codec_get_id(matroska.codec_tag, params.codec_tag) == params.codec_id;
  const bool noTagOfItsOwn = !av_codec_get_tag2(matroska.codec_tag, params.codec_id, &ownTag);
  return sameCodec || noTagOfItsOwn ? params.codec_tag : 0;
}

}  // namespace

MatroskaWriter::MatroskaWriter(WriteAt write) : m_write(std::move(write)) {
  avformat_alloc_output_context2(&m_context, nullptr, "matroska", nullptr);
  auto* buffer = static_cast<uint8_t*>(av_malloc(kBlockBytes));
  m_io = avio_alloc_context(buffer, kBlockBytes, 1, this, nullptr, &WriteCallback, &SeekCallback);
  if (m_io) m_io->seekable = AVIO_SEEKABLE_NORMAL;
  if (m_context) {
    m_context->pb = m_io;
    m_context->flags |= AVFMT_FLAG_CUSTOM_IO;
  }
}

MatroskaWriter::~MatroskaWriter() {
  avformat_free_context(m_context);
  if (m_io) av_freep(&m_io->buffer);
  avio_context_free(&m_io);
}

int MatroskaWriter::WriteCallback(void* opaque, uint8_t* buffer, int size) {
  auto* self = static_cast<MatroskaWriter*>(opaque);
  if (const int err = self->m_write(self->m_position, buffer, size); err < 0) return err;
  self->m_position += size;
  self->m_size = std::max(self->m_size, self->m_position);
  return size;
}

int64_t MatroskaWriter::SeekCallback(void* opaque, int64_t offset, int whence) {
  auto* self = static_cast<MatroskaWriter*>(opaque);
  return ApplyAvioSeek(&self->m_position, self->m_size, offset, whence);
}

int MatroskaWriter::AddStream(const StreamFormat& format) {
  if (!m_context || !m_io) return AVERROR(ENOMEM);
  if (m_headerWritten) return AVERROR(EINVAL);
  AVStream* stream = avformat_new_stream(m_context, nullptr);
  if (!stream) return AVERROR(ENOMEM);
  if (const int err = avcodec_parameters_copy(stream->codecpar, &format.Params()); err < 0) return err;
  stream->codecpar->codec_tag = MatroskaCodecTag(format.Params(), *m_context->oformat);
  stream->time_base = format.TimeBase();
  stream->disposition = format.Disposition() & kKeptDispositions;
  if (!format.Language().empty()) av_dict_set(&stream->metadata, "language", format.Language().c_str(), 0);
  if (!format.Title().empty()) av_dict_set(&stream->metadata, "title", format.Title().c_str(), 0);
  m_sourceTimeBases.push_back(format.TimeBase());
  m_storedDelays.push_back(StoredDelay(format.Params(), format.TimeBase()));
  m_lastDts.push_back(AV_NOPTS_VALUE);
  return stream->index;
}

void MatroskaWriter::SetContainerInfo(const ContainerInfo& info) {
  if (!m_context || m_headerWritten) return;
  m_startTimeUs = info.startTimeUs;
  SetMetadata(&m_context->metadata, info.tags);
  // The muxer writes its own; a copied one would claim the source's tool.
  av_dict_set(&m_context->metadata, "encoder", nullptr, 0);
  for (const ContainerInfo::Chapter& source : info.chapters) AddChapter(source);
  m_attachments = info.attachments;
}

// Attachment streams come after every stream AddStream numbered, so packet
// indexes stay as given. The muxer writes them with the header.
int MatroskaWriter::AddAttachments() {
  for (const ContainerInfo::Attachment& attachment : m_attachments) {
    AVStream* stream = avformat_new_stream(m_context, nullptr);
    if (!stream) return AVERROR(ENOMEM);
    AVCodecParameters& params = *stream->codecpar;
    params.codec_type = AVMEDIA_TYPE_ATTACHMENT;
    params.codec_id = attachment.codec;
    const auto size = static_cast<int>(attachment.data.size());
    params.extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!params.extradata) return AVERROR(ENOMEM);
    std::copy(attachment.data.begin(), attachment.data.end(), params.extradata);
    params.extradata_size = size;
    av_dict_set(&stream->metadata, "filename", attachment.fileName.c_str(), 0);
    av_dict_set(&stream->metadata, "mimetype", attachment.mimeType.c_str(), 0);
  }
  return 0;
}

// avformat_free_context frees the chapters added here.
void MatroskaWriter::AddChapter(const ContainerInfo::Chapter& source) {
  auto* chapter = static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter)));
  if (!chapter) return;
  const unsigned count = m_context->nb_chapters;
  auto* grown =
      static_cast<AVChapter**>(av_realloc_array(m_context->chapters, count + 1, sizeof(AVChapter*)));
  if (!grown) {
    av_free(chapter);
    return;
  }
  grown[count] = chapter;
  m_context->chapters = grown;
  m_context->nb_chapters = count + 1;
  chapter->id = source.id;
  chapter->time_base = source.timeBase;
  chapter->start = source.start;
  chapter->end = source.end;
  SetMetadata(&chapter->metadata, source.metadata);
}

int MatroskaWriter::WriteHeader() {
  if (!m_context || !m_io) return AVERROR(ENOMEM);
  if (m_headerWritten) return 0;
  if (const int err = AddAttachments(); err < 0) return err;
  // The muxer names itself as the writing application unless told otherwise;
  // it still names itself as the muxing application.
  av_dict_set(&m_context->metadata, "encoding_tool", kWritingApplication, 0);
  AVDictionary* options = nullptr;
  av_dict_parse_string(&options, kMuxerOptions, "=", ":", 0);
  const int err = avformat_write_header(m_context, &options);
  av_dict_free(&options);
  if (err < 0) return err;
  m_headerWritten = true;
  // From here on a finished cluster goes to the callback straight from the
  // muxer's own buffer instead of through this context's buffer, one copy
  // fewer. The header itself stays buffered, so that nothing reaches the
  // output before the first packet does.
  m_io->direct = 1;
  return 0;
}

int64_t MatroskaWriter::StoredDelay(const AVCodecParameters& params, AVRational timeBase) {
  if (params.codec_id != AV_CODEC_ID_OPUS || params.initial_padding <= 0) return 0;
  return av_rescale_q(params.initial_padding, AVRational{1, 48000}, timeBase);
}

int MatroskaWriter::WritePacket(int index, AVPacket* packet) {
  if (!m_headerWritten || m_trailerWritten) return AVERROR(EINVAL);
  // Only streams AddStream numbered take packets; attachments follow them.
  if (index < 0 || index >= static_cast<int>(m_sourceTimeBases.size())) return AVERROR(EINVAL);
  packet->stream_index = index;
  const int64_t shift =
      m_storedDelays[index] - av_rescale_q(m_startTimeUs, AV_TIME_BASE_Q, m_sourceTimeBases[index]);
  // Saturating: a damaged source can carry timestamps near the ends of the range.
  if (packet->pts != AV_NOPTS_VALUE) packet->pts = av_sat_add64(packet->pts, shift);
  if (packet->dts != AV_NOPTS_VALUE) packet->dts = av_sat_add64(packet->dts, shift);
  av_packet_rescale_ts(packet, m_sourceTimeBases[index], m_context->streams[index]->time_base);
  KeepDecodeOrder(packet, &m_lastDts[index]);
  const int err = m_interleave == Interleave::ByTimestamp ? av_interleaved_write_frame(m_context, packet)
                                                          : av_write_frame(m_context, packet);
  av_packet_unref(packet);
  return err;
}

int MatroskaWriter::WriteTrailer() {
  if (!m_headerWritten || m_trailerWritten) return AVERROR(EINVAL);
  m_trailerWritten = true;
  const int err = av_write_trailer(m_context);
  if (err < 0) return err;
  avio_flush(m_io);
  return m_io->error < 0 ? m_io->error : 0;
}
