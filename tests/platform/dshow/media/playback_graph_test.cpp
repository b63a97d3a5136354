// RenderFile builds the playback graph on real files: the source (or the
// self-splitting source), the splitter, a decoder and a renderer per audio
// and video stream; streams nothing renders stay unconnected. The graph then
// really decodes.
#include "platform/dshow/media/decoder.h"
#include "platform/dshow/media/renderer.h"
#include "platform/dshow/media/splitter.h"
#include "platform/dshow/media/stream_source.h"
#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_fixtures.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

Renderer* AsRenderer(IBaseFilter* filter) { return static_cast<Renderer*>(static_cast<BaseFilter*>(filter)); }

void ExpectEveryRendererFed(IGraphBuilder* graph) {
  for (const CLSID& clsid : {CLSID_CorvaneVideoRenderer, CLSID_CorvaneAudioRenderer}) {
    for (const ComPtr<IBaseFilter>& filter : FiltersOfClass(graph, clsid))
      EXPECT_GT(AsRenderer(filter.Get())->RenderedCount(), 0);
  }
}

class PlaybackGraphTest : public MediaGraphTest, public ::testing::WithParamInterface<MediaFixture> {};

TEST_P(PlaybackGraphTest, RenderFileBuildsTheGraphAndItDecodes) {
  const MediaFixture& fixture = GetParam();
  const fs::path source = FixturePath(fixture);
  ASSERT_FALSE(source.empty());
  ComPtr<IGraphBuilder> graph = MakeGraph();
  const HRESULT expected = fixture.subtitleStreams > 0 ? VFW_S_PARTIAL_RENDER : S_OK;
  ASSERT_EQ(graph->RenderFile(Wide(source).c_str(), nullptr), expected);

  const bool selfSplitting = fs::path(fixture.fileName).extension() == ".wmv";
  const auto count = [&](REFCLSID clsid) {
    return static_cast<int>(FiltersOfClass(graph.Get(), clsid).size());
  };
  EXPECT_EQ(count(CLSID_CorvaneStreamSource), selfSplitting ? 1 : 0);
  EXPECT_EQ(count(CLSID_AsyncReader), selfSplitting ? 0 : 1);
  EXPECT_EQ(count(CLSID_CorvaneSplitter), selfSplitting ? 0 : 1);
  EXPECT_EQ(count(CLSID_CorvaneVideoDecoder), fixture.videoStreams);
  EXPECT_EQ(count(CLSID_CorvaneAudioDecoder), fixture.audioStreams);
  EXPECT_EQ(count(CLSID_CorvaneVideoRenderer), fixture.videoStreams);
  EXPECT_EQ(count(CLSID_CorvaneAudioRenderer), fixture.audioStreams);
  const auto splitters =
      FiltersOfClass(graph.Get(), selfSplitting ? CLSID_CorvaneStreamSource : CLSID_CorvaneSplitter);
  ASSERT_FALSE(splitters.empty());
  EXPECT_EQ(PinsOf(splitters[0].Get(), PINDIR_OUTPUT, true).size(),
            static_cast<std::size_t>(fixture.subtitleStreams));

  ComPtr<IMediaFilter> timing;
  ASSERT_EQ(graph.As(timing), S_OK);
  timing->SetSyncSource(nullptr);
  const RunOutcome outcome = RunToCompletion(graph.Get());
  EXPECT_EQ(outcome.runResult, S_OK);
  EXPECT_EQ(outcome.eventCode, EC_COMPLETE) << std::hex << outcome.eventParam;
  ExpectEveryRendererFed(graph.Get());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, PlaybackGraphTest, ::testing::ValuesIn(GoodFixtures()),
                         [](const auto& info) { return info.param.name; });

using PlaybackTimingTest = MediaGraphTest;

// With the system clock the renderers hold samples until they are due; Stop
// must release them and the source's thread at once rather than hang.
TEST_F(PlaybackTimingTest, StopReleasesRenderersWaitingOnTheClock) {
  ComPtr<IGraphBuilder> graph = MakeGraph();
  ASSERT_EQ(graph->RenderFile(Wide(FixturePath(FixtureNamed("mp4"))).c_str(), nullptr), S_OK);
  ASSERT_EQ(graph->SetDefaultSyncSource(), S_OK);
  ComPtr<IMediaControl> control;
  ComPtr<IMediaEvent> events;
  ASSERT_EQ(graph.As(control), S_OK);
  ASSERT_EQ(graph.As(events), S_OK);
  ASSERT_EQ(control->Run(), S_OK);
  LONG code = 0;
  EXPECT_EQ(events->WaitForCompletion(300, &code), E_ABORT)
      << "a 2 s clip played in 300 ms: the clock was ignored";
  EXPECT_EQ(control->Stop(), S_OK);
  // Runs again from the start after a stop.
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(control->Stop(), S_OK);
}

}  // namespace
