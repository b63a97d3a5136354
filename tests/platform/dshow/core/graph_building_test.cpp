#include <gtest/gtest.h>

#include "graph_fixture.h"

using namespace testfilters;

namespace {

constexpr CLSID kDecoderClsid{0x7E570010, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x10}};
constexpr CLSID kRendererClsid{0x7E570011, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x11}};
constexpr CLSID kFileSourceClsid{0x7E570012, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x12}};
constexpr CLSID kSplittingSourceClsid{0x7E570013, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x13}};
constexpr CLSID kUnusedClsid{0x7E570014, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x14}};

// What the registered splitter and self-splitting source offer; set per test.
std::vector<MediaType> g_streams;

template <typename F, typename... Args>
ClassFactory FactoryMaking(Args... args) {
  return [=](REFIID riid, void** ppv) -> HRESULT {
    auto filter = MakeCom<F>(args...);
    return filter->QueryInterface(riid, ppv);
  };
}

// Installed: a decoder (A -> Decoded), a renderer (Decoded), a splitter
// (Stream -> g_streams), a file source offering Stream for ".tst", a
// self-splitting source for ".multi", and a filter of no use.
class BuildingTest : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    CoRegisterClass(kDecoderClsid, FactoryMaking<TestPassThrough>(kSubtypeA, kSubtypeDecoded));
    CoRegisterClass(kRendererClsid, FactoryMaking<TestSink>(1, kSubtypeDecoded));
    CoRegisterClass(kSplitterClsid, [](REFIID riid, void** ppv) {
      return MakeCom<TestSplitter>(g_streams)->QueryInterface(riid, ppv);
    });
    CoRegisterClass(kFileSourceClsid, [](REFIID riid, void** ppv) {
      return MakeCom<TestSource>(std::vector{TypeOf(kSubtypeStream, MEDIATYPE_Stream)}, 0)
          ->QueryInterface(riid, ppv);
    });
    CoRegisterClass(kSplittingSourceClsid, [](REFIID riid, void** ppv) {
      return MakeCom<TestSource>(g_streams, 0)->QueryInterface(riid, ppv);
    });
    RegisterFilter({kUnusedClsid, u"Unused", MERIT_DO_NOT_USE});
    RegisterFilter({kRendererClsid, u"Renderer", MERIT_NORMAL});
    RegisterFilter({kDecoderClsid, u"Decoder", MERIT_NORMAL});
    RegisterFilter({kSplitterClsid, u"Splitter", MERIT_NORMAL});
    RegisterSourceExtension(".tst", kFileSourceClsid);
    RegisterSourceExtension(".multi", kSplittingSourceClsid);
  }
  void TearDown() override {
    for (const CLSID& clsid : {kDecoderClsid, kRendererClsid, kSplitterClsid, kUnusedClsid})
      UnregisterFilter(clsid);
    for (const CLSID& clsid :
         {kDecoderClsid, kRendererClsid, kSplitterClsid, kFileSourceClsid, kSplittingSourceClsid})
      CoUnregisterClass(clsid);
    UnregisterSourceExtension(".tst");
    UnregisterSourceExtension(".multi");
    g_streams.clear();
    GraphTest::TearDown();
  }

  std::vector<CLSID> Classes() {
    std::vector<CLSID> classes;
    for (IBaseFilter* filter : Filters()) {
      CLSID clsid{};
      filter->GetClassID(&clsid);
      classes.push_back(clsid);
    }
    return classes;
  }
};

TEST_F(BuildingTest, ConnectGoesThroughAnInstalledFilter) {
  auto* source = Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 100), u"Source");
  auto* sink = Add(MakeCom<TestSink>(1, kSubtypeDecoded), u"Sink");
  EXPECT_EQ(graph->Connect(source->Output(0), sink->Input(0)), S_OK);
  EXPECT_EQ(Classes(), (std::vector<CLSID>{kPassThroughClsid, kSinkClsid, kSourceClsid}));
  EXPECT_EQ(RunToEnd(), EC_COMPLETE);
  EXPECT_EQ(sink->Received(0), 100);
  EXPECT_EQ(control->Stop(), S_OK);
}

