#include "tests/engine/fakes/fake_graph.h"

#include <algorithm>

#include "platform/dshow/core/enumerators.h"

// Like the real graph, this one disconnects its filters when it goes, which
// also breaks the references connected pins hold on each other.
FakeGraph::~FakeGraph() {
  for (const auto& [filter, name] : m_filters) {
    for (const auto& pin : filter->Pins()) pin->ClearPeer();
    filter->JoinFilterGraph(nullptr, nullptr);
  }
}

HRESULT FakeGraph::QueryInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IUnknown>(static_cast<IGraphBuilder*>(this), riid, ppv) ||
      OfferInterface<IFilterGraph>(this, riid, ppv) || OfferInterface<IGraphBuilder>(this, riid, ppv))
    return S_OK;
  if ((offersMediaFilter && OfferInterface<IMediaFilter>(this, riid, ppv)) ||
      (offersMediaControl && OfferInterface<IMediaControl>(this, riid, ppv)) ||
      (offersMediaEvent && OfferInterface<IMediaEvent>(this, riid, ppv)) ||
      OfferInterface<IVideoWindow>(this, riid, ppv))
    return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

void FakeGraph::Place(const ComPtr<FakeFilter>& filter) {
  m_filters.emplace_back(filter, filter->Name());
  filter->JoinFilterGraph(this, nullptr);
}

void FakeGraph::Link(FakePin* out, FakePin* in) {
  out->SetPeer(in);
  in->SetPeer(out);
}

std::vector<std::string> FakeGraph::FilterNames() const {
  std::vector<std::string> names;
  for (const auto& [filter, name] : m_filters) names.push_back(name);
  return names;
}

// Every filter and pin the engine hands the graph is one the fakes made, so
// the casts below hold.
HRESULT FakeGraph::AddFilter(IBaseFilter* filter, LPCWSTR name) {
  auto* fake = static_cast<FakeFilter*>(filter);
  const std::string narrowName = Narrow(name);
  const auto scripted = addFilterResults.find(narrowName);
  if (scripted != addFilterResults.end() && FAILED(scripted->second)) return scripted->second;
  m_filters.emplace_back(ComPtr<FakeFilter>(fake), narrowName);
  fake->JoinFilterGraph(this, name);
  return S_OK;
}

HRESULT FakeGraph::RemoveFilter(IBaseFilter* filter) {
  auto* fake = static_cast<FakeFilter*>(filter);
  const auto it =
      std::find_if(m_filters.begin(), m_filters.end(), [&](auto& f) { return f.first.Get() == fake; });
  if (it == m_filters.end()) {
    ADD_FAILURE() << "removing a filter that is not in the graph";
    return VFW_E_NOT_FOUND;
  }
  fake->JoinFilterGraph(nullptr, nullptr);
  m_filters.erase(it);
  return S_OK;
}

HRESULT FakeGraph::EnumFilters(IEnumFilters** out) {
  if (FAILED(enumFiltersResult)) return enumFiltersResult;
  std::vector<ComPtr<IBaseFilter>> filters;
  for (const auto& [filter, name] : m_filters) filters.emplace_back(filter.Get());
  *out = new FilterEnumerator(std::move(filters));
  return S_OK;
}

HRESULT FakeGraph::ConnectDirect(IPin* out, IPin* in, const AM_MEDIA_TYPE* mt) {
  auto* fakeOut = static_cast<FakePin*>(out);
  auto* fakeIn = static_cast<FakePin*>(in);
  EXPECT_EQ(mt, nullptr);
  EXPECT_EQ(fakeOut->Direction(), PINDIR_OUTPUT);
  EXPECT_EQ(fakeIn->Direction(), PINDIR_INPUT);
  if (fakeOut->Peer() || fakeIn->Peer()) return VFW_E_ALREADY_CONNECTED;
  if (FAILED(fakeIn->acceptResult)) return fakeIn->acceptResult;
  Link(fakeOut, fakeIn);
  fakeIn->Owner()->InputConnected();
  return S_OK;
}

HRESULT FakeGraph::Disconnect(IPin* pin) {
  auto* fake = static_cast<FakePin*>(pin);
  if (!fake->Peer()) return S_FALSE;
  fake->ClearPeer();
  return S_OK;
}

HRESULT FakeGraph::RenderFile(LPCWSTR, LPCWSTR playList) {
  EXPECT_EQ(playList, nullptr);
  if (SUCCEEDED(renderFileResult) && onRenderFile) onRenderFile(*this);
  return renderFileResult;
}

HRESULT FakeGraph::SetSyncSource(IReferenceClock* clock) {
  EXPECT_EQ(clock, nullptr) << "the engine only ever takes the clock away";
  return setSyncSourceResult;
}

HRESULT FakeGraph::Run() {
  if (FAILED(runResult)) return runResult;
  m_events.insert(m_events.end(), eventsBeforeEnding.begin(), eventsBeforeEnding.end());
  m_events.push_back(ending);
  return runResult;
}

HRESULT FakeGraph::Stop() {
  ++stops;
  return stopResult;
}

HRESULT FakeGraph::GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) {
  EXPECT_EQ(timeoutMs, 0) << "the outcome of a finished run is read without waiting";
  if (m_events.empty()) return E_ABORT;
  *code = m_events.front().code;
  *param1 = m_events.front().param1;
  *param2 = m_events.front().param2;
  m_events.pop_front();
  return S_OK;
}

HRESULT FakeGraph::WaitForCompletion(LONG timeoutMs, LONG* code) {
  EXPECT_EQ(timeoutMs, 100);
  ++waits;
  if (FAILED(waitFailure)) {
    *code = 0;
    return waitFailure;
  }
  if (waits < waitsBeforeEnd) {
    *code = 0;
    return E_ABORT;
  }
  *code = ending.code;
  return S_OK;
}

HRESULT FakeGraph::FreeEventParams(LONG, LONG_PTR, LONG_PTR) {
  ++freedEvents;
  return S_OK;
}
