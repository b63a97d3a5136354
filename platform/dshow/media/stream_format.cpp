#include "platform/dshow/media/stream_format.h"

extern "C" {
#include <libavutil/dict.h>
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
  const AVCodecTag* const video[] = {avformat_get_riff_video_tags(), nullptr};
  const AVCodecTag* const audio[] = {avformat_get_riff_audio_tags(), nullptr};
  switch (avcodec_get_type(codec)) {
    case AVMEDIA_TYPE_VIDEO:
      return av_codec_get_tag(video, codec) != 0;
    case AVMEDIA_TYPE_AUDIO:
      return av_codec_get_tag(audio, codec) != 0;
    default:
      return false;
  }
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
