// The sample that carries a demuxed packet into the graph: it holds the
// packet's own buffer, not a copy, and lets it go with its last reference.
#include "platform/dshow/media/packet_sample.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(PacketSample, HoldsThePacketsOwnBufferAndLetsItGoWithTheLastReference) {
  AVPacket* packet = av_packet_alloc();
  ASSERT_EQ(av_new_packet(packet, 5), 0);
  std::memcpy(packet->data, "bytes", 5);
  uint8_t* const bytes = packet->data;
  AVBufferRef* probe = av_buffer_ref(packet->buf);

  ComPtr<PacketSample> sample = PacketSample::Take(packet);
  ASSERT_TRUE(sample);
  EXPECT_EQ(packet->buf, nullptr);
  EXPECT_EQ(packet->size, 0);
  BYTE* data = nullptr;
  sample->GetPointer(&data);
  EXPECT_EQ(data, bytes);  // the same bytes, not a copy
  EXPECT_EQ(sample->GetActualDataLength(), 5);

  ComPtr<IPacketPayload> payload;
  ASSERT_EQ(
      sample->QueryInterface(IPacketPayload::iid, reinterpret_cast<void**>(payload.ReleaseAndGetAddressOf())),
      S_OK);
  EXPECT_EQ(payload->PayloadBuffer()->data, probe->data);
  EXPECT_EQ(av_buffer_get_ref_count(probe), 2);
  payload = nullptr;
  sample = nullptr;
  EXPECT_EQ(av_buffer_get_ref_count(probe), 1);
  av_buffer_unref(&probe);
  av_packet_free(&packet);
}

}  // namespace
