#include "platform/dshow/media/decoder.h"

#include <cstring>

#include "platform/dshow/core/media_sample.h"
#include "platform/dshow/media/system_errors.h"

namespace {

constexpr AVRational kReferenceTimeBase{1, 10'000'000};

// Decoders read a little past the end of their input, so a packet for them
// gets its own zero-padded copy; playback is not the rewrap's copy-free path.
AVPacket* PaddedPacketFrom(IMediaSample* sample) {
  BYTE* data = nullptr;
  sample->GetPointer(&data);
  const LONG size = sample->GetActualDataLength();
  AVPacket* packet = av_packet_alloc();
  if (!packet || av_new_packet(packet, size) < 0) {
    av_packet_free(&packet);
    return nullptr;
  }
  if (size > 0) std::memcpy(packet->data, data, size);
  ComPtr<IStreamSampleTimes> times;
  LONGLONG pts = NO_STREAM_TIME, dts = NO_STREAM_TIME, duration = 0;
  if (SUCCEEDED(sample->QueryInterface(IStreamSampleTimes::iid,
                                       reinterpret_cast<void**>(times.ReleaseAndGetAddressOf()))))
    times->GetStreamTimes(&pts, &dts, &duration);
  packet->pts = pts == NO_STREAM_TIME ? AV_NOPTS_VALUE : pts;
  packet->dts = dts == NO_STREAM_TIME ? AV_NOPTS_VALUE : dts;
  packet->duration = duration == NO_STREAM_TIME ? 0 : duration;
  if (sample->IsSyncPoint() == S_OK) packet->flags |= AV_PKT_FLAG_KEY;
  return packet;
}

LONG FrameBytes(const AVFrame& frame) {
  if (frame.nb_samples > 0) return frame.linesize[0];
  return frame.linesize[0] * frame.height;
}

}  // namespace

DecoderInputPin::DecoderInputPin(Decoder* decoder) : BaseInputPin(decoder, u"In"), m_decoder(decoder) {}

HRESULT DecoderInputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  const ComPtr<StreamFormat> format = StreamFormatOf(mt);
  if (!format || format->Params().codec_type != m_decoder->m_kind) return VFW_E_TYPE_NOT_ACCEPTED;
  if (CodecForSubtype(mt.subtype) != format->Params().codec_id) return VFW_E_TYPE_NOT_ACCEPTED;
  return avcodec_find_decoder(format->Params().codec_id) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT DecoderInputPin::OnReceive(IMediaSample* sample) {
  AVPacket* packet = PaddedPacketFrom(sample);
  if (!packet) return E_OUTOFMEMORY;
  m_decoder->NoteStreamTimeOffset(sample, *packet);
  const HRESULT hr = m_decoder->Decode(packet);
  av_packet_free(&packet);
  return hr;
}

// The decoder's remaining frames go out before the end of the stream.
HRESULT DecoderInputPin::OnEndOfStream() {
  m_decoder->Decode(nullptr);
  return m_decoder->m_output.DeliverEndOfStream();
}

HRESULT DecoderInputPin::OnBeginFlush() { return m_decoder->m_output.DeliverBeginFlush(); }

HRESULT DecoderInputPin::OnEndFlush() {
  if (m_decoder->m_codec) avcodec_flush_buffers(m_decoder->m_codec);
  return m_decoder->m_output.DeliverEndFlush();
}

DecoderOutputPin::DecoderOutputPin(Decoder* decoder) : BaseOutputPin(decoder, u"Out"), m_decoder(decoder) {}

HRESULT DecoderOutputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  const bool video = m_decoder->m_kind == AVMEDIA_TYPE_VIDEO;
  const GUID& raw = video ? MEDIASUBTYPE_CorvaneRawVideo : MEDIASUBTYPE_CorvaneRawAudio;
  return mt.subtype == raw && m_decoder->m_input.IsConnected() ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

