// What a connection between FFmpeg-backed filters says about one stream: the
// table from codec ids to media types, and the format object that rides in
// AM_MEDIA_TYPE::pUnk carrying the stream's codec parameters, time base,
// language, title and disposition, plus the container's chapters and tags.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/codec_par.h>
#include <libavformat/avformat.h>
#include <libavutil/rational.h>
}

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/media_type.h"

// Compressed streams: the subtype's Data1 is the AVCodecID, the rest is ours,
// so the ids never collide with the FOURCC-based subtypes Windows defines.
constexpr GUID kCodecSubtypeBase{
    0x00000000, 0xC0DE, 0x4C0D, {0x9A, 0x7E, 0x43, 0x6F, 0x72, 0x76, 0x61, 0x6E}};
// The format type of every connection that carries a StreamFormat in pUnk.
constexpr GUID FORMAT_CorvaneStream{
    0x5D0A3C71, 0x8E2B, 0x4F6A, {0xB1, 0x9C, 0x27, 0x44, 0x0E, 0x61, 0xA3, 0x15}};
// Decoded frames (each sample owns an AVFrame); the format object describes
// them through codec parameters (raw video: width, height, pixel format; raw
// audio: sample format, rate, channel layout).
constexpr GUID MEDIASUBTYPE_CorvaneRawVideo{
    0x5D0A3C72, 0x8E2B, 0x4F6A, {0xB1, 0x9C, 0x27, 0x44, 0x0E, 0x61, 0xA3, 0x15}};
constexpr GUID MEDIASUBTYPE_CorvaneRawAudio{
    0x5D0A3C73, 0x8E2B, 0x4F6A, {0xB1, 0x9C, 0x27, 0x44, 0x0E, 0x61, 0xA3, 0x15}};

GUID SubtypeForCodec(AVCodecID codec);
// AV_CODEC_ID_NONE for a subtype that names no codec.
AVCodecID CodecForSubtype(const GUID& subtype);
GUID MajorTypeForCodecType(AVMediaType type);
// Whether libavformat's Matroska muxer can write this codec: under a Matroska
// codec id of its own, or under a compatibility id (V_MS/VFW/FOURCC,
// V_QUICKTIME, A_MS/ACM), which the muxer is asked by writing a trial header.
// Safe from any thread.
bool MatroskaCanCarry(AVCodecID codec);

// The container around the streams: kept by a rewrap. Every stream of one
// source shares the same object; the multiplexer takes it from the first
// connected input that has one.
struct ContainerInfo {
  struct Chapter {
    int64_t id = 0;
    AVRational timeBase{1, 1000};
    int64_t start = 0;
    int64_t end = 0;
    std::vector<std::pair<std::string, std::string>> metadata;
  };
  // A file stored in the container (a font for styled subtitles, a cover
  // picture), copied as it is.
  struct Attachment {
    std::string fileName;
    std::string mimeType;
    AVCodecID codec = AV_CODEC_ID_NONE;
    std::vector<uint8_t> data;
  };
  std::vector<Chapter> chapters;
  std::vector<Attachment> attachments;
  std::vector<std::pair<std::string, std::string>> tags;
  int64_t durationUs = AV_NOPTS_VALUE;
  // The first timestamp of the source, AV_TIME_BASE units: a rewrap starts
  // its file at zero, as the ffmpeg command and mkvmerge do.
  int64_t startTimeUs = 0;
};

// The object in AM_MEDIA_TYPE::pUnk. It owns its AVCodecParameters copy;
// CopyMediaType shares it by AddRef, so it never changes after creation.
class StreamFormat : public RefCount, public IUnknown {
 public:
  static constexpr IID iid{0x5D0A3C70, 0x8E2B, 0x4F6A, {0xB1, 0x9C, 0x27, 0x44, 0x0E, 0x61, 0xA3, 0x15}};

  // The stream as a rewrap carries it: timed text is described as the
  // plain-text subtitles it is converted to (see timed_text.h).
  static ComPtr<StreamFormat> FromStream(const AVStream& stream,
                                         std::shared_ptr<const ContainerInfo> container);
  static ComPtr<StreamFormat> Create(const AVCodecParameters& params, AVRational timeBase);

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED

  const AVCodecParameters& Params() const { return *m_params; }
  AVRational TimeBase() const { return m_timeBase; }
  const std::string& Language() const { return m_language; }
  const std::string& Title() const { return m_title; }
  int Disposition() const { return m_disposition; }
  // Null when the stream came without container information.
  const std::shared_ptr<const ContainerInfo>& Container() const { return m_container; }

 private:
  StreamFormat(const AVCodecParameters& params, AVRational timeBase);
  ~StreamFormat() override;

  AVCodecParameters* m_params;
  AVRational m_timeBase;
  std::string m_language;
  std::string m_title;
  int m_disposition = 0;
  std::shared_ptr<const ContainerInfo> m_container;
};

// The format object of a media type, or null when it has none of ours.
ComPtr<StreamFormat> StreamFormatOf(const AM_MEDIA_TYPE& mt);

// The media type of a compressed stream, carrying `format`.
MediaType CompressedMediaType(StreamFormat* format);
// The media type of decoded frames described by `format`.
MediaType RawMediaType(StreamFormat* format);
