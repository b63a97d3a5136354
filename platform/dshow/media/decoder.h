// Corvane Video Decoder and Corvane Audio Decoder: libavcodec behind a
// transform filter, so that RenderFile can build a playback graph. They take
// any compressed type of their kind that libavcodec can decode and deliver
// decoded frames (each sample owns an AVFrame). Subtitles and data have no
// decoder, so those pins stay unconnected in a playback graph.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/media/stream_format.h"

constexpr CLSID CLSID_CorvaneVideoDecoder{
    0x9FA14171, 0x4D4E, 0x4B3C, {0xA9, 0x87, 0xCB, 0x87, 0xC8, 0x9A, 0x16, 0xD8}};
constexpr CLSID CLSID_CorvaneAudioDecoder{
    0x76E0016A, 0xC34A, 0x45D8, {0x8B, 0xBD, 0xED, 0xBD, 0x3F, 0xE4, 0xA6, 0xC8}};

class Decoder;

class DecoderInputPin : public BaseInputPin {
 public:
  explicit DecoderInputPin(Decoder* decoder);

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT OnReceive(IMediaSample* sample) override;
  HRESULT OnEndOfStream() override;
  HRESULT OnBeginFlush() override;
  HRESULT OnEndFlush() override;

 private:
  Decoder* const m_decoder;
};

class DecoderOutputPin : public BaseOutputPin {
 public:
  explicit DecoderOutputPin(Decoder* decoder);

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT GetMediaType(int position, MediaType* mt) override;

 private:
  Decoder* const m_decoder;
};

class Decoder : public BaseFilter {
 public:
  // AVMEDIA_TYPE_VIDEO or AVMEDIA_TYPE_AUDIO.
  explicit Decoder(AVMediaType kind);
  ~Decoder() override;

  int GetPinCount() override { return 2; }
  BasePin* GetPin(int index) override;

 protected:
  // The codec opens on leaving Stopped and closes on Stop (after upstream
  // stopped streaming).
  HRESULT OnPause() override;
  HRESULT OnStop() override;

 private:
  friend class DecoderInputPin;
  friend class DecoderOutputPin;
  // Streaming thread.
  void NoteStreamTimeOffset(IMediaSample* sample, const AVPacket& packet);
  HRESULT Decode(const AVPacket* packet);
  HRESULT DeliverFrames();
  HRESULT DeliverFrame(AVFrame* frame);
  void CloseCodec();

  const AVMediaType m_kind;
  DecoderInputPin m_input;
  DecoderOutputPin m_output;
  AVCodecContext* m_codec = nullptr;
  AVRational m_timeBase{1, 1};
  REFERENCE_TIME m_streamTimeOffset = 0;
};
