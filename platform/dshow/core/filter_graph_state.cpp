// Driving the filters' states. Pause and Run go downstream-first (sinks are
// ready before sources push); Stop goes upstream-first (a source stops its
// thread first, a multiplexer then finishes its file through a writer that
// still runs, the writer stops last). The order is a topological sort over
// the pin connections.
#include <algorithm>
#include <map>

#include "platform/dshow/core/filter_graph.h"
#include "platform/dshow/core/graph_pins.h"

namespace {

// Time between Run and stream time zero, so that every filter is running
// before the first sample is due.
constexpr REFERENCE_TIME kStartMargin = 10 * 10'000;  // 10 ms

std::vector<ComPtr<IBaseFilter>> DownstreamOf(IBaseFilter* filter) {
  std::vector<ComPtr<IBaseFilter>> next;
  for (const ComPtr<IPin>& pin : PinsOf(filter, PINDIR_OUTPUT, false))
    if (ComPtr<IBaseFilter> peer = PeerFilterOf(pin.Get())) next.push_back(std::move(peer));
  return next;
}

}  // namespace

// Kahn's algorithm in membership order; a filter on a cycle (which no valid
// graph has) goes last rather than being lost.
std::vector<ComPtr<IBaseFilter>> FilterGraph::UpstreamFirst() const {
  std::map<IBaseFilter*, int> incoming;
  std::map<IBaseFilter*, std::vector<ComPtr<IBaseFilter>>> downstream;
  for (const Member& member : m_filters) incoming[member.filter.Get()] += 0;
  for (const Member& member : m_filters) {
    downstream[member.filter.Get()] = DownstreamOf(member.filter.Get());
    for (const auto& next : downstream[member.filter.Get()])
      if (incoming.count(next.Get())) ++incoming[next.Get()];
  }
  std::vector<ComPtr<IBaseFilter>> order;
  std::vector<bool> placed(m_filters.size(), false);
  for (bool progress = true; progress;) {
    progress = false;
    for (std::size_t i = 0; i < m_filters.size(); ++i) {
      IBaseFilter* filter = m_filters[i].filter.Get();
      if (placed[i] || incoming[filter] != 0) continue;
      placed[i] = progress = true;
      order.push_back(m_filters[i].filter);
      for (const auto& next : downstream[filter])
        if (incoming.count(next.Get())) --incoming[next.Get()];
    }
  }
  for (std::size_t i = 0; i < m_filters.size(); ++i)
    if (!placed[i]) order.push_back(m_filters[i].filter);
  return order;
}

// Sinks: at least one connected input and no connected output.
int FilterGraph::CountSinks() const {
  int sinks = 0;
  for (const Member& member : m_filters) {
    IBaseFilter* filter = member.filter.Get();
    const auto inputs = PinsOf(filter, PINDIR_INPUT, false);
    const auto outputs = PinsOf(filter, PINDIR_OUTPUT, false);
    const bool fed =
        std::any_of(inputs.begin(), inputs.end(), [](const auto& p) { return IsConnected(p.Get()); });
    const bool feeds =
        std::any_of(outputs.begin(), outputs.end(), [](const auto& p) { return IsConnected(p.Get()); });
    sinks += (fed && !feeds) ? 1 : 0;
  }
  return sinks;
}

void FilterGraph::ShareClock() {
  for (const Member& member : m_filters) member.filter->SetSyncSource(m_clock.Get());
}

// Stops every filter, upstream first, whatever state each is in; the first
// failure is the result.
HRESULT FilterGraph::StopAll() {
  HRESULT result = S_OK;
  for (const ComPtr<IBaseFilter>& filter : UpstreamFirst()) {
    const HRESULT hr = filter->Stop();
    if (FAILED(hr) && SUCCEEDED(result)) result = hr;
  }
  m_state = State_Stopped;
  m_events.EndRun();
  return result;
}

HRESULT FilterGraph::Stop() {
  std::lock_guard lock(m_lock);
  return StopAll();
}

HRESULT FilterGraph::Pause() {
  std::lock_guard lock(m_lock);
  if (m_state == State_Paused) return S_OK;
  if (m_state == State_Stopped) {
    ShareClock();
    m_events.BeginRun(CountSinks());
  }
  std::vector<ComPtr<IBaseFilter>> order = UpstreamFirst();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const HRESULT hr = (*it)->Pause();
    if (FAILED(hr)) {
      StopAll();
      return hr;
    }
  }
  m_state = State_Paused;
  return S_OK;
}

HRESULT FilterGraph::Run(REFERENCE_TIME start) {
  std::lock_guard lock(m_lock);
  if (m_state == State_Running) return S_OK;
  if (m_state == State_Stopped) {
    const HRESULT hr = Pause();
    if (FAILED(hr)) return hr;
  }
  std::vector<ComPtr<IBaseFilter>> order = UpstreamFirst();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const HRESULT hr = (*it)->Run(start);
    if (FAILED(hr)) {
      StopAll();
      return hr;
    }
  }
  m_state = State_Running;
  m_events.Running();
  return S_OK;
}

HRESULT FilterGraph::Run() {
  std::lock_guard lock(m_lock);
  REFERENCE_TIME now = 0;
  if (m_clock && SUCCEEDED(m_clock->GetTime(&now))) return Run(now + kStartMargin);
  return Run(REFERENCE_TIME{0});
}

HRESULT FilterGraph::GetState(DWORD, FILTER_STATE* state) {
  if (!state) return E_POINTER;
  std::lock_guard lock(m_lock);
  *state = m_state;
  return S_OK;
}

HRESULT FilterGraph::GetState(LONG, OAFilterState* state) {
  if (!state) return E_POINTER;
  std::lock_guard lock(m_lock);
  *state = static_cast<OAFilterState>(m_state);
  return S_OK;
}

HRESULT FilterGraph::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_FilterGraph;
  return S_OK;
}

// Null means "no clock": samples then flow as fast as they can.
HRESULT FilterGraph::SetSyncSource(IReferenceClock* clock) {
  std::lock_guard lock(m_lock);
  m_clock = ComPtr<IReferenceClock>(clock);
  if (m_state == State_Stopped) ShareClock();
  return S_OK;
}

HRESULT FilterGraph::GetSyncSource(IReferenceClock** clock) {
  if (!clock) return E_POINTER;
  std::lock_guard lock(m_lock);
  *clock = ComPtr<IReferenceClock>(m_clock).Detach();
  return S_OK;
}
