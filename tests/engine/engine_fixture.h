// Common ground of the engine tests: COM on the test thread, the fake graph,
// multiplexer and File Writer installed under their class ids, message boxes
// and shell launches recorded, and every fake object checked gone at the end.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "tests/engine/fakes/fake_filter.h"
#include "tests/engine/fakes/fake_graph.h"
#include "tests/support/scripted_desktop.h"

inline constexpr char kSourcePath[] = "/videos/source.mp4";
inline constexpr char kOutputPath[] = "/videos/out.mkv";

class EngineTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // A filter with `inputs` input pins followed by `outputs` output pins.
  ComPtr<FakeFilter> NewFilter(const std::string& name, int inputs, int outputs);

  // Installs the classes; what they create is the object returned.
  FakeGraph& InstallGraph();
  FakeFilter& InstallMux(int inputs = 1, bool addsInputs = true);
  FakeFilter& InstallWriter();

  // The playback graph that rendering builds: a file reader feeding a
  // splitter; each stream then goes through a decoder into a renderer.
  void RenderPlayback(int streams);
  // Behind `out`: Decoder<n> into Renderer<n>.
  void AddPlaybackChain(FakeGraph& graph, FakePin* out, int n);

  // Runs the conversion, keeping what it printed in `printed`.
  HRESULT Convert(const char* source = kSourcePath, const char* output = kOutputPath);

  ComPtr<FakeGraph> graph;
  ComPtr<FakeFilter> mux;
  ComPtr<FakeFilter> writer;
  std::vector<ComPtr<FakeFilter>> filters;  // every filter made, by name order of creation
  FakeFilter* Filter(const std::string& name) const;
  // Run on a filter of that name as soon as it is made.
  std::map<std::string, std::function<void(FakeFilter&)>> whenMade;
  std::string printed;
  ScriptedDesktop desktop;
};
