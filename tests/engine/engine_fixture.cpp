#include "tests/engine/engine_fixture.h"

#include "engine/convert_to_matroska.h"
#include "platform/com/com_runtime.h"

namespace {

template <typename Fake>
ClassFactory HandOut(Fake* object) {
  return [object](REFIID riid, void** ppv) { return object->QueryInterface(riid, ppv); };
}

}  // namespace

void EngineTest::SetUp() { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }

void EngineTest::TearDown() {
  CoUnregisterClass(CLSID_FilterGraph);
  CoUnregisterClass(CLSID_MatroskaMuxer);
  CoUnregisterClass(CLSID_FileWriter);
  if (graph) {
    EXPECT_EQ(graph->RefCountForTesting(), 1u) << "the engine kept a reference to the graph";
  }
  graph = nullptr;
  // Links between fake pins that no graph undid are the fakes' own cycles.
  for (const auto& filter : filters)
    for (const auto& pin : filter->Pins()) pin->ClearPeer();
  filters.clear();
  mux = nullptr;
  writer = nullptr;
  EXPECT_EQ(g_liveFakeObjects, 0) << "a reference was not given back";
  CoUninitialize();
}

ComPtr<FakeFilter> EngineTest::NewFilter(const std::string& name, int inputs, int outputs) {
  auto filter = MakeCom<FakeFilter>(name);
  for (int i = 0; i < inputs; ++i) filter->AddPin(PINDIR_INPUT);
  for (int i = 0; i < outputs; ++i) filter->AddPin(PINDIR_OUTPUT);
  if (const auto tweak = whenMade.find(name); tweak != whenMade.end()) tweak->second(*filter);
  filters.push_back(filter);
  return filter;
}

FakeFilter* EngineTest::Filter(const std::string& name) const {
  for (const auto& filter : filters)
    if (filter->Name() == name) return filter.Get();
  ADD_FAILURE() << "no filter " << name;
  return nullptr;
}

FakeGraph& EngineTest::InstallGraph() {
  graph = MakeCom<FakeGraph>();
  CoRegisterClass(CLSID_FilterGraph, HandOut(graph.Get()));
  return *graph;
}

FakeFilter& EngineTest::InstallMux(int inputs, bool addsInputs) {
  mux = NewFilter("MkvMux", inputs, 1);
  mux->addsInputPinWhenConnected = addsInputs;
  mux->hasInterleaving = true;
  CoRegisterClass(CLSID_MatroskaMuxer, HandOut(mux.Get()));
  return *mux;
}

FakeFilter& EngineTest::InstallWriter() {
  writer = NewFilter("FileWriter", 1, 0);
  writer->isFileSink = true;
  CoRegisterClass(CLSID_FileWriter, HandOut(writer.Get()));
  return *writer;
}

void EngineTest::AddPlaybackChain(FakeGraph& into, FakePin* out, int n) {
  const auto decoder = NewFilter("Decoder" + std::to_string(n), 1, 1);
  const auto renderer = NewFilter("Renderer" + std::to_string(n), 1, 0);
  into.Place(decoder);
  into.Place(renderer);
  FakeGraph::Link(out, decoder->Pin(PINDIR_INPUT, 0));
  FakeGraph::Link(decoder->Pin(PINDIR_OUTPUT, 0), renderer->Pin(PINDIR_INPUT, 0));
}

void EngineTest::RenderPlayback(int streams) {
  graph->onRenderFile = [this, streams](FakeGraph& into) {
    const auto splitter = NewFilter("Splitter", 1, streams);
    into.Place(splitter);
    for (int i = 0; i < streams; ++i) AddPlaybackChain(into, splitter->Pin(PINDIR_OUTPUT, i), i);
    // Placed last, so that the source search has to pass over the filters
    // that have inputs.
    const auto reader = NewFilter("Reader", 0, 1);
    into.Place(reader);
    FakeGraph::Link(reader->Pin(PINDIR_OUTPUT, 0), splitter->Pin(PINDIR_INPUT, 0));
  };
}

HRESULT EngineTest::Convert(const char* source, const char* output) {
  testing::internal::CaptureStdout();
  const HRESULT hr = ConvertToMatroska(source, output);
  printed = testing::internal::GetCapturedStdout();
  return hr;
}
