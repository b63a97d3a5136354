#include "platform/dshow/media/packet_sample.h"

#include <new>

PacketSample::PacketSample(AVBufferRef* payload, uint8_t* data, int size)
    : MediaSample(data, size, nullptr), m_payload(payload) {}

PacketSample::~PacketSample() { av_buffer_unref(&m_payload); }

ComPtr<PacketSample> PacketSample::Take(AVPacket* packet) {
  if (av_packet_make_refcounted(packet) < 0) return nullptr;
  auto* sample = new (std::nothrow) PacketSample(packet->buf, packet->data, packet->size);
  if (!sample) return nullptr;
  packet->buf = nullptr;  // now the sample's
  av_packet_unref(packet);
  return ComPtr<PacketSample>::Attach(sample);
}

HRESULT PacketSample::QueryInterface(REFIID riid, void** ppv) {
  if (ppv && OfferInterface<IPacketPayload>(this, riid, ppv)) return S_OK;
  return MediaSample::QueryInterface(riid, ppv);
}
