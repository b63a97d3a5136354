// The Filter Graph Manager's life, identity and events.
#include "platform/dshow/core/filter_graph.h"

#include "platform/dshow/core/graph_pins.h"
#include "platform/dshow/core/system_clock.h"

FilterGraph::FilterGraph() : m_clock(ComPtr<IReferenceClock>::Attach(new SystemClock())) {}

FilterGraph::~FilterGraph() {
  Stop();
  for (const Member& member : m_filters) DisconnectAll(member.filter.Get());
  for (const Member& member : m_filters) member.filter->JoinFilterGraph(nullptr, nullptr);
  m_filters.clear();
}

HRESULT FilterGraph::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (OfferInterface<IUnknown>(static_cast<IGraphBuilder*>(this), riid, ppv) ||
      OfferInterface<IFilterGraph>(this, riid, ppv) || OfferInterface<IGraphBuilder>(this, riid, ppv) ||
      OfferInterface<IPersist>(this, riid, ppv) || OfferInterface<IMediaFilter>(this, riid, ppv) ||
      OfferInterface<IMediaControl>(this, riid, ppv) || OfferInterface<IMediaEvent>(this, riid, ppv) ||
      OfferInterface<IMediaEventSink>(this, riid, ppv) || OfferInterface<IVideoWindow>(this, riid, ppv) ||
      OfferInterface<IMediaSeeking>(this, riid, ppv))
    return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT CreateFilterGraphInstance(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  auto graph = MakeCom<FilterGraph>();
  return graph->QueryInterface(riid, ppv);
}

HRESULT FilterGraph::GetEvent(LONG* eventCode, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) {
  return m_events.GetEvent(eventCode, param1, param2, timeoutMs);
}

HRESULT FilterGraph::WaitForCompletion(LONG timeoutMs, LONG* eventCode) {
  return m_events.WaitForCompletion(timeoutMs, eventCode);
}

HRESULT FilterGraph::FreeEventParams(LONG, LONG_PTR, LONG_PTR) { return S_OK; }

HRESULT FilterGraph::Notify(LONG eventCode, LONG_PTR param1, LONG_PTR param2) {
  return m_events.Notify(eventCode, param1, param2);
}
