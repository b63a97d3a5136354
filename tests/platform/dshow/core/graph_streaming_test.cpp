#include <gtest/gtest.h>

#include <thread>

#include "graph_fixture.h"

using namespace testfilters;

namespace {

std::vector<MediaType> FourStreams() {
  return {TypeOf(kSubtypeA), TypeOf(kSubtypeB), TypeOf(kSubtypeA, MEDIATYPE_Audio),
          TypeOf(kSubtypeB, MEDIATYPE_Audio)};
}

// source (4 pins) -> pass-through per stream -> one sink with 4 inputs
struct Chain {
  TestSource* source;
  TestSink* sink;
};

Chain Build(GraphTest& test, IGraphBuilder* graph, int samplesPerPin) {
  Chain chain{};
  chain.source = test.Add<TestSource>(MakeCom<TestSource>(FourStreams(), samplesPerPin), u"Source");
  chain.sink = test.Add<TestSink>(MakeCom<TestSink>(4), u"Sink");
  for (int i = 0; i < 4; ++i) {
    auto* pass = test.Add<TestPassThrough>(MakeCom<TestPassThrough>(), u"Pass");
    EXPECT_EQ(graph->ConnectDirect(chain.source->Output(i), pass->Input(), nullptr), S_OK);
    EXPECT_EQ(graph->ConnectDirect(pass->Output(), chain.sink->Input(i), nullptr), S_OK);
  }
  return chain;
}

using StreamingTest = GraphTest;

// Every run starts afresh: the sink counts anew, the graph waits anew.
TEST_F(StreamingTest, HundredThousandSamplesOverFourStreamsArriveInOrderRunAfterRun) {
  const Chain chain = Build(*this, graph.Get(), 25'000);
  for (int cycle = 0; cycle < 3; ++cycle) {
    EXPECT_EQ(RunToEnd(), EC_COMPLETE) << "cycle " << cycle;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(chain.sink->Received(i), 25'000);
    EXPECT_EQ(control->Stop(), S_OK);
  }
  EXPECT_TRUE(chain.sink->InOrder());
  // TearDown: release, then every destructor must have run
}

// A user abort: one thread waits for the end of the run while another stops
// the graph mid-stream. The Stop must not deadlock with the streaming threads,
// and as a stopped run never completes, it must end the wait.
TEST_F(StreamingTest, StopInTheMiddleOfARunEndsTheWaitWithoutDeadlock) {
  const Chain chain = Build(*this, graph.Get(), 100'000'000);
  WithoutClock();
  for (int cycle = 0; cycle < 10; ++cycle) {
    ASSERT_EQ(control->Run(), S_OK);
    LONG code = 12345;
    HRESULT waited = S_OK;
    std::thread waiter([&] { waited = events->WaitForCompletion(60'000, &code); });
    while (chain.sink->Received(0) < 1000 * (cycle + 1)) std::this_thread::yield();
    ASSERT_EQ(control->Stop(), S_OK);
    waiter.join();
    EXPECT_EQ(waited, VFW_E_WRONG_STATE);
    EXPECT_EQ(code, 0);
  }
}

// A player pauses and runs again while samples flow: each Run's stream time
// zero reaches the streaming thread that reads it, and nothing gets reordered.
TEST_F(StreamingTest, PauseAndRunAgainWhileSamplesFlow) {
  const Chain chain = Build(*this, graph.Get(), 100'000'000);
  const ComPtr<IMediaFilter> filter = WithoutClock();
  for (REFERENCE_TIME start = 1; start <= 10; ++start) {
    ASSERT_EQ(filter->Run(start), S_OK);
    // The second sample counted from here read the start after this Run set it.
    const long long seen = chain.sink->TotalReceived();
    while (chain.sink->TotalReceived() < seen + 2) std::this_thread::yield();
    EXPECT_EQ(chain.sink->LastStartTimeSeen(), start);
    ASSERT_EQ(filter->Pause(), S_OK);
  }
  ASSERT_EQ(control->Stop(), S_OK);
  EXPECT_TRUE(chain.sink->InOrder());
}

TEST_F(StreamingTest, FilterThatFailsToRunStopsTheOthers) {
  const Chain chain = Build(*this, graph.Get(), 1000);
  chain.sink->FailPause(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
  EXPECT_EQ(control->Run(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
  OAFilterState state = -1;
  control->GetState(0, &state);
  EXPECT_EQ(state, State_Stopped);
  EXPECT_EQ(chain.source->State(), State_Stopped);
  EXPECT_EQ(chain.sink->State(), State_Stopped);
  EXPECT_FALSE(chain.source->ThreadRan());  // sinks are asked first
  EXPECT_EQ(control->Stop(), S_OK);
  chain.sink->FailPause(S_OK);
  EXPECT_EQ(RunToEnd(), EC_COMPLETE);
  EXPECT_EQ(control->Stop(), S_OK);
}

}  // namespace
