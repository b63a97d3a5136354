// Building and running real graphs of the media filters in tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/core/graph_pins.h"

// COM initialised and the media filters installed for every test.
class MediaGraphTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The UTF-16 form the graph takes.
inline std::u16string Wide(const std::filesystem::path& path) { return path.u16string(); }
ComPtr<IGraphBuilder> MakeGraph();
ComPtr<IBaseFilter> MakeFilter(REFCLSID clsid);
// The first unconnected pin of that direction, or null.
ComPtr<IPin> FreePin(IBaseFilter* filter, PIN_DIRECTION direction);
// The filters of that class in the graph, in the graph's order.
std::vector<ComPtr<IBaseFilter>> FiltersOfClass(IGraphBuilder* graph, REFCLSID clsid);

struct ConversionGraph {
  ComPtr<IGraphBuilder> graph;
  ComPtr<IBaseFilter> source;
  ComPtr<IBaseFilter> splitter;  // the source itself when it splits by itself
  ComPtr<IBaseFilter> muxer;
  ComPtr<IBaseFilter> writer;
};
// source → splitter → Matroska muxer → File writer, with no clock, the way the
// conversion builds it. Failures are reported to the running test.
HRESULT BuildConversion(const std::filesystem::path& source, const std::filesystem::path& output,
                        ConversionGraph* built);

struct RunOutcome {
  HRESULT runResult = E_FAIL;
  LONG eventCode = 0;       // 0 when nothing ended the run in time
  LONG_PTR eventParam = 0;  // EC_ERRORABORT's HRESULT
  HRESULT stopResult = E_FAIL;
};
// Run, wait for the end of the run (at most `timeoutMs`), Stop.
RunOutcome RunToCompletion(IGraphBuilder* graph, LONG timeoutMs = 60000);
