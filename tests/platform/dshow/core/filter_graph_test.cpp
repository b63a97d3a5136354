#include <gtest/gtest.h>

#include "graph_fixture.h"

using namespace testfilters;

namespace {

std::u16string NameOf(IBaseFilter* filter) {
  FILTER_INFO info{};
  EXPECT_EQ(filter->QueryFilterInfo(&info), S_OK);
  if (info.pGraph) info.pGraph->Release();
  return info.achName;
}

// Each filter joins once, under a name of its own that fits FILTER_INFO, and
// the graph holds one reference to it until it is removed.
TEST_F(GraphTest, AddFilterNamesEachFilterUniquelyAndRemoveFilterLetsGo) {
  auto sink = MakeCom<TestSink>(1);
  ASSERT_EQ(graph->AddFilter(sink.Get(), u"Mux"), S_OK);
  EXPECT_EQ(graph->AddFilter(sink.Get(), u"Again"), E_INVALIDARG);
  auto second = MakeCom<TestSink>(1);
  EXPECT_EQ(graph->AddFilter(second.Get(), u"Mux"), VFW_S_DUPLICATE_NAME);
  EXPECT_EQ(NameOf(sink.Get()), u"Mux");
  EXPECT_NE(NameOf(second.Get()), u"Mux");
  auto unnamed = MakeCom<TestSink>(1);
  EXPECT_EQ(graph->AddFilter(unnamed.Get(), nullptr), S_OK);
  EXPECT_FALSE(NameOf(unnamed.Get()).empty());

  const std::u16string longName(300, u'x');
  auto a = MakeCom<TestSink>(1);
  auto b = MakeCom<TestSink>(1);
  EXPECT_EQ(graph->AddFilter(a.Get(), longName.c_str()), S_OK);
  EXPECT_EQ(graph->AddFilter(b.Get(), longName.c_str()), VFW_S_DUPLICATE_NAME);
  EXPECT_EQ(NameOf(a.Get()).size(), MAX_FILTER_NAME - 1);
  EXPECT_EQ(NameOf(b.Get()).size(), MAX_FILTER_NAME - 1);
  EXPECT_NE(NameOf(a.Get()), NameOf(b.Get()));

  IBaseFilter* found = nullptr;
  ASSERT_EQ(graph->FindFilterByName(NameOf(second.Get()).c_str(), &found), S_OK);
  EXPECT_EQ(found, static_cast<IBaseFilter*>(second.Get()));
  found->Release();
  EXPECT_EQ(graph->FindFilterByName(u"Nothing", &found), VFW_E_NOT_FOUND);

  ASSERT_EQ(graph->RemoveFilter(sink.Get()), S_OK);
  EXPECT_EQ(sink->RefCountForTesting(), 1u);
  EXPECT_EQ(sink->Graph(), nullptr);
  EXPECT_EQ(graph->RemoveFilter(sink.Get()), VFW_E_NOT_FOUND);
}

TEST_F(GraphTest, ConnectDirectNeedsBothFiltersInTheGraph) {
  auto* source = Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 0), u"Source");
  auto outsider = MakeCom<TestSink>(1);
  EXPECT_EQ(graph->ConnectDirect(source->Output(0), outsider->Input(0), nullptr), VFW_E_NOT_IN_GRAPH);
  auto* sink = Add(MakeCom<TestSink>(1, kSubtypeB), u"Sink");
  EXPECT_EQ(graph->ConnectDirect(source->Output(0), sink->Input(0), nullptr), VFW_E_TYPE_NOT_ACCEPTED);
  auto* taker = Add(MakeCom<TestSink>(1), u"Taker");
  EXPECT_EQ(graph->ConnectDirect(source->Output(0), taker->Input(0), nullptr), S_OK);
  EXPECT_EQ(graph->ConnectDirect(source->Output(0), taker->Input(0), nullptr), VFW_E_ALREADY_CONNECTED);

  EXPECT_EQ(graph->Disconnect(taker->Input(0)), S_OK);
  EXPECT_FALSE(taker->Input(0)->IsConnected());
  EXPECT_TRUE(source->Output(0)->IsConnected());  // one pin only
  EXPECT_EQ(graph->Disconnect(source->Output(0)), S_OK);
}

