#include "tests/platform/dshow/media/graph_harness.h"

#include "platform/com/com_runtime.h"
#include "platform/dshow/media/install.h"
#include "platform/dshow/media/splitter.h"

namespace fs = std::filesystem;

void MediaGraphTest::SetUp() {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
  InstallMediaFilters();
}

void MediaGraphTest::TearDown() { CoUninitialize(); }

ComPtr<IGraphBuilder> MakeGraph() {
  ComPtr<IGraphBuilder> graph;
  EXPECT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                             IID_PPV_ARGS(graph.ReleaseAndGetAddressOf())),
            S_OK);
  return graph;
}

ComPtr<IBaseFilter> MakeFilter(REFCLSID clsid) {
  ComPtr<IBaseFilter> filter;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(filter.ReleaseAndGetAddressOf()));
  return filter;
}

ComPtr<IPin> FreePin(IBaseFilter* filter, PIN_DIRECTION direction) {
  const std::vector<ComPtr<IPin>> pins = PinsOf(filter, direction, true);
  return pins.empty() ? nullptr : pins.front();
}

std::vector<ComPtr<IBaseFilter>> FiltersOfClass(IGraphBuilder* graph, REFCLSID clsid) {
  std::vector<ComPtr<IBaseFilter>> found;
  ComPtr<IEnumFilters> filterEnum;
  if (FAILED(graph->EnumFilters(filterEnum.ReleaseAndGetAddressOf()))) return found;
  IBaseFilter* next = nullptr;
  while (filterEnum->Next(1, &next, nullptr) == S_OK) {
    const auto filter = ComPtr<IBaseFilter>::Attach(next);
    CLSID filterClass = GUID_NULL;
    filter->GetClassID(&filterClass);
    if (filterClass == clsid) found.push_back(filter);
  }
  return found;
}

namespace {

// The splitter when the source hands out bytes; the source when it splits.
HRESULT AddSplitterFor(ConversionGraph* built) {
  const ComPtr<IPin> sourceOut = FreePin(built->source.Get(), PINDIR_OUTPUT);
  if (!sourceOut) return VFW_E_NOT_FOUND;
  ComPtr<IAsyncReader> reader;
  if (FAILED(sourceOut.As(reader))) {
    built->splitter = built->source;
    return S_OK;
  }
  built->splitter = MakeFilter(CLSID_CorvaneSplitter);
  HRESULT hr = built->graph->AddFilter(built->splitter.Get(), u"Corvane Splitter");
  if (SUCCEEDED(hr))
    hr = built->graph->ConnectDirect(sourceOut.Get(),
                                     PinsOf(built->splitter.Get(), PINDIR_INPUT, false)[0].Get(), nullptr);
  return hr;
}

HRESULT AddMuxerAndWriter(ConversionGraph* built, const fs::path& output) {
  built->muxer = MakeFilter(CLSID_MatroskaMuxer);
  built->writer = MakeFilter(CLSID_FileWriter);
  if (!built->muxer || !built->writer) return REGDB_E_CLASSNOTREG;
  ComPtr<IFileSinkFilter> sink;
  HRESULT hr = built->writer.As(sink);
  if (SUCCEEDED(hr)) hr = sink->SetFileName(Wide(output).c_str(), nullptr);
  if (SUCCEEDED(hr)) hr = built->graph->AddFilter(built->muxer.Get(), u"Matroska Muxer");
  if (SUCCEEDED(hr)) hr = built->graph->AddFilter(built->writer.Get(), u"File writer");
  if (SUCCEEDED(hr))
    hr = built->graph->ConnectDirect(PinsOf(built->muxer.Get(), PINDIR_OUTPUT, false)[0].Get(),
                                     PinsOf(built->writer.Get(), PINDIR_INPUT, false)[0].Get(), nullptr);
  return hr;
}

}  // namespace

HRESULT BuildConversion(const fs::path& source, const fs::path& output, ConversionGraph* built) {
  built->graph = MakeGraph();
  if (!built->graph) return E_FAIL;
  HRESULT hr =
      built->graph->AddSourceFilter(Wide(source).c_str(), u"Source", built->source.ReleaseAndGetAddressOf());
  if (SUCCEEDED(hr)) hr = AddSplitterFor(built);
  if (SUCCEEDED(hr)) hr = AddMuxerAndWriter(built, output);
  if (FAILED(hr)) return hr;
  for (const ComPtr<IPin>& out : PinsOf(built->splitter.Get(), PINDIR_OUTPUT, false)) {
    const ComPtr<IPin> in = FreePin(built->muxer.Get(), PINDIR_INPUT);
    if (in) built->graph->ConnectDirect(out.Get(), in.Get(), nullptr);
  }
  ComPtr<IMediaFilter> timing;
  if (SUCCEEDED(built->graph.As(timing))) timing->SetSyncSource(nullptr);
  return S_OK;
}

RunOutcome RunToCompletion(IGraphBuilder* graph, LONG timeoutMs) {
  RunOutcome outcome;
  ComPtr<IMediaControl> control;
  ComPtr<IMediaEvent> events;
  ComPtr<IGraphBuilder>(graph).As(control);
  ComPtr<IGraphBuilder>(graph).As(events);
  outcome.runResult = control->Run();
  if (SUCCEEDED(outcome.runResult)) {
    LONG code = 0;
    LONG_PTR param1 = 0, param2 = 0;
    while (events->GetEvent(&code, &param1, &param2, timeoutMs) == S_OK) {
      events->FreeEventParams(code, param1, param2);
      if (code == EC_COMPLETE || code == EC_ERRORABORT || code == EC_USERABORT) {
        outcome.eventCode = code;
        outcome.eventParam = param1;
        break;
      }
    }
  }
  outcome.stopResult = control->Stop();
  return outcome;
}
