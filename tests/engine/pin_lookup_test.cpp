#include "engine/pin_lookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/engine_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using PinLookupTest = EngineTest;

TEST_F(PinLookupTest, PinAtCountsOnlyPinsOfTheAskedDirection) {
  const auto filter = NewFilter("Filter", 2, 2);
  IPin* pin = nullptr;
  EXPECT_EQ(PinAt(filter.Get(), PINDIR_OUTPUT, 1, &pin), S_OK);
  EXPECT_EQ(pin, filter->Pin(PINDIR_OUTPUT, 1));
  ComPtr<IPin>::Attach(pin);

  pin = filter->Pin(PINDIR_INPUT, 0);  // must be overwritten
  EXPECT_EQ(PinAt(filter.Get(), PINDIR_OUTPUT, 2, &pin), E_FAIL);
  EXPECT_EQ(pin, nullptr);
  EXPECT_EQ(PinAt(nullptr, PINDIR_INPUT, 0, &pin), E_POINTER);
  filter->enumPinsResult = E_OUTOFMEMORY;
  EXPECT_EQ(PinAt(filter.Get(), PINDIR_INPUT, 0, &pin), E_OUTOFMEMORY);
}

TEST_F(PinLookupTest, FindMatchingPinSelectsByConnectionStateAndDirection) {
  const auto filter = NewFilter("Mux", 2, 2);
  const auto peer = NewFilter("Peer", 1, 1);
  FakeGraph::Link(filter->Pin(PINDIR_OUTPUT, 0), peer->Pin(PINDIR_INPUT, 0));
  FakeGraph::Link(peer->Pin(PINDIR_OUTPUT, 0), filter->Pin(PINDIR_INPUT, 0));

  IPin* pin = nullptr;
  EXPECT_EQ(FindMatchingPin(filter.Get(), PINDIR_OUTPUT, 0, false, &pin), S_OK);
  EXPECT_EQ(pin, filter->Pin(PINDIR_OUTPUT, 1));
  ComPtr<IPin>::Attach(pin);
  EXPECT_EQ(FindMatchingPin(filter.Get(), PINDIR_INPUT, 0, true, &pin), S_OK);
  EXPECT_EQ(pin, filter->Pin(PINDIR_INPUT, 0));
  ComPtr<IPin>::Attach(pin);

  // Nothing matches: the result is the enumerator's last answer.
  EXPECT_EQ(FindMatchingPin(filter.Get(), PINDIR_OUTPUT, 1, false, &pin), S_FALSE);
  EXPECT_EQ(pin, nullptr);
  // A pin whose state cannot be read is neither free nor connected.
  filter->Pin(PINDIR_OUTPUT, 1)->connectedToResult = E_UNEXPECTED;
  EXPECT_EQ(FindMatchingPin(filter.Get(), PINDIR_OUTPUT, 0, false, &pin), S_FALSE);
  // A pin whose direction query fails is no match either.
  filter->Pin(PINDIR_INPUT, 1)->queryDirectionResult = E_FAIL;
  EXPECT_EQ(FindMatchingPin(filter.Get(), PINDIR_INPUT, 0, false, &pin), S_FALSE);
  EXPECT_EQ(FindMatchingPin(filter.Get(), PINDIR_INPUT, 0, false, nullptr), E_POINTER);
}

TEST_F(PinLookupTest, SplitterIsTheFilterBehindTheSourcesFirstOutput) {
  const auto reader = NewFilter("Reader", 0, 1);
  const auto splitter = NewFilter("Splitter", 1, 2);
  FakeGraph::Link(reader->Pin(PINDIR_OUTPUT, 0), splitter->Pin(PINDIR_INPUT, 0));

  IBaseFilter* found = nullptr;
  EXPECT_EQ(FindSplitterFilter(reader.Get(), &found), S_OK);
  EXPECT_EQ(ComPtr<IBaseFilter>::Attach(found).Get(), static_cast<IBaseFilter*>(splitter.Get()));
  EXPECT_EQ(reader->Pin(PINDIR_OUTPUT, 0)->Peer(), splitter->Pin(PINDIR_INPUT, 0));
  EXPECT_THAT(messages.boxes, IsEmpty());

  splitter->Pin(PINDIR_INPUT, 0)->queryPinInfoResult = E_FAIL;
  found = nullptr;
  EXPECT_EQ(FindSplitterFilter(reader.Get(), &found), E_FAIL);
  EXPECT_EQ(found, nullptr);
  EXPECT_THAT(messages.boxes, IsEmpty());
}

TEST_F(PinLookupTest, SplitterLookupShowsPlainErrorBoxes) {
  const auto inputOnly = NewFilter("Sink", 1, 0);
  const auto unconnected = NewFilter("Reader", 0, 1);
  auto* untouched = reinterpret_cast<IBaseFilter*>(0x1);

  EXPECT_EQ(FindSplitterFilter(inputOnly.Get(), &untouched), S_FALSE);
  EXPECT_EQ(untouched, reinterpret_cast<IBaseFilter*>(0x1));
  EXPECT_EQ(FindSplitterFilter(unconnected.Get(), &untouched), VFW_E_NOT_CONNECTED);

  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[0].text, "Cannot find source filter output pin!");
  EXPECT_EQ(messages.boxes[1].text, "Cannot find the input pin of splitter");
  for (const auto& box : messages.boxes) {
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.type, MB_OK);
  }
}

TEST_F(PinLookupTest, StreamFilterThatCannotBeCountedFailsSilently) {
  InstallGraph();
  const auto splitter = NewFilter("Splitter", 1, 2);
  const auto mux = NewFilter("Mux", 1, 1);
  splitter->enumPinsResult = E_OUTOFMEMORY;
  EXPECT_EQ(ConnectStreamsToMux(graph.Get(), splitter.Get(), mux.Get()), E_OUTOFMEMORY);
  EXPECT_THAT(messages.boxes, IsEmpty());
  EXPECT_THAT(CallLog(), IsEmpty());
}

}  // namespace
