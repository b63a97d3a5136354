// A sample that carries a demuxed packet. Its payload is libavformat's own
// reference-counted buffer, held by the sample itself, so a packet costs one
// allocation on its way into the graph; a filter that hands the bytes back
// to libavformat takes another reference to that buffer instead of wrapping
// the sample.
#pragma once

extern "C" {
#include <libavcodec/packet.h>
}

#include "platform/dshow/core/media_sample.h"

struct IPacketPayload : IUnknown {
  static constexpr IID iid{0x3D5E9A61, 0x7B02, 0x4F4C, {0x8E, 0x1D, 0x55, 0x0A, 0x6C, 0x29, 0xB4, 0x17}};
  // The buffer the sample's bytes lie in; valid while the sample lives.
  virtual AVBufferRef* PayloadBuffer() = 0;

 protected:
  ~IPacketPayload() = default;
};

class PacketSample final : public MediaSample, public IPacketPayload {
 public:
  // Takes over the payload of `packet`, which is left blank (side data is
  // dropped: nothing downstream reads it). Null when out of memory.
  static ComPtr<PacketSample> Take(AVPacket* packet);

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED
  AVBufferRef* PayloadBuffer() override { return m_payload; }

 private:
  PacketSample(AVBufferRef* payload, uint8_t* data, int size);
  ~PacketSample() override;

  AVBufferRef* m_payload;
};
