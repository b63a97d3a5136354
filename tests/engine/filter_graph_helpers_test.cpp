#include "engine/filter_graph_helpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/win32/message_queue.h"
#include "tests/engine/engine_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr CLSID kNotInstalled{0x0BADC1A5, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};

using FilterGraphHelpersTest = EngineTest;

TEST_F(FilterGraphHelpersTest, CreatingWhatIsNotInstalledReportsAndClearsTheOutParameter) {
  auto* filter = reinterpret_cast<IBaseFilter*>(0x1);  // must be overwritten
  EXPECT_EQ(CreateFilter(kNotInstalled, &filter), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(filter, nullptr);
  EXPECT_THAT(messages.Texts(), ElementsAre("CreateFilter: Failed to create filter!  hr=0x80040154\n"));
  EXPECT_EQ(CreateFilter(kNotInstalled, nullptr), E_POINTER);
  EXPECT_EQ(CreateFilterGraph(nullptr), E_POINTER);
  EXPECT_EQ(SetNoClock(nullptr), E_POINTER);
  EXPECT_EQ(messages.boxes.size(), 1u);
}

// A window that notes which messages reached it, and when.
std::vector<std::string>* g_windowLog = nullptr;
LRESULT LoggingWindowProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  g_windowLog->push_back("message " + std::to_string(message) + "/" + std::to_string(wParam));
  return 0;
}

