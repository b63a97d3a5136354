#include "platform/dshow/core/base_filter.h"

#include <gtest/gtest.h>

#include "platform/dshow/core/media_type.h"
#include "test_filters.h"

using namespace testfilters;

namespace {

class BaseFilterTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(g_liveFilters.load(), 0); }
};

// A partial type only narrows the candidates; a full one is the only one tried.
// Once connected, the input names its connector and the connection's type.
TEST_F(BaseFilterTest, GivenTypeLimitsTheConnection) {
  const struct {
    MediaType type;
    HRESULT expected;
  } cases[] = {{MediaType(MEDIATYPE_Audio, GUID_NULL), VFW_E_NO_ACCEPTABLE_TYPES},
               {TypeOf(kSubtypeB), VFW_E_TYPE_NOT_ACCEPTED},
               {MediaType(MEDIATYPE_Video, GUID_NULL), S_OK},
               {TypeOf(kSubtypeA), S_OK}};
  auto source = MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 0);
  auto sink = MakeCom<TestSink>(1);
  for (const auto& c : cases) {
    EXPECT_EQ(source->Output(0)->Connect(sink->Input(0), &c.type), c.expected);
    const bool connected = c.expected == S_OK;
    const HRESULT state = connected ? S_OK : VFW_E_NOT_CONNECTED;
    IPin* peer = reinterpret_cast<IPin*>(0x1);
    EXPECT_EQ(sink->Input(0)->ConnectedTo(&peer), state);
    EXPECT_EQ(peer, connected ? static_cast<IPin*>(source->Output(0)) : nullptr);
    if (connected && peer) peer->Release();
    AM_MEDIA_TYPE mt{};
    EXPECT_EQ(sink->Input(0)->ConnectionMediaType(&mt), state);
    EXPECT_EQ(mt.subtype, connected ? kSubtypeA : GUID_NULL);
    FreeMediaType(mt);
    source->Output(0)->Disconnect();
    EXPECT_EQ(sink->Input(0)->Disconnect(), connected ? S_OK : S_FALSE);
  }
}

// Pins connect only to the other direction and only while stopped, and a
// stopped input takes no samples.
TEST_F(BaseFilterTest, ConnectingAndReceivingFollowDirectionAndState) {
  auto source = MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 0);
  auto other = MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 0);
  auto sink = MakeCom<TestSink>(2);
  EXPECT_EQ(source->Output(0)->Connect(other->Output(0), nullptr), VFW_E_INVALID_DIRECTION);
  EXPECT_EQ(sink->Input(0)->Connect(sink->Input(1), nullptr), VFW_E_INVALID_DIRECTION);
  MediaType mt = TypeOf(kSubtypeA);
  EXPECT_EQ(source->Output(0)->ReceiveConnection(other->Output(0), &mt), VFW_E_INVALID_DIRECTION);
  EXPECT_EQ(sink->Input(0)->ReceiveConnection(sink->Input(1), &mt), VFW_E_INVALID_DIRECTION);

  auto sample = MediaSample::Allocate(4);
  EXPECT_EQ(static_cast<BaseInputPin*>(sink->Input(0))->Receive(sample.Get()), VFW_E_WRONG_STATE);
  ASSERT_EQ(sink->Pause(), S_OK);
  EXPECT_EQ(source->Output(0)->Connect(sink->Input(0), nullptr), VFW_E_NOT_STOPPED);
  ASSERT_EQ(sink->Stop(), S_OK);
  ASSERT_EQ(source->Pause(), S_OK);
  EXPECT_EQ(source->Output(0)->Connect(sink->Input(0), nullptr), VFW_E_NOT_STOPPED);
  ASSERT_EQ(source->Stop(), S_OK);
}

TEST_F(BaseFilterTest, PinsEnumerateInOrderAndHoldTheirFilter) {
  auto sink = MakeCom<TestSink>(3);
  ComPtr<IEnumPins> pins;
  ASSERT_EQ(sink->EnumPins(pins.ReleaseAndGetAddressOf()), S_OK);
  IPin* got[4] = {};
  ULONG fetched = 0;
  EXPECT_EQ(pins->Next(4, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(got[i], static_cast<IPin*>(sink->Input(i)));
    PIN_INFO info{};
    ASSERT_EQ(got[i]->QueryPinInfo(&info), S_OK);
    EXPECT_EQ(info.pFilter, static_cast<IBaseFilter*>(sink.Get()));
    EXPECT_EQ(info.dir, PINDIR_INPUT);
    EXPECT_EQ(std::u16string(info.achName), u"In" + std::u16string(1, u'0' + i));
    info.pFilter->Release();
  }
  // ours, the enumerator's snapshot of three pins, the three pins handed out
  EXPECT_EQ(sink->RefCountForTesting(), 7u);
  for (IPin* pin : got)
    if (pin) pin->Release();
  EXPECT_EQ(pins->Reset(), S_OK);
  EXPECT_EQ(pins->Skip(2), S_OK);
  ComPtr<IEnumPins> clone;
  ASSERT_EQ(pins->Clone(clone.ReleaseAndGetAddressOf()), S_OK);
  IPin* last = nullptr;
  ASSERT_EQ(clone->Next(1, &last, nullptr), S_OK);
  EXPECT_EQ(last, static_cast<IPin*>(sink->Input(2)));
  last->Release();
  EXPECT_EQ(clone->Skip(1), S_FALSE);

  IPin* found = nullptr;
  ASSERT_EQ(sink->FindPin(u"In1", &found), S_OK);
  EXPECT_EQ(found, static_cast<IPin*>(sink->Input(1)));
  found->Release();
  EXPECT_EQ(sink->FindPin(u"Nope", &found), VFW_E_NOT_FOUND);
}

}  // namespace
