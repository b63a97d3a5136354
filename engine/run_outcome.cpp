#include "engine/run_outcome.h"

#include "platform/com/com_ptr.h"

namespace {

// EC_ERRORABORT and EC_STREAM_ERROR_STOPPED carry the error in param1.
HRESULT FailureOfEvent(LONG eventCode, LONG_PTR param1) {
  switch (eventCode) {
    case EC_ERRORABORT:
    case EC_STREAM_ERROR_STOPPED: {
      const auto hr = static_cast<HRESULT>(param1);
      return FAILED(hr) ? hr : E_FAIL;
    }
    case EC_USERABORT:
      return E_ABORT;
    default:
      return S_OK;
  }
}

}  // namespace

HRESULT TakeRunFailure(IGraphBuilder* graph) {
  ComPtr<IMediaEvent> mediaEvent;
  if (FAILED(graph->QueryInterface(IMediaEvent::iid,
                                   reinterpret_cast<void**>(mediaEvent.ReleaseAndGetAddressOf()))))
    return S_OK;
  HRESULT failure = S_OK;
  LONG eventCode = 0;
  LONG_PTR param1 = 0;
  LONG_PTR param2 = 0;
  while (mediaEvent->GetEvent(&eventCode, &param1, &param2, 0) == S_OK) {
    if (SUCCEEDED(failure)) failure = FailureOfEvent(eventCode, param1);
    mediaEvent->FreeEventParams(eventCode, param1, param2);
  }
  return failure;
}
