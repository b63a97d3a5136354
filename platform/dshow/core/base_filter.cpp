#include "platform/dshow/core/base_filter.h"

#include <vector>

#include "platform/dshow/core/enumerators.h"
#include "platform/dshow/core/wide_text.h"

BaseFilter::BaseFilter(const CLSID& clsid) : m_clsid(clsid) {}

BaseFilter::~BaseFilter() = default;

HRESULT BaseFilter::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<IPersist>(this, riid, ppv) ||
      OfferInterface<IMediaFilter>(this, riid, ppv) || OfferInterface<IBaseFilter>(this, riid, ppv))
    return S_OK;
  return QueryExtraInterface(riid, ppv);
}

HRESULT BaseFilter::QueryExtraInterface(REFIID /*riid*/, void** ppv) {
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT BaseFilter::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = m_clsid;
  return S_OK;
}

HRESULT BaseFilter::ActivatePins() {
  const int count = GetPinCount();
  for (int i = 0; i < count; ++i) {
    const HRESULT hr = GetPin(i)->Active();
    if (FAILED(hr)) {
      for (int j = 0; j < i; ++j) GetPin(j)->Inactive();
      return hr;
    }
  }
  return S_OK;
}

void BaseFilter::DeactivatePins() {
  const int count = GetPinCount();
  for (int i = 0; i < count; ++i) GetPin(i)->Inactive();
}

HRESULT BaseFilter::Stop() {
  std::lock_guard lock(m_filterLock);
  if (m_state == State_Stopped) return S_OK;
  m_state = State_Stopped;
  DeactivatePins();
  return OnStop();
}

HRESULT BaseFilter::Pause() {
  std::lock_guard lock(m_filterLock);
  const FILTER_STATE previous = m_state;
  if (previous == State_Paused) return S_OK;
  if (previous == State_Stopped) {
    const HRESULT hr = ActivatePins();
    if (FAILED(hr)) return hr;
  }
  m_state = State_Paused;
  const HRESULT hr = OnPause();
  if (FAILED(hr)) {
    m_state = previous;
    if (previous == State_Stopped) DeactivatePins();
  }
  return hr;
}

HRESULT BaseFilter::Run(REFERENCE_TIME start) {
  std::lock_guard lock(m_filterLock);
  if (m_state == State_Running) return S_OK;
  if (m_state == State_Stopped) {
    const HRESULT hr = Pause();
    if (FAILED(hr)) return hr;
  }
  m_start = start;
  m_state = State_Running;
  const HRESULT hr = OnRun(start);
  if (FAILED(hr)) m_state = State_Paused;
  return hr;
}

HRESULT BaseFilter::GetState(DWORD /*timeoutMs*/, FILTER_STATE* state) {
  if (!state) return E_POINTER;
  *state = m_state.load();
  return S_OK;
}

HRESULT BaseFilter::SetSyncSource(IReferenceClock* clock) {
  std::lock_guard lock(m_clockLock);
  m_clock = ComPtr<IReferenceClock>(clock);
  return S_OK;
}

HRESULT BaseFilter::GetSyncSource(IReferenceClock** clock) {
  if (!clock) return E_POINTER;
  std::lock_guard lock(m_clockLock);
  *clock = m_clock.Get();
  if (*clock) (*clock)->AddRef();
  return S_OK;
}

ComPtr<IReferenceClock> BaseFilter::Clock() const {
  std::lock_guard lock(m_clockLock);
  return m_clock;
}

HRESULT BaseFilter::EnumPins(IEnumPins** out) {
  if (!out) return E_POINTER;
  std::vector<ComPtr<IPin>> pins;
  {
    std::lock_guard lock(m_filterLock);
    const int count = GetPinCount();
    for (int i = 0; i < count; ++i) pins.emplace_back(GetPin(i));
  }
  *out = PinEnumerator::Make(std::move(pins)).Detach();
  return S_OK;
}

HRESULT BaseFilter::FindPin(LPCWSTR id, IPin** pin) {
  if (!id || !pin) return E_POINTER;
  *pin = nullptr;
  std::lock_guard lock(m_filterLock);
  const int count = GetPinCount();
  for (int i = 0; i < count; ++i) {
    BasePin* candidate = GetPin(i);
    if (candidate->Name() == WideView(id)) {
      *pin = candidate;
      candidate->AddRef();
      return S_OK;
    }
  }
  return VFW_E_NOT_FOUND;
}

HRESULT BaseFilter::QueryFilterInfo(FILTER_INFO* info) {
  if (!info) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  CopyWideName(info->achName, MAX_FILTER_NAME, m_name);
  info->pGraph = m_graph;
  if (m_graph) m_graph->AddRef();
  return S_OK;
}

HRESULT BaseFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) {
  std::lock_guard lock(m_filterLock);
  m_graph = graph;
  m_name = graph ? std::u16string(WideView(name)) : std::u16string();
  IMediaEventSink* sink = nullptr;
  if (graph && SUCCEEDED(graph->QueryInterface(IMediaEventSink::iid, reinterpret_cast<void**>(&sink)))) {
    sink->Release();  // kept without a reference: the graph owns us
  }
  m_eventSink = sink;
  return S_OK;
}

HRESULT BaseFilter::QueryVendorInfo(LPWSTR* info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT BaseFilter::NotifyEvent(LONG eventCode, LONG_PTR param1, LONG_PTR param2) {
  IMediaEventSink* sink = m_eventSink.load();
  if (!sink) return E_UNEXPECTED;
  if (eventCode == EC_COMPLETE && param2 == 0)
    param2 = reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this));
  return sink->Notify(eventCode, param1, param2);
}
