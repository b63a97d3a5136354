#include "platform/dshow/media/stream_format.h"

#include <map>
#include <mutex>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include "platform/dshow/core/dshow.h"
#include "platform/dshow/media/timed_text.h"

namespace {

std::string MetadataValue(const AVDictionary* metadata, const char* key) {
  const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
  return entry ? entry->value : "";
}

bool IsCodecSubtype(const GUID& subtype) {
  return subtype.Data2 == kCodecSubtypeBase.Data2 && subtype.Data3 == kCodecSubtypeBase.Data3 &&
         subtype.Data4 == kCodecSubtypeBase.Data4;
}

int DiscardWrite(void* /*opaque*/, uint8_t* /*buffer*/, int size) { return size; }

// Writes a Matroska header, into nothing, for one stream of `codec` with
// plausible parameters; whether the muxer took it.
bool MatroskaHeaderAccepts(AVCodecID codec) {
  const AVMediaType type = avcodec_get_type(codec);
  if (type != AVMEDIA_TYPE_VIDEO && type != AVMEDIA_TYPE_AUDIO) return false;
  AVFormatContext* context = nullptr;
  if (avformat_alloc_output_context2(&context, nullptr, "matroska", nullptr) < 0) return false;
  const std::unique_ptr<AVFormatContext, decltype(&avformat_free_context)> owned(context,
                                                                                 &avformat_free_context);
  AVStream* stream = avformat_new_stream(context, nullptr);
  if (!stream) return false;
  AVCodecParameters& params = *stream->codecpar;
  params.codec_type = type;
  params.codec_id = codec;
  params.width = params.height = 16;
  params.sample_rate = 48000;
  av_channel_layout_default(&params.ch_layout, 2);
  stream->time_base = {1, 1000};
  constexpr int kBufferSize = 4096;
  auto* buffer = static_cast<uint8_t*>(av_malloc(kBufferSize));
  context->pb = avio_alloc_context(buffer, kBufferSize, 1, nullptr, nullptr, &DiscardWrite, nullptr);
  if (!context->pb) {
    av_free(buffer);
    return false;
  }
  const bool accepted = avformat_write_header(context, nullptr) >= 0;
  av_freep(&context->pb->buffer);
  avio_context_free(&context->pb);
  return accepted;
}

}  // namespace

GUID SubtypeForCodec(AVCodecID codec) {
  GUID subtype = kCodecSubtypeBase;
  subtype.Data1 = static_cast<std::uint32_t>(codec);
  return subtype;
}

AVCodecID CodecForSubtype(const GUID& subtype) {
  if (!IsCodecSubtype(subtype)) return AV_CODEC_ID_NONE;
  return static_cast<AVCodecID>(subtype.Data1);
}

GUID MajorTypeForCodecType(AVMediaType type) {
  switch (type) {
    case AVMEDIA_TYPE_VIDEO:
      return MEDIATYPE_Video;
    case AVMEDIA_TYPE_AUDIO:
      return MEDIATYPE_Audio;
    case AVMEDIA_TYPE_SUBTITLE:
      return MEDIATYPE_Subtitle;
    default:
      return MEDIATYPE_Data;
  }
}

bool MatroskaCanCarry(AVCodecID codec) {
  if (codec == AV_CODEC_ID_NONE) return false;
  const AVOutputFormat* matroska = av_guess_format("matroska", nullptr, nullptr);
  if (avformat_query_codec(matroska, codec, FF_COMPLIANCE_NORMAL) == 1) return true;
  // The rest the muxer stores under its compatibility ids (V_MS/VFW/FOURCC,
  // V_QUICKTIME, A_MS/ACM) when it finds a tag for them: only writing a
  // header tells. Each codec is tried once.
  static std::mutex lock;
  static std::map<AVCodecID, bool> known;
  std::lock_guard guard(lock);
  const auto [entry, added] = known.try_emplace(codec, false);
  if (added) entry->second = MatroskaHeaderAccepts(codec);
  return entry->second;
}

StreamFormat::StreamFormat(const AVCodecParameters& params, AVRational timeBase)
    : m_params(avcodec_parameters_alloc()), m_timeBase(timeBase) {
  avcodec_parameters_copy(m_params, &params);
}

StreamFormat::~StreamFormat() { avcodec_parameters_free(&m_params); }

ComPtr<StreamFormat> StreamFormat::Create(const AVCodecParameters& params, AVRational timeBase) {
  return ComPtr<StreamFormat>::Attach(new StreamFormat(params, timeBase));
}

ComPtr<StreamFormat> StreamFormat::FromStream(const AVStream& stream,
                                              std::shared_ptr<const ContainerInfo> container) {
  ComPtr<StreamFormat> format = Create(*stream.codecpar, stream.time_base);
  // Timed text is carried as plain-text subtitles; the splitter converts its
  // packets to match (see timed_text.h).
  if (IsTimedText(stream.codecpar->codec_id)) DescribeAsPlainText(format->m_params);
  format->m_language = MetadataValue(stream.metadata, "language");
  format->m_title = MetadataValue(stream.metadata, "title");
  format->m_disposition = stream.disposition;
  format->m_container = std::move(container);
  return format;
}

HRESULT StreamFormat::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (OfferInterface<IUnknown>(this, riid, ppv)) return S_OK;
  if (riid != iid) return E_NOINTERFACE;
  // Handed out as the object itself, for ComPtr<StreamFormat>.
  AddRef();
  *ppv = this;
  return S_OK;
}

ComPtr<StreamFormat> StreamFormatOf(const AM_MEDIA_TYPE& mt) {
  ComPtr<StreamFormat> format;
  if (mt.formattype != FORMAT_CorvaneStream || !mt.pUnk) return format;
  mt.pUnk->QueryInterface(StreamFormat::iid, reinterpret_cast<void**>(format.ReleaseAndGetAddressOf()));
  return format;
}

MediaType CompressedMediaType(StreamFormat* format) {
  const AVCodecParameters& params = format->Params();
  MediaType mt(MajorTypeForCodecType(params.codec_type), SubtypeForCodec(params.codec_id));
  mt.bTemporalCompression = params.codec_type == AVMEDIA_TYPE_VIDEO;
  mt.formattype = FORMAT_CorvaneStream;
  mt.SetFormatObject(format);
  return mt;
}

MediaType RawMediaType(StreamFormat* format) {
  const bool video = format->Params().codec_type == AVMEDIA_TYPE_VIDEO;
  MediaType mt(video ? MEDIATYPE_Video : MEDIATYPE_Audio,
               video ? MEDIASUBTYPE_CorvaneRawVideo : MEDIASUBTYPE_CorvaneRawAudio);
  mt.bFixedSizeSamples = TRUE;
  mt.formattype = FORMAT_CorvaneStream;
  mt.SetFormatObject(format);
  return mt;
}
