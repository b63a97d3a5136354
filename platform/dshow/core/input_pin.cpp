// The receiving side of the streaming protocol.
#include "platform/dshow/core/base_filter.h"

BaseInputPin::BaseInputPin(BaseFilter* filter, std::u16string name)
    : BasePin(filter, PINDIR_INPUT, std::move(name)) {}

HRESULT BaseInputPin::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (OfferInterface<IMemInputPin>(this, riid, ppv)) return S_OK;
  return BasePin::QueryInterface(riid, ppv);
}

HRESULT BaseInputPin::Active() {
  m_flushing = false;
  m_endOfStream = false;
  return S_OK;
}

HRESULT BaseInputPin::Receive(IMediaSample* sample) {
  if (!sample) return E_POINTER;
  if (m_filter->State() == State_Stopped) return VFW_E_WRONG_STATE;
  if (m_flushing) return S_FALSE;
  if (m_endOfStream) return VFW_E_SAMPLE_REJECTED_EOS;
  return OnReceive(sample);
}

HRESULT BaseInputPin::EndOfStream() {
  if (m_filter->State() == State_Stopped) return VFW_E_WRONG_STATE;
  if (m_flushing) return S_FALSE;
  if (m_endOfStream.exchange(true)) return S_OK;  // told once is enough
  return OnEndOfStream();
}

HRESULT BaseInputPin::BeginFlush() {
  m_flushing = true;
  return OnBeginFlush();
}

HRESULT BaseInputPin::EndFlush() {
  const HRESULT hr = OnEndFlush();
  m_endOfStream = false;
  m_flushing = false;
  return hr;
}

HRESULT BaseInputPin::NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) { return S_OK; }
