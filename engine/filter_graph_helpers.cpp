#include "engine/filter_graph_helpers.h"

#include "engine/conversion_reports.h"
#include "engine/pin_direction.h"
#include "engine/report_message.h"
#include "platform/com/com_ptr.h"
#include "platform/com/com_runtime.h"
#include "platform/com/translatable.h"
#include "platform/win32/message_queue.h"

namespace {

constexpr LONG kCompletionWaitMs = 100;

HRESULT CreateInProcess(REFCLSID clsid, REFIID iid, void** object, const char* failureFormat) {
  if (!object) return E_POINTER;
  const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
  if (FAILED(hr)) {
    ReportFailure(hr, failureFormat, HexCode(hr));
    *object = nullptr;
    return hr;
  }
  return S_OK;
}

void DispatchPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Cuts the filter behind `pin`, if `pin` feeds one. False when the peer pin
// cannot say which filter it belongs to, which ends the walk over the pins.
bool RemoveFilterBehind(IPin* pin, IFilterGraph* graph) {
  ComPtr<IPin> peer;
  pin->ConnectedTo(peer.ReleaseAndGetAddressOf());
  if (!peer) return true;
  PIN_INFO info{};
  if (peer->QueryPinInfo(&info) != S_OK) return false;
  const auto peerFilter = ComPtr<IBaseFilter>::Attach(info.pFilter);
  if (info.dir == PINDIR_INPUT) {
    RemoveDownstreamFilters(peerFilter.Get(), graph);
    graph->Disconnect(peer.Get());
    graph->Disconnect(pin);
    graph->RemoveFilter(peerFilter.Get());
  }
  return true;
}

// Whether the filter reads the source: no input pin, some output pin. The
// FILTER_INFO is asked for first; when it cannot be read, the search stops.
enum class SourceCheck { kQualifies, kDoesNotQualify, kAbandonSearch };

SourceCheck CheckSourceFilter(IBaseFilter* filter) {
  FILTER_INFO info{};
  if (FAILED(filter->QueryFilterInfo(&info))) return SourceCheck::kAbandonSearch;
  const auto graphOfInfo = ComPtr<IFilterGraph>::Attach(info.pGraph);
  ULONG inputs = 0;
  ULONG outputs = 0;
  if (FAILED(CountFilterPins(filter, &inputs, &outputs))) return SourceCheck::kDoesNotQualify;
  return inputs == 0 && outputs > 0 ? SourceCheck::kQualifies : SourceCheck::kDoesNotQualify;
}

}  // namespace

HRESULT CreateFilterGraph(IGraphBuilder** graph) {
  return CreateInProcess(
      CLSID_FilterGraph, IGraphBuilder::iid, reinterpret_cast<void**>(graph),
      QT_TRANSLATE_NOOP("Corvane", "CreateFilterGraph: Failed to create graph!  hr=0x%x\n"));
}

HRESULT CreateFilter(REFCLSID clsid, IBaseFilter** filter) {
  return CreateInProcess(clsid, IBaseFilter::iid, reinterpret_cast<void**>(filter),
                         QT_TRANSLATE_NOOP("Corvane", "CreateFilter: Failed to create filter!  hr=0x%x\n"));
}

HRESULT SetNoClock(IFilterGraph* graph) {
  if (!graph) return E_POINTER;
  ComPtr<IMediaFilter> mediaFilter;
  HRESULT hr = graph->QueryInterface(IMediaFilter::iid,
                                     reinterpret_cast<void**>(mediaFilter.ReleaseAndGetAddressOf()));
  if (FAILED(hr)) {
    ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "SetNoClock: Failed to QI for media filter!  hr=0x%x\n"),
                  HexCode(hr));
    return hr;
  }
  hr = mediaFilter->SetSyncSource(nullptr);
  if (FAILED(hr))
    ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "SetNoClock: Failed to set sync source!  hr=0x%x\n"),
                  HexCode(hr));
  return hr;
}

void WaitForGraphCompletion(IGraphBuilder* graph, const BetweenWaits& betweenWaits) {
  if (!graph) return;
  ComPtr<IMediaEvent> mediaEvent;
  if (FAILED(graph->QueryInterface(IMediaEvent::iid,
                                   reinterpret_cast<void**>(mediaEvent.ReleaseAndGetAddressOf())))) {
    ReportFailure(S_OK, QT_TRANSLATE_NOOP("Corvane", "QI failed for IMediaEvent interface!\n"));
    return;
  }
  ReportDiagnostic(
      "Waiting for completion...\n  This could take several minutes, depending on file size and selected "
      "profile.\n");
  LONG eventCode = 0;
  HRESULT waited = E_ABORT;
  do {
    // Window messages are handled between the short waits so that the window
    // stays responsive for as long as the copy takes.
    DispatchPendingMessages();
    if (betweenWaits) betweenWaits(graph);
    waited = mediaEvent->WaitForCompletion(kCompletionWaitMs, &eventCode);
    // Only a time-out (E_ABORT) means "still running". Any other failure, such
    // as a graph that was stopped meanwhile (VFW_E_WRONG_STATE), answers at
    // once and would never bring an event: waiting on would spin for ever.
  } while (eventCode == 0 && (waited == E_ABORT || SUCCEEDED(waited)));
}

void RemoveDownstreamFilters(IBaseFilter* filter, IFilterGraph* graph) {
  if (!filter || !graph) return;
  ComPtr<IEnumPins> pins;
  if (FAILED(filter->EnumPins(pins.ReleaseAndGetAddressOf()))) return;
  pins->Reset();
  for (;;) {
    IPin* next = nullptr;
    if (pins->Next(1, &next, nullptr) != S_OK) break;
    const auto pin = ComPtr<IPin>::Attach(next);
    if (pin && !RemoveFilterBehind(pin.Get(), graph)) break;
  }
}

HRESULT CountFilterPins(IBaseFilter* filter, ULONG* inputPins, ULONG* outputPins) {
  if (!filter || !inputPins || !outputPins) return E_POINTER;
  *inputPins = 0;
  *outputPins = 0;
  ComPtr<IEnumPins> pins;
  HRESULT hr = filter->EnumPins(pins.ReleaseAndGetAddressOf());
  if (FAILED(hr)) return hr;
  pins->Reset();
  hr = S_OK;
  IPin* next = nullptr;
  while (pins->Next(1, &next, nullptr) == S_OK) {
    const auto pin = ComPtr<IPin>::Attach(std::exchange(next, nullptr));
    if (!pin) continue;
    if (QueryPinDirection(pin.Get(), &hr) == PINDIR_INPUT) {
      ++*inputPins;
    } else {
      ++*outputPins;
    }
  }
  return hr;
}

IBaseFilter* FindSourceFilter(IFilterGraph* graph) {
  if (!graph) return nullptr;
  ComPtr<IEnumFilters> filters;
  if (FAILED(graph->EnumFilters(filters.ReleaseAndGetAddressOf()))) return nullptr;
  IBaseFilter* next = nullptr;
  while (filters->Next(1, &next, nullptr) == S_OK) {
    auto filter = ComPtr<IBaseFilter>::Attach(std::exchange(next, nullptr));
    if (!filter) continue;
    switch (CheckSourceFilter(filter.Get())) {
      case SourceCheck::kQualifies:
        return filter.Detach();
      case SourceCheck::kAbandonSearch:
        return nullptr;
      case SourceCheck::kDoesNotQualify:
        break;
    }
  }
  return nullptr;
}