// Removing a filter from a running graph would stop it under its upstream
// neighbour's streaming thread and leave it wired to peers that cannot
// disconnect while running: refused until the graph stops.
TEST_F(GraphTest, RemoveFilterWaitsForAStoppedGraphThenDisconnectsBothSides) {
  auto* source = Add(MakeCom<TestSource>(std::vector{TypeOf(kSubtypeA)}, 10'000), u"Source");
  auto* pass = Add(MakeCom<TestPassThrough>(), u"Pass");
  auto* sink = Add(MakeCom<TestSink>(1), u"Sink");
  ASSERT_EQ(graph->ConnectDirect(source->Output(0), pass->Input(), nullptr), S_OK);
  ASSERT_EQ(graph->ConnectDirect(pass->Output(), sink->Input(0), nullptr), S_OK);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(graph->RemoveFilter(pass), VFW_E_NOT_STOPPED);
  EXPECT_TRUE(pass->Input()->IsConnected());
  LONG code = 0;
  EXPECT_EQ(events->WaitForCompletion(60'000, &code), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  EXPECT_EQ(sink->Received(0), 10'000);
  ASSERT_EQ(control->Stop(), S_OK);
  ASSERT_EQ(graph->RemoveFilter(pass), S_OK);
  EXPECT_FALSE(source->Output(0)->IsConnected());
  EXPECT_FALSE(sink->Input(0)->IsConnected());
  EXPECT_EQ(Filters(), (std::vector<IBaseFilter*>{sink, source}));
}

TEST_F(GraphTest, GraphStartsWithTheSystemClockAndCanRunWithout) {
  ComPtr<IMediaFilter> filter;
  ASSERT_EQ(graph.As(filter), S_OK);
  IReferenceClock* clock = nullptr;
  ASSERT_EQ(filter->GetSyncSource(&clock), S_OK);
  ASSERT_NE(clock, nullptr);
  auto held = ComPtr<IReferenceClock>::Attach(clock);
  auto* sink = Add(MakeCom<TestSink>(1), u"Sink");
  EXPECT_EQ(sink->Clock().Get(), held.Get());

  ASSERT_EQ(filter->SetSyncSource(nullptr), S_OK);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(sink->Clock().Get(), nullptr);  // TearDown releases the running graph
}

// A sink that also plays a video window and knows its duration and position.
class WindowSink : public TestSink, public IVideoWindow, public IMediaSeeking {
 public:
  explicit WindowSink(LONGLONG duration) : m_duration(duration) {}
  HRESULT QueryInterface(REFIID riid, void** ppv) override { return TestSink::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return TestSink::AddRef(); }
  ULONG Release() override { return TestSink::Release(); }
  HRESULT put_AutoShow(LONG v) override {
    autoShow = v;
    return S_OK;
  }
  HRESULT get_AutoShow(LONG*) override { return S_OK; }
  HRESULT put_Visible(LONG) override { return S_OK; }
  HRESULT get_Visible(LONG*) override { return S_OK; }
  HRESULT put_Owner(OAHWND) override { return S_OK; }
  HRESULT get_Owner(OAHWND*) override { return S_OK; }
  HRESULT GetCapabilities(DWORD* caps) override {
    *caps = AM_SEEKING_CanGetDuration;
    return S_OK;
  }
  HRESULT GetDuration(LONGLONG* d) override {
    *d = m_duration;
    return S_OK;
  }
  HRESULT GetCurrentPosition(LONGLONG* p) override {
    *p = m_duration / 2;
    return S_OK;
  }
  LONG autoShow = OATRUE;

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override {
    if (OfferInterface<IVideoWindow>(this, riid, ppv) || OfferInterface<IMediaSeeking>(this, riid, ppv))
      return S_OK;
    return TestSink::QueryExtraInterface(riid, ppv);
  }

 private:
  const LONGLONG m_duration;
};

TEST_F(GraphTest, VideoWindowAndSeekingAnswerForTheFilters) {
  ComPtr<IVideoWindow> window;
  ASSERT_EQ(graph.As(window), S_OK);
  ComPtr<IMediaSeeking> seeking;
  ASSERT_EQ(graph.As(seeking), S_OK);
  EXPECT_EQ(window->put_AutoShow(OAFALSE), E_NOINTERFACE);
  LONGLONG duration = 0;
  EXPECT_EQ(seeking->GetDuration(&duration), E_NOTIMPL);

  Add(MakeCom<TestSink>(1), u"Plain");
  auto* shorter = Add(MakeCom<WindowSink>(100), u"Short");
  auto* longer = Add(MakeCom<WindowSink>(300), u"Long");
  EXPECT_EQ(window->put_AutoShow(OAFALSE), S_OK);
  EXPECT_EQ(longer->autoShow, OAFALSE);  // the first in enumeration order
  EXPECT_EQ(shorter->autoShow, OATRUE);
  EXPECT_EQ(seeking->GetDuration(&duration), S_OK);
  EXPECT_EQ(duration, 300);
  LONGLONG position = 0;
  EXPECT_EQ(seeking->GetCurrentPosition(&position), S_OK);
  EXPECT_TRUE(position == 50 || position == 150);
}

}  // namespace