TEST_F(BuildingTest, ConnectPrefersTheDirectWayAndLeavesNothingOnFailure) {
  auto* source = Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA), TypeOf(kSubtypeB)}, 0), u"Source");
  auto* direct = Add(MakeCom<TestSink>(1, kSubtypeA), u"Direct");
  EXPECT_EQ(graph->Connect(source->Output(0), direct->Input(0)), S_OK);
  EXPECT_EQ(Classes().size(), 2u);
  auto* refusing = Add(MakeCom<TestSink>(1, kSubtypeDecoded), u"Refusing");
  EXPECT_EQ(graph->Connect(source->Output(1), refusing->Input(0)), VFW_E_CANNOT_CONNECT);
  EXPECT_EQ(Classes().size(), 3u);
  EXPECT_FALSE(source->Output(1)->IsConnected());
}

TEST_F(BuildingTest, RenderEndsAtARenderer) {
  auto* source = Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA), TypeOf(kSubtypeB)}, 0), u"Source");
  EXPECT_EQ(graph->Render(source->Output(0)), S_OK);
  EXPECT_EQ(Classes(), (std::vector<CLSID>{kSinkClsid, kPassThroughClsid, kSourceClsid}));
  EXPECT_EQ(graph->Render(source->Output(1)), VFW_E_CANNOT_RENDER);
  EXPECT_EQ(Classes().size(), 3u);
  EXPECT_EQ(graph->Render(source->Output(0)), VFW_E_ALREADY_CONNECTED);
}

TEST_F(BuildingTest, RenderFileRendersEveryStream) {
  g_streams = {TypeOf(kSubtypeA), TypeOf(kSubtypeDecoded)};
  EXPECT_EQ(graph->RenderFile(u"/videos/clip.tst", nullptr), S_OK);
  // source, splitter, decoder + renderer for stream 0, renderer for stream 1
  EXPECT_EQ(Classes().size(), 5u);
  IBaseFilter* source = nullptr;
  ASSERT_EQ(graph->FindFilterByName(u"/videos/clip.tst", &source), S_OK);
  source->Release();
}

TEST_F(BuildingTest, RenderFileReportsPartialRender) {
  g_streams = {TypeOf(kSubtypeB), TypeOf(kSubtypeA), TypeOf(kSubtypeB)};
  EXPECT_EQ(graph->RenderFile(u"/videos/clip.tst", nullptr), VFW_S_PARTIAL_RENDER);
  EXPECT_EQ(Classes(), (std::vector<CLSID>{kSinkClsid, kPassThroughClsid, kSplitterClsid, kSourceClsid}));
}

TEST_F(BuildingTest, RenderFileWithASelfSplittingSource) {
  g_streams = {TypeOf(kSubtypeA), TypeOf(kSubtypeB)};
  EXPECT_EQ(graph->RenderFile(u"/videos/clip.MULTI", nullptr), VFW_S_PARTIAL_RENDER);
  g_streams = {TypeOf(kSubtypeA)};
  EXPECT_EQ(graph->RenderFile(u"/videos/other.multi", nullptr), S_OK);
}

TEST_F(BuildingTest, RenderFileWhenNoStreamRendersRemovesWhatItAdded) {
  g_streams = {TypeOf(kSubtypeB), TypeOf(kSubtypeB)};
  EXPECT_EQ(graph->RenderFile(u"/videos/clip.tst", nullptr), VFW_E_CANNOT_RENDER);
  EXPECT_TRUE(Classes().empty());
}

TEST_F(BuildingTest, RenderFileWhenNothingTakesTheSource) {
  UnregisterFilter(kSplitterClsid);
  EXPECT_EQ(graph->RenderFile(u"/videos/clip.tst", nullptr), VFW_E_UNSUPPORTED_STREAM);
  EXPECT_TRUE(Classes().empty());
}

TEST_F(BuildingTest, RenderFileGivesTheSourcesLoadFailure) {
  EXPECT_EQ(graph->RenderFile(u"/videos/missing.tst", nullptr), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(Classes().empty());
  EXPECT_EQ(graph->RenderFile(u"/videos/clip.unknown", nullptr),
            REGDB_E_CLASSNOTREG);  // no File Source installed
}

TEST_F(BuildingTest, AddSourceFilterLoadsAndNames) {
  IBaseFilter* source = nullptr;
  ASSERT_EQ(graph->AddSourceFilter(u"/videos/clip.tst", u"Src", &source), S_OK);
  auto held = ComPtr<IBaseFilter>::Attach(source);
  IBaseFilter* found = nullptr;
  ASSERT_EQ(graph->FindFilterByName(u"Src", &found), S_OK);
  EXPECT_EQ(found, source);
  found->Release();
}

}  // namespace