// The decoded frames are described by the compressed stream's parameters
// (size, rate, channels); the subtype says they are decoded.
HRESULT DecoderOutputPin::GetMediaType(int position, MediaType* mt) {
  if (position < 0) return E_INVALIDARG;
  const ComPtr<StreamFormat> format = StreamFormatOf(m_decoder->m_input.CurrentMediaType());
  if (position > 0 || !format) return VFW_S_NO_MORE_ITEMS;
  *mt = RawMediaType(format.Get());
  return S_OK;
}

Decoder::Decoder(AVMediaType kind)
    : BaseFilter(kind == AVMEDIA_TYPE_VIDEO ? CLSID_CorvaneVideoDecoder : CLSID_CorvaneAudioDecoder),
      m_kind(kind),
      m_input(this),
      m_output(this) {}

Decoder::~Decoder() { CloseCodec(); }

BasePin* Decoder::GetPin(int index) {
  if (index == 0) return &m_input;
  return index == 1 ? &m_output : nullptr;
}

HRESULT Decoder::OnPause() {
  if (m_codec || !m_input.IsConnected()) return S_OK;
  const ComPtr<StreamFormat> format = StreamFormatOf(m_input.CurrentMediaType());
  const AVCodec* codec = format ? avcodec_find_decoder(format->Params().codec_id) : nullptr;
  if (!codec) return VFW_E_UNSUPPORTED_STREAM;
  m_codec = avcodec_alloc_context3(codec);
  if (!m_codec) return E_OUTOFMEMORY;
  m_timeBase = format->TimeBase();
  m_codec->pkt_timebase = m_timeBase;
  int err = avcodec_parameters_to_context(m_codec, &format->Params());
  if (err >= 0) err = avcodec_open2(m_codec, codec, nullptr);
  if (err < 0) CloseCodec();
  return HResultFromAvError(err);
}

// Upstream counts sample times from the file's first timestamp; frames keep
// that origin.
void Decoder::NoteStreamTimeOffset(IMediaSample* sample, const AVPacket& packet) {
  REFERENCE_TIME start = 0, stop = 0;
  if (packet.pts == AV_NOPTS_VALUE || FAILED(sample->GetTime(&start, &stop))) return;
  m_streamTimeOffset = start - av_rescale_q(packet.pts, m_timeBase, kReferenceTimeBase);
}

HRESULT Decoder::OnStop() {
  CloseCodec();
  return S_OK;
}

void Decoder::CloseCodec() { avcodec_free_context(&m_codec); }

// Streaming thread. Damaged packets are skipped, as players do: playback goes on.
HRESULT Decoder::Decode(const AVPacket* packet) {
  if (!m_codec) return VFW_E_WRONG_STATE;
  const int err = avcodec_send_packet(m_codec, packet);
  if (err < 0 && err != AVERROR(EAGAIN) && err != AVERROR_INVALIDDATA && err != AVERROR_EOF)
    return HResultFromAvError(err);
  return DeliverFrames();
}

HRESULT Decoder::DeliverFrames() {
  for (;;) {
    AVFrame* frame = av_frame_alloc();
    const int err = avcodec_receive_frame(m_codec, frame);
    if (err < 0) {
      av_frame_free(&frame);
      return S_OK;  // EAGAIN, EOF or a damaged frame: nothing more to deliver now
    }
    if (const HRESULT hr = DeliverFrame(frame); FAILED(hr)) return hr;
  }
}

// Takes over `frame`: the sample owns it.
HRESULT Decoder::DeliverFrame(AVFrame* frame) {
  std::shared_ptr<AVFrame> owner(frame, [](AVFrame* f) { av_frame_free(&f); });
  ComPtr<MediaSample> sample = MediaSample::Wrap(frame->data[0], FrameBytes(*frame), owner);
  const int64_t when = frame->best_effort_timestamp;
  if (when != AV_NOPTS_VALUE) {
    REFERENCE_TIME start = av_rescale_q(when, m_timeBase, kReferenceTimeBase) + m_streamTimeOffset;
    REFERENCE_TIME stop = start + av_rescale_q(frame->pkt_duration, m_timeBase, kReferenceTimeBase);
    sample->SetTime(&start, &stop);
  }
  sample->SetSyncPoint(TRUE);
  return m_output.Deliver(sample.Get());
}
