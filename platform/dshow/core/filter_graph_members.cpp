// Which filters the graph holds, under which names, and direct connections.
#include <algorithm>
#include <cstdio>

#include "platform/dshow/core/enumerators.h"
#include "platform/dshow/core/filter_graph.h"
#include "platform/dshow/core/graph_pins.h"
#include "platform/dshow/core/system_clock.h"
#include "platform/dshow/core/wide_text.h"

namespace {

constexpr std::size_t kMaxName = MAX_FILTER_NAME - 1;

std::u16string WithSuffix(std::u16string_view base, int n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, " %04d", n);
  std::u16string name(base.substr(0, kMaxName - 5));
  for (const char* d = digits; *d; ++d) name += static_cast<char16_t>(*d);
  return name;
}

}  // namespace

bool FilterGraph::Contains(IBaseFilter* filter) const {
  return std::any_of(m_filters.begin(), m_filters.end(),
                     [&](const Member& m) { return m.filter.Get() == filter; });
}

bool FilterGraph::PinInGraph(IPin* pin) const {
  ComPtr<IBaseFilter> filter = FilterOf(pin);
  return filter && Contains(filter.Get());
}

bool FilterGraph::NameTaken(std::u16string_view name) const {
  return std::any_of(m_filters.begin(), m_filters.end(), [&](const Member& m) { return m.name == name; });
}

// A null or empty name becomes "Filter 0001"-style; a taken one gets the
// first free " 0001"-style suffix and *duplicate, as DirectShow does.
std::u16string FilterGraph::UniqueName(std::u16string_view requested, bool* duplicate) const {
  *duplicate = false;
  std::u16string_view base =
      requested.empty() ? std::u16string_view(u"Filter") : requested.substr(0, kMaxName);
  if (!requested.empty() && !NameTaken(base)) return std::u16string(base);
  *duplicate = !requested.empty();
  for (int n = 1;; ++n) {
    std::u16string name = WithSuffix(base, n);
    if (!NameTaken(name)) return name;
  }
}

HRESULT FilterGraph::AddFilter(IBaseFilter* filter, LPCWSTR name) {
  if (!filter) return E_POINTER;
  std::lock_guard lock(m_lock);
  if (Contains(filter)) return E_INVALIDARG;
  bool duplicate = false;
  const std::u16string unique = UniqueName(WideView(name), &duplicate);
  const HRESULT hr = filter->JoinFilterGraph(this, unique.c_str());
  if (FAILED(hr)) return hr;
  m_filters.insert(m_filters.begin(), Member{ComPtr<IBaseFilter>(filter), unique});
  filter->SetSyncSource(m_clock.Get());
  return duplicate ? VFW_S_DUPLICATE_NAME : S_OK;
}

// Only a stopped graph lets a filter go: stopping one filter under a running
// neighbour would pull its resources from under the neighbour's streaming
// thread, and a running peer cannot disconnect, so the filter would stay
// wired into the graph it has left.
HRESULT FilterGraph::RemoveFilter(IBaseFilter* filter) {
  if (!filter) return E_POINTER;
  std::lock_guard lock(m_lock);
  if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
  const auto it = std::find_if(m_filters.begin(), m_filters.end(),
                               [&](const Member& m) { return m.filter.Get() == filter; });
  if (it == m_filters.end()) return VFW_E_NOT_FOUND;
  const ComPtr<IBaseFilter> held = it->filter;
  m_filters.erase(it);
  held->Stop();
  DisconnectAll(held.Get());
  held->JoinFilterGraph(nullptr, nullptr);
  return S_OK;
}

HRESULT FilterGraph::EnumFilters(IEnumFilters** out) {
  if (!out) return E_POINTER;
  std::vector<ComPtr<IBaseFilter>> filters;
  {
    std::lock_guard lock(m_lock);
    for (const Member& member : m_filters) filters.push_back(member.filter);
  }
  *out = FilterEnumerator::Make(std::move(filters)).Detach();
  return S_OK;
}

HRESULT FilterGraph::FindFilterByName(LPCWSTR name, IBaseFilter** filter) {
  if (!name || !filter) return E_POINTER;
  *filter = nullptr;
  std::lock_guard lock(m_lock);
  for (const Member& member : m_filters) {
    if (member.name == WideView(name)) {
      *filter = ComPtr<IBaseFilter>(member.filter).Detach();
      return S_OK;
    }
  }
  return VFW_E_NOT_FOUND;
}

HRESULT FilterGraph::ConnectDirect(IPin* out, IPin* in, const AM_MEDIA_TYPE* mt) {
  if (!out || !in) return E_POINTER;
  std::lock_guard lock(m_lock);
  if (!PinInGraph(out) || !PinInGraph(in)) return VFW_E_NOT_IN_GRAPH;
  return out->Connect(in, mt);
}

HRESULT FilterGraph::Reconnect(IPin*) { return E_NOTIMPL; }

HRESULT FilterGraph::Disconnect(IPin* pin) {
  if (!pin) return E_POINTER;
  std::lock_guard lock(m_lock);
  return pin->Disconnect();
}

HRESULT FilterGraph::SetDefaultSyncSource() { return SetSyncSource(MakeCom<SystemClock>().Get()); }