TEST_F(FilterGraphHelpersTest, WaitDispatchesTheThreadsMessagesBetweenItsWaits) {
  InstallGraph();
  const HWND window = reinterpret_cast<HWND>(0x2001);
  RegisterWindowProc(window, LoggingWindowProc);
  g_windowLog = &CallLog();
  PostMessageA(window, WM_COMMAND, 1, 0);
  PostMessageA(nullptr, WM_USER, 2, 0);  // a thread message has no window and is dropped
  graph->waitsBeforeEnd = 3;
  graph->duringWait = [&](int wait) {
    if (wait == 1) PostMessageA(window, WM_COMMAND, 3, 0);  // e.g. a click while the copy runs
  };

  testing::internal::CaptureStdout();
  WaitForGraphCompletion(graph.Get());
  const std::string printed = testing::internal::GetCapturedStdout();

  UnregisterWindowProc(window);
  EXPECT_THAT(CallLog(), ElementsAre("message 273/1", "WaitForCompletion", "message 273/3",
                                     "WaitForCompletion", "WaitForCompletion"));
  EXPECT_EQ(
      printed,
      "Waiting for completion...\n  This could take several minutes, depending on file size and selected "
      "profile.\n");
  EXPECT_THAT(messages.boxes, IsEmpty());
  MSG leftover;
  EXPECT_FALSE(PeekMessageA(&leftover, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(FilterGraphHelpersTest, WaitEndsWhenTheGraphCanNoLongerCompleteInsteadOfSpinning) {
  // A graph stopped behind the wait's back answers at once without an event.
  InstallGraph().waitFailure = VFW_E_WRONG_STATE;
  testing::internal::CaptureStdout();
  WaitForGraphCompletion(graph.Get());
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(graph->waits, 1);
  EXPECT_THAT(messages.boxes, IsEmpty());
}

TEST_F(FilterGraphHelpersTest, WaitOnAGraphWithoutEventsReportsAndReturnsAtOnce) {
  InstallGraph().offersMediaEvent = false;
  testing::internal::CaptureStdout();
  WaitForGraphCompletion(graph.Get());
  WaitForGraphCompletion(nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_THAT(messages.Texts(), ElementsAre("QI failed for IMediaEvent interface!\n"));
  EXPECT_EQ(graph->waits, 0);
}

TEST_F(FilterGraphHelpersTest, RemovingBehindAFilterWithFreeOutputsChangesNothing) {
  InstallGraph();
  const auto reader = NewFilter("Reader", 0, 1);
  const auto splitter = NewFilter("Splitter", 1, 2);
  graph->Place(reader);
  graph->Place(splitter);
  FakeGraph::Link(reader->Pin(PINDIR_OUTPUT, 0), splitter->Pin(PINDIR_INPUT, 0));

  RemoveDownstreamFilters(splitter.Get(), graph.Get());

  EXPECT_THAT(graph->FilterNames(), ElementsAre("Reader", "Splitter"));
}

TEST_F(FilterGraphHelpersTest, RemovingStopsWhereAPeerCannotNameItsFilter) {
  InstallGraph();
  const auto splitter = NewFilter("Splitter", 0, 2);
  graph->Place(splitter);
  AddPlaybackChain(*graph, splitter->Pin(PINDIR_OUTPUT, 0), 0);
  AddPlaybackChain(*graph, splitter->Pin(PINDIR_OUTPUT, 1), 1);
  Filter("Decoder0")->Pin(PINDIR_INPUT, 0)->queryPinInfoResult = E_FAIL;

  RemoveDownstreamFilters(splitter.Get(), graph.Get());

  EXPECT_EQ(graph->FilterNames().size(), 5u);  // the second output is never looked at
}

TEST_F(FilterGraphHelpersTest, CountingPins) {
  const auto none = NewFilter("None", 0, 0);
  ULONG inputs = 9;
  ULONG outputs = 9;
  EXPECT_EQ(CountFilterPins(none.Get(), &inputs, &outputs), S_OK);
  EXPECT_EQ(inputs, 0u);
  EXPECT_EQ(outputs, 0u);

  // A pin that states no direction is no input; the last answer is the result.
  const auto odd = NewFilter("Odd", 2, 1);
  odd->Pin(PINDIR_INPUT, 1)->answersDirection = false;
  odd->Pin(PINDIR_INPUT, 1)->queryDirectionResult = E_FAIL;
  EXPECT_EQ(CountFilterPins(odd.Get(), &inputs, &outputs), S_OK);
  EXPECT_EQ(inputs, 1u);
  EXPECT_EQ(outputs, 2u);

  odd->enumPinsResult = E_OUTOFMEMORY;
  EXPECT_EQ(CountFilterPins(odd.Get(), &inputs, &outputs), E_OUTOFMEMORY);
  EXPECT_EQ(CountFilterPins(odd.Get(), nullptr, &outputs), E_POINTER);
}

TEST_F(FilterGraphHelpersTest, SourceFilterIsTheFirstWithOutputsAndNoInputs) {
  InstallGraph();
  graph->Place(NewFilter("Renderer", 1, 0));
  graph->Place(NewFilter("Splitter", 1, 2));
  graph->Place(NewFilter("Reader", 0, 1));
  graph->Place(NewFilter("LaterReader", 0, 1));

  const auto found = ComPtr<IBaseFilter>::Attach(FindSourceFilter(graph.Get()));
  EXPECT_EQ(found.Get(), static_cast<IBaseFilter*>(Filter("Reader")));
}

TEST_F(FilterGraphHelpersTest, SourceFilterSearchSkipsUncountableFiltersAndGivesUpOnUnreadableOnes) {
  InstallGraph();
  graph->Place(NewFilter("Uncountable", 0, 1));
  graph->Place(NewFilter("Reader", 0, 1));
  Filter("Uncountable")->enumPinsResult = E_FAIL;
  EXPECT_EQ(ComPtr<IBaseFilter>::Attach(FindSourceFilter(graph.Get())).Get(),
            static_cast<IBaseFilter*>(Filter("Reader")));

  Filter("Uncountable")->queryFilterInfoResult = E_FAIL;
  EXPECT_EQ(FindSourceFilter(graph.Get()), nullptr);

  graph->enumFiltersResult = E_FAIL;
  EXPECT_EQ(FindSourceFilter(graph.Get()), nullptr);
}

}  // namespace
