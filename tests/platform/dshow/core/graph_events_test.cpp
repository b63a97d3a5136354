#include <gtest/gtest.h>

#include <thread>

#include "graph_fixture.h"
#include "tests/support/probe.h"

using namespace testfilters;

namespace {

struct Event {
  LONG code;
  LONG_PTR param1;
};

std::vector<Event> Drain(IMediaEvent* events) {
  std::vector<Event> all;
  LONG code;
  LONG_PTR p1, p2;
  while (events->GetEvent(&code, &p1, &p2, 0) == S_OK) {
    all.push_back({code, p1});
    events->FreeEventParams(code, p1, p2);
  }
  return all;
}

// The graph posts EC_COMPLETE once every sink has completed, each sink once.
// The source streams on for longer than the test, so only the test completes;
// TearDown then releases the still running graph, which must stop and release
// every filter.
TEST_F(GraphTest, EachSinkCountsOnce) {
  auto* first = Add(MakeCom<TestSink>(1), u"First");
  auto* second = Add(MakeCom<TestSink>(1), u"Second");
  auto* source =
      Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA), TypeOf(kSubtypeB)}, 100'000'000), u"Source");
  ASSERT_EQ(graph->ConnectDirect(source->Output(0), first->Input(0), nullptr), S_OK);
  ASSERT_EQ(graph->ConnectDirect(source->Output(1), second->Input(0), nullptr), S_OK);
  ASSERT_EQ(control->Run(), S_OK);
  ASSERT_EQ(first->NotifyEvent(EC_COMPLETE, S_OK, 0), S_OK);
  ASSERT_EQ(first->NotifyEvent(EC_COMPLETE, S_OK, 0), S_OK);
  LONG code = -1;
  EXPECT_EQ(events->WaitForCompletion(50, &code), E_ABORT);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(second->NotifyEvent(EC_COMPLETE, S_OK, 0), S_OK);
  EXPECT_EQ(events->WaitForCompletion(1000, &code), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  EXPECT_EQ(Drain(events.Get()).size(), 1u);
}

// The engine's order: wait for the end of the run, stop, then read the
// events; the error a streaming thread posted is still there after the Stop.
TEST_F(GraphTest, ErrorAbortFromAStreamingThreadCarriesItsCode) {
  auto* source = Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 1000), u"Source");
  auto* sink = Add(MakeCom<TestSink>(1), u"Sink");
  ASSERT_EQ(graph->ConnectDirect(source->Output(0), sink->Input(0), nullptr), S_OK);
  sink->FailReceiveAt(10, HRESULT_FROM_WIN32(ERROR_DISK_FULL));
  EXPECT_EQ(RunToEnd(), EC_ERRORABORT);
  EXPECT_EQ(control->Stop(), S_OK);
  EXPECT_EQ(sink->Received(0), 10);
  const std::vector<Event> all = Drain(events.Get());
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].code, EC_ERRORABORT);
  EXPECT_EQ(static_cast<HRESULT>(all[0].param1), HRESULT_FROM_WIN32(ERROR_DISK_FULL));
}

// A stopped graph has no run to wait for (nor has one that never ran: the same
// state); the events of the last run stay queued, and a renderer nothing feeds
// is not waited for.
TEST_F(GraphTest, OnlyARunningGraphIsWaitedForButEventsOutliveTheRun) {
  ComPtr<IMediaEventSink> sink;
  ASSERT_EQ(graph.As(sink), S_OK);
  Add(MakeCom<TestSink>(1), u"Unconnected");
  ASSERT_EQ(control->Run(), S_OK);  // no sink to wait for: EC_COMPLETE queued
  ASSERT_EQ(sink->Notify(EC_USERABORT, 7, 8), S_OK);
  LONG code = 0;
  EXPECT_EQ(events->WaitForCompletion(0, &code), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  ASSERT_EQ(control->Stop(), S_OK);
  EXPECT_EQ(events->WaitForCompletion(60'000, &code), VFW_E_WRONG_STATE);
  EXPECT_EQ(code, 0);
  const std::vector<Event> all = Drain(events.Get());
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].code, EC_COMPLETE);
  EXPECT_EQ(all[1].code, EC_USERABORT);
  EXPECT_EQ(all[1].param1, 7);
}

// Without the wake-up a timed wait still ends, late; only an endless one shows
// the lost wake-up, as a hang.
TEST_F(GraphTest, GetEventWaitsForAnEventFromAnotherThread) {
  ComPtr<IMediaEventSink> sink;
  ASSERT_EQ(graph.As(sink), S_OK);
  const pid_t waiter = test_support::CurrentThreadId();
  std::thread poster([&] {
    // Posts once the test thread waits inside GetEvent.
    test_support::WaitUntil([&] { return test_support::ThreadIsBlocked(waiter); });
    sink->Notify(EC_STREAM_ERROR_STOPPED, 1, 2);
  });
  LONG code = 0;
  LONG_PTR p1 = 0, p2 = 0;
  EXPECT_EQ(events->GetEvent(&code, &p1, &p2, INFINITE), S_OK);
  EXPECT_EQ(code, EC_STREAM_ERROR_STOPPED);
  EXPECT_EQ(p2, 2);
  poster.join();
}

}  // namespace
