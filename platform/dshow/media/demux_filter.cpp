#include "platform/dshow/media/demux_filter.h"

HRESULT DemuxFilter::GetCapabilities(DWORD* capabilities) {
  if (!capabilities) return E_POINTER;
  *capabilities = AM_SEEKING_CanGetCurrentPos | AM_SEEKING_CanGetDuration;
  return S_OK;
}

HRESULT DemuxFilter::GetDuration(LONGLONG* duration) {
  if (!duration) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  if (!m_streamer.HasDemuxer()) return VFW_E_NOT_CONNECTED;
  *duration = m_streamer.Duration();
  return S_OK;
}

HRESULT DemuxFilter::GetCurrentPosition(LONGLONG* current) {
  if (!current) return E_POINTER;
  *current = m_streamer.CurrentPosition();
  return S_OK;
}

HRESULT DemuxFilter::GetSourceNotes(SourceNotes* notes) {
  if (!notes) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  if (!m_streamer.HasDemuxer()) return VFW_E_NOT_CONNECTED;
  *notes = m_streamer.Notes();
  return S_OK;
}

HRESULT DemuxFilter::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IMediaSeeking>(this, riid, ppv)) return S_OK;
  if (OfferInterface<ISourceNotes>(this, riid, ppv)) return S_OK;
  if (OfferInterface<IReadPacketTap>(this, riid, ppv)) return S_OK;
  return BaseFilter::QueryExtraInterface(riid, ppv);
}

HRESULT DemuxFilter::OnPause() { return m_streamer.Start(); }

HRESULT DemuxFilter::OnStop() {
  m_streamer.Stop();
  return S_OK;
}

HRESULT DemuxFilter::SetReadPacketObserver(ReadPacketObserver* observer) {
  std::lock_guard lock(m_filterLock);
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  m_streamer.SetObserver(observer);
  return S_OK;
}
