// Intelligent connection: RenderFile brings in installed filters by merit
// (filter_registry.h), trying each candidate in turn and taking out again
// whatever did not lead anywhere. Nothing connects pin to pin this way or
// renders a single pin, so Connect and Render are not implemented.
#include "platform/com/com_runtime.h"
#include "platform/dshow/core/filter_graph.h"
#include "platform/dshow/core/filter_registry.h"
#include "platform/dshow/core/graph_pins.h"
#include "platform/dshow/core/wide_text.h"

namespace {

// How many filters a chain may bring in between two pins.
constexpr int kMaxDepth = 5;

CLSID ClassOf(IBaseFilter* filter) {
  CLSID clsid = GUID_NULL;
  if (filter) filter->GetClassID(&clsid);
  return clsid;
}

// Installed filters worth trying after `out`: above MERIT_DO_NOT_USE and not
// of the same class as the filter `out` belongs to (no decoder feeds a twin).
std::vector<FilterRegistration> CandidatesAfter(IPin* out) {
  const CLSID upstream = ClassOf(FilterOf(out).Get());
  std::vector<FilterRegistration> candidates;
  for (FilterRegistration& registration : FiltersByMerit())
    if (registration.merit > MERIT_DO_NOT_USE && registration.clsid != upstream)
      candidates.push_back(std::move(registration));
  return candidates;
}

}  // namespace

// Makes an installed filter, adds it and connects `out` to one of its free
// inputs; null (and nothing left in the graph) when any step fails.
ComPtr<IBaseFilter> FilterGraph::AddCandidateFor(IPin* out, REFCLSID clsid, const std::u16string& name) {
  ComPtr<IBaseFilter> filter;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::iid,
                              reinterpret_cast<void**>(filter.ReleaseAndGetAddressOf()))))
    return nullptr;
  if (FAILED(AddFilter(filter.Get(), name.c_str()))) return nullptr;
  for (const ComPtr<IPin>& in : PinsOf(filter.Get(), PINDIR_INPUT, true))
    if (SUCCEEDED(out->Connect(in.Get(), nullptr))) return filter;
  RemoveFilter(filter.Get());
  return nullptr;
}

// S_OK when every output of `filter` rendered (or it has none: a chain ends
// there), VFW_S_PARTIAL_RENDER when some did, VFW_E_CANNOT_RENDER when none.
HRESULT FilterGraph::RenderOutputsOf(IBaseFilter* filter, int depth) {
  const std::vector<ComPtr<IPin>> outputs = PinsOf(filter, PINDIR_OUTPUT, false);
  if (outputs.empty()) return S_OK;
  int full = 0;
  int some = 0;
  for (const ComPtr<IPin>& pin : outputs) {
    const HRESULT hr = IsConnected(pin.Get()) ? S_OK : RenderVia(pin.Get(), depth);
    if (hr == S_OK) ++full;
    if (SUCCEEDED(hr)) ++some;
  }
  if (full == static_cast<int>(outputs.size())) return S_OK;
  return some > 0 ? VFW_S_PARTIAL_RENDER : VFW_E_CANNOT_RENDER;
}

// S_OK / VFW_S_PARTIAL_RENDER as RenderOutputsOf; VFW_E_CANNOT_RENDER when
// some filter took the pin but nothing rendered behind it; VFW_E_CANNOT_CONNECT
// when nothing took the pin at all.
HRESULT FilterGraph::RenderVia(IPin* out, int depth) {
  if (depth >= kMaxDepth) return VFW_E_CANNOT_CONNECT;
  bool tookThePin = false;
  for (const FilterRegistration& candidate : CandidatesAfter(out)) {
    ComPtr<IBaseFilter> filter = AddCandidateFor(out, candidate.clsid, candidate.name);
    if (!filter) continue;
    tookThePin = true;
    const HRESULT hr = RenderOutputsOf(filter.Get(), depth + 1);
    if (SUCCEEDED(hr)) return hr;
    RemoveFilter(filter.Get());
  }
  return tookThePin ? VFW_E_CANNOT_RENDER : VFW_E_CANNOT_CONNECT;
}

// Creates the source for `file` by its extension, loads the file and adds the
// source under `name`.
HRESULT FilterGraph::LoadSource(LPCWSTR file, LPCWSTR name, ComPtr<IBaseFilter>& source) {
  const CLSID clsid = SourceFilterForPath(WideToUtf8(WideView(file)));
  ComPtr<IBaseFilter> filter;
  HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::iid,
                                reinterpret_cast<void**>(filter.ReleaseAndGetAddressOf()));
  if (FAILED(hr)) return hr;
  ComPtr<IFileSourceFilter> loader;
  hr = filter.As(loader);
  if (FAILED(hr)) return hr;
  hr = loader->Load(file, nullptr);
  if (FAILED(hr)) return hr;
  hr = AddFilter(filter.Get(), name);
  if (FAILED(hr)) return hr;
  source = std::move(filter);
  return S_OK;
}

HRESULT FilterGraph::RenderFile(LPCWSTR file, LPCWSTR /*playList*/) {
  if (!file) return E_POINTER;
  std::lock_guard lock(m_lock);
  if (m_state != State_Stopped) return VFW_E_NOT_STOPPED;
  ComPtr<IBaseFilter> source;
  HRESULT hr = LoadSource(file, file, source);
  if (FAILED(hr)) return hr;
  int full = 0, some = 0, tookAPin = 0;
  const std::vector<ComPtr<IPin>> outputs = PinsOf(source.Get(), PINDIR_OUTPUT, false);
  for (const ComPtr<IPin>& pin : outputs) {
    hr = RenderVia(pin.Get(), 0);
    full += hr == S_OK ? 1 : 0;
    some += SUCCEEDED(hr) ? 1 : 0;
    tookAPin += hr != VFW_E_CANNOT_CONNECT ? 1 : 0;
  }
  if (!outputs.empty() && full == static_cast<int>(outputs.size())) return S_OK;
  if (some > 0) return VFW_S_PARTIAL_RENDER;
  RemoveFilter(source.Get());
  return (outputs.empty() || tookAPin > 0) ? VFW_E_CANNOT_RENDER : VFW_E_UNSUPPORTED_STREAM;
}

HRESULT FilterGraph::AddSourceFilter(LPCWSTR file, LPCWSTR name, IBaseFilter** filter) {
  if (!file || !filter) return E_POINTER;
  *filter = nullptr;
  std::lock_guard lock(m_lock);
  ComPtr<IBaseFilter> source;
  const HRESULT hr = LoadSource(file, name ? name : file, source);
  if (FAILED(hr)) return hr;
  *filter = source.Detach();
  return S_OK;
}

HRESULT FilterGraph::Connect(IPin*, IPin*) { return E_NOTIMPL; }

HRESULT FilterGraph::Render(IPin*) { return E_NOTIMPL; }

HRESULT FilterGraph::Abort() { return S_OK; }
