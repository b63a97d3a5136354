// The delivering side of the streaming protocol. The peer's IMemInputPin is
// taken at connection time and only changes while stopped, so the streaming
// thread reads it without a lock.
#include "platform/dshow/core/base_filter.h"

BaseOutputPin::BaseOutputPin(BaseFilter* filter, std::u16string name)
    : BasePin(filter, PINDIR_OUTPUT, std::move(name)) {}

HRESULT BaseOutputPin::CompleteConnect(IPin* peer) {
  ComPtr<IMemInputPin> input;
  if (FAILED(
          peer->QueryInterface(IMemInputPin::iid, reinterpret_cast<void**>(input.ReleaseAndGetAddressOf()))))
    return VFW_E_NO_TRANSPORT;
  m_peerInput = std::move(input);
  return S_OK;
}

void BaseOutputPin::BreakConnect() { m_peerInput = nullptr; }

HRESULT BaseOutputPin::Deliver(IMediaSample* sample) {
  if (!m_peerInput) return VFW_E_NOT_CONNECTED;
  return m_peerInput->Receive(sample);
}

HRESULT BaseOutputPin::DeliverEndOfStream() {
  IPin* peer = ConnectedPin();
  return peer ? peer->EndOfStream() : VFW_E_NOT_CONNECTED;
}

HRESULT BaseOutputPin::DeliverBeginFlush() {
  IPin* peer = ConnectedPin();
  return peer ? peer->BeginFlush() : VFW_E_NOT_CONNECTED;
}

HRESULT BaseOutputPin::DeliverEndFlush() {
  IPin* peer = ConnectedPin();
  return peer ? peer->EndFlush() : VFW_E_NOT_CONNECTED;
}

HRESULT BaseOutputPin::DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) {
  IPin* peer = ConnectedPin();
  return peer ? peer->NewSegment(start, stop, rate) : VFW_E_NOT_CONNECTED;
}
