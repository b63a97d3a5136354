// The graph operations and pin lookups in the cases the conversion tests cannot
// reach through a conversion.
#include "engine/filter_graph_helpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/pin_lookup.h"
#include "platform/win32/message_queue.h"
#include "tests/engine/engine_fixture.h"

namespace {

using ::testing::ElementsAre;

using FilterGraphHelpersTest = EngineTest;

// A window that notes which messages reached it, among the waits.
std::vector<std::string> g_windowLog;
LRESULT LoggingWindowProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  g_windowLog.push_back("message " + std::to_string(message) + "/" + std::to_string(wParam));
  return 0;
}

TEST_F(FilterGraphHelpersTest, WaitDispatchesTheThreadsMessagesBetweenItsWaits) {
  InstallGraph().waitsBeforeEnd = 3;
  const HWND window = reinterpret_cast<HWND>(0x2001);
  RegisterWindowProc(window, LoggingWindowProc);
  g_windowLog.clear();
  PostMessageA(window, WM_COMMAND, 1, 0);
  PostMessageA(window, WM_COMMAND, 2, 0);

  testing::internal::CaptureStdout();
  WaitForGraphCompletion(graph.Get(), [&](IGraphBuilder*) {
    if (graph->waits == 0) PostMessageA(window, WM_COMMAND, 3, 0);  // e.g. a click while the copy runs
    g_windowLog.push_back("wait " + std::to_string(graph->waits + 1));
  });
  testing::internal::GetCapturedStdout();

  UnregisterWindowProc(window);
  EXPECT_THAT(g_windowLog,
              ElementsAre("message 273/1", "message 273/2", "wait 1", "message 273/3", "wait 2", "wait 3"));
  EXPECT_EQ(graph->waits, 3);
}

// Output 0 is free and output 1 feeds a chain that goes; the peer behind
// output 2 cannot name its filter, which ends the walk before output 3.
TEST_F(FilterGraphHelpersTest, RemovingPassesFreeOutputsAndStopsWhereAPeerCannotNameItsFilter) {
  InstallGraph();
  const auto splitter = NewFilter("Splitter", 0, 4);
  graph->Place(splitter);
  for (int i = 1; i < 4; ++i) AddPlaybackChain(*graph, splitter->Pin(PINDIR_OUTPUT, i), i);
  Filter("Decoder2")->Pin(PINDIR_INPUT, 0)->queryPinInfoResult = E_FAIL;

  RemoveDownstreamFilters(splitter.Get(), graph.Get());

  EXPECT_THAT(graph->FilterNames(),
              ElementsAre("Splitter", "Decoder2", "Renderer2", "Decoder3", "Renderer3"));
}

TEST_F(FilterGraphHelpersTest, PinThatStatesNoDirectionIsNoInput) {
  const auto odd = NewFilter("Odd", 2, 1);
  odd->Pin(PINDIR_INPUT, 1)->answersDirection = false;
  ULONG inputs = 9;
  ULONG outputs = 9;
  EXPECT_EQ(CountFilterPins(odd.Get(), &inputs, &outputs), S_OK);
  EXPECT_EQ(inputs, 1u);
  EXPECT_EQ(outputs, 2u);
}

// The first filter with outputs and no inputs whose pins can be counted; a
// filter that cannot say which graph it is in ends the search.
TEST_F(FilterGraphHelpersTest, SourceFilterSearch) {
  InstallGraph();
  graph->Place(NewFilter("Pinless", 0, 0));
  graph->Place(NewFilter("Uncountable", 0, 1));
  graph->Place(NewFilter("Reader", 0, 1));
  graph->Place(NewFilter("LaterReader", 0, 1));
  Filter("Uncountable")->enumPinsResult = E_FAIL;
  EXPECT_EQ(ComPtr<IBaseFilter>::Attach(FindSourceFilter(graph.Get())).Get(),
            static_cast<IBaseFilter*>(Filter("Reader")));

  Filter("Uncountable")->queryFilterInfoResult = E_FAIL;
  EXPECT_EQ(FindSourceFilter(graph.Get()), nullptr);
  graph->enumFiltersResult = E_FAIL;
  EXPECT_EQ(FindSourceFilter(graph.Get()), nullptr);
}

TEST_F(FilterGraphHelpersTest, SplitterLookupOnAFilterWithoutOutputsShowsAPlainErrorBox) {
  IBaseFilter* splitter = nullptr;
  EXPECT_EQ(FindSplitterFilter(NewFilter("Sink", 1, 0).Get(), &splitter), S_FALSE);
  EXPECT_EQ(splitter, nullptr);
  EXPECT_THAT(desktop.BoxTexts(), ElementsAre("Cannot find source filter output pin!"));
  EXPECT_EQ(desktop.boxes[0].caption, "Error");
}

}  // namespace
