#include "engine/pin_lookup.h"

#include <utility>

#include "engine/conversion_reports.h"
#include "engine/filter_graph_helpers.h"
#include "engine/pin_direction.h"
#include "engine/report_message.h"
#include "platform/com/com_ptr.h"
#include "platform/com/translatable.h"

namespace {

// Only the connection state matters; the peer is let go at once.
HRESULT ConnectionState(IPin* pin) {
  IPin* peer = nullptr;
  const HRESULT hr = pin->ConnectedTo(&peer);
  if (peer) peer->Release();
  return hr;
}

bool IsCandidate(IPin* pin, bool connected) {
  const HRESULT state = ConnectionState(pin);
  return connected ? state == S_OK : state == VFW_E_NOT_CONNECTED;
}

IPin* PinWithoutReference(IBaseFilter* filter, PIN_DIRECTION direction, ULONG index) {
  IPin* pin = nullptr;
  PinAt(filter, direction, index, &pin);
  if (pin) pin->Release();
  return pin;
}

void ConnectOneStream(IFilterGraph* graph, IPin* sourceOutPin, IPin* muxerInputPin, HRESULT* result) {
  *result = graph->ConnectDirect(sourceOutPin, muxerInputPin, nullptr);
  if (FAILED(*result))
    ReportFailure(
        *result,
        QT_TRANSLATE_NOOP("Corvane", "Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x%x\n"),
        HexCode(*result));
}

}  // namespace

HRESULT PinAt(IBaseFilter* filter, PIN_DIRECTION direction, ULONG index, IPin** pin) {
  if (!pin) return E_POINTER;
  *pin = nullptr;
  if (!filter) return E_POINTER;
  ComPtr<IEnumPins> pins;
  const HRESULT enumResult = filter->EnumPins(pins.ReleaseAndGetAddressOf());
  if (FAILED(enumResult)) return enumResult;
  IPin* next = nullptr;
  while (pins->Next(1, &next, nullptr) == S_OK) {
    auto candidate = ComPtr<IPin>::Attach(std::exchange(next, nullptr));
    if (!candidate) continue;
    HRESULT ignored;
    if (QueryPinDirection(candidate.Get(), &ignored) != direction) continue;
    if (index == 0) {
      *pin = candidate.Detach();
      return S_OK;
    }
    --index;
  }
  return E_FAIL;
}

IPin* InputPinAt(IBaseFilter* filter, ULONG index) {
  return PinWithoutReference(filter, PINDIR_INPUT, index);
}

IPin* OutputPinAt(IBaseFilter* filter, ULONG index) {
  return PinWithoutReference(filter, PINDIR_OUTPUT, index);
}

HRESULT FindMatchingPin(IBaseFilter* filter, PIN_DIRECTION direction, ULONG index, bool connected,
                        IPin** pin) {
  if (!filter || !pin) return E_POINTER;
  *pin = nullptr;
  ComPtr<IEnumPins> pins;
  HRESULT hr = filter->EnumPins(pins.ReleaseAndGetAddressOf());
  if (FAILED(hr)) return hr;
  ULONG matches = 0;
  IPin* next = nullptr;
  while ((hr = pins->Next(1, &next, nullptr)) == S_OK) {
    auto candidate = ComPtr<IPin>::Attach(std::exchange(next, nullptr));
    if (!candidate || !IsCandidate(candidate.Get(), connected)) continue;
    HRESULT directionResult;
    if (QueryPinDirection(candidate.Get(), &directionResult) != direction || directionResult != S_OK)
      continue;
    if (matches == index) {
      *pin = candidate.Detach();
      return S_OK;
    }
    ++matches;
  }
  return hr;
}

HRESULT FindSplitterFilter(IBaseFilter* sourceFilter, IBaseFilter** splitter) {
  if (!splitter) return E_POINTER;
  const ComPtr<IPin> sourceOutPin(OutputPinAt(sourceFilter, 0));
  if (!sourceOutPin) {
    ReportError(QT_TRANSLATE_NOOP("Corvane", "Cannot find source filter output pin!"));
    return S_FALSE;
  }
  ComPtr<IPin> splitterInPin;
  HRESULT hr = sourceOutPin->ConnectedTo(splitterInPin.ReleaseAndGetAddressOf());
  if (SUCCEEDED(hr) && !splitterInPin) hr = VFW_E_NOT_CONNECTED;  // a pin that claims a peer it does not give
  if (FAILED(hr)) {
    ReportError(QT_TRANSLATE_NOOP("Corvane", "Cannot find the input pin of splitter"));
    return hr;
  }
  PIN_INFO info{};
  hr = splitterInPin->QueryPinInfo(&info);
  auto splitterFilter = ComPtr<IBaseFilter>::Attach(info.pFilter);
  if (hr == S_OK) *splitter = splitterFilter.Detach();
  return hr;
}

HRESULT ConnectStreamsToMux(IFilterGraph* graph, IBaseFilter* streamFilter, IBaseFilter* mux) {
  ULONG muxInputs = 0;
  ULONG muxOutputs = 0;
  HRESULT hr = CountFilterPins(mux, &muxInputs, &muxOutputs);
  if (FAILED(hr)) {
    ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Failed to CountFilterPins!  hr=0x%x\n"), HexCode(hr));
    return hr;
  }
  ULONG streamInputs = 0;
  ULONG streams = 0;
  hr = CountFilterPins(streamFilter, &streamInputs, &streams);
  if (FAILED(hr)) return hr;
  ULONG skipped = 0;
  for (ULONG i = 0; i < streams; ++i) {
    const ComPtr<IPin> sourceOutPin(OutputPinAt(streamFilter, i));
    if (!sourceOutPin) {
      ReportFailure(hr,
                    QT_TRANSLATE_NOOP("Corvane", "Failed to find output pin on pSourceFilter!  hr=0x%x\n"),
                    HexCode(hr));
      continue;
    }
    const ComPtr<IPin> muxerInputPin(InputPinAt(mux, i - skipped));
    if (!muxerInputPin) {
      ++skipped;
      ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Failed to find intput pin on pMux!  hr=0x%x\n"),
                    HexCode(hr));
      continue;
    }
    ConnectOneStream(graph, sourceOutPin.Get(), muxerInputPin.Get(), &hr);
  }
  return hr;
}
