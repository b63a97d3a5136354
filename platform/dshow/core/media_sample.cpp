#include "platform/dshow/core/media_sample.h"

MediaSample::MediaSample(BYTE* data, LONG size, std::shared_ptr<void> owner)
    : m_data(data), m_size(size), m_length(size), m_owner(std::move(owner)) {}

ComPtr<MediaSample> MediaSample::Wrap(BYTE* data, LONG size, std::shared_ptr<void> owner) {
  return ComPtr<MediaSample>::Attach(new MediaSample(data, size < 0 ? 0 : size, std::move(owner)));
}

ComPtr<MediaSample> MediaSample::Allocate(LONG size) {
  if (size < 0) size = 0;
  std::shared_ptr<BYTE[]> buffer(new BYTE[size == 0 ? 1 : size]());
  BYTE* data = buffer.get();
  return Wrap(data, size, std::move(buffer));
}

HRESULT MediaSample::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (OfferInterface<IUnknown>(static_cast<IMediaSample*>(this), riid, ppv) ||
      OfferInterface<IMediaSample>(this, riid, ppv) || OfferInterface<IStreamSampleTimes>(this, riid, ppv))
    return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT MediaSample::GetPointer(BYTE** buffer) {
  if (!buffer) return E_POINTER;
  *buffer = m_data;
  return S_OK;
}

LONG MediaSample::GetSize() { return m_size; }

HRESULT MediaSample::GetTime(REFERENCE_TIME* start, REFERENCE_TIME* end) {
  if (!start || !end) return E_POINTER;
  if (!m_hasStart) return VFW_E_SAMPLE_TIME_NOT_SET;
  *start = m_start;
  if (!m_hasStop) {
    *end = m_start + 1;
    return VFW_S_NO_STOP_TIME;
  }
  *end = m_stop;
  return S_OK;
}

HRESULT MediaSample::SetTime(const REFERENCE_TIME* start, const REFERENCE_TIME* end) {
  m_hasStart = start != nullptr;
  m_hasStop = start != nullptr && end != nullptr;
  m_start = start ? *start : 0;
  m_stop = m_hasStop ? *end : 0;
  return S_OK;
}

HRESULT MediaSample::IsSyncPoint() { return m_sync ? S_OK : S_FALSE; }
HRESULT MediaSample::SetSyncPoint(BOOL sync) {
  m_sync = sync != FALSE;
  return S_OK;
}

HRESULT MediaSample::IsPreroll() { return m_preroll ? S_OK : S_FALSE; }
HRESULT MediaSample::SetPreroll(BOOL preroll) {
  m_preroll = preroll != FALSE;
  return S_OK;
}

HRESULT MediaSample::IsDiscontinuity() { return m_discontinuity ? S_OK : S_FALSE; }
HRESULT MediaSample::SetDiscontinuity(BOOL discontinuity) {
  m_discontinuity = discontinuity != FALSE;
  return S_OK;
}

LONG MediaSample::GetActualDataLength() { return m_length; }
HRESULT MediaSample::SetActualDataLength(LONG length) {
  if (length < 0 || length > m_size) return E_INVALIDARG;
  m_length = length;
  return S_OK;
}

HRESULT MediaSample::GetMediaType(AM_MEDIA_TYPE** mt) {
  if (!mt) return E_POINTER;
  *mt = nullptr;
  if (!m_type) return S_FALSE;
  *mt = CreateMediaType(m_type.get());
  return *mt ? S_OK : E_OUTOFMEMORY;
}

HRESULT MediaSample::SetMediaType(AM_MEDIA_TYPE* mt) {
  if (mt)
    m_type = std::make_unique<MediaType>(*mt);
  else
    m_type.reset();
  return S_OK;
}

HRESULT MediaSample::GetMediaTime(LONGLONG* start, LONGLONG* end) {
  if (!start || !end) return E_POINTER;
  if (!m_hasMediaTime) return VFW_E_MEDIA_TIME_NOT_SET;
  *start = m_mediaStart;
  *end = m_mediaStop;
  return S_OK;
}

HRESULT MediaSample::SetMediaTime(LONGLONG* start, LONGLONG* end) {
  m_hasMediaTime = start != nullptr && end != nullptr;
  m_mediaStart = m_hasMediaTime ? *start : 0;
  m_mediaStop = m_hasMediaTime ? *end : 0;
  return S_OK;
}

HRESULT MediaSample::GetStreamTimes(LONGLONG* pts, LONGLONG* dts, LONGLONG* duration) {
  if (pts) *pts = m_pts;
  if (dts) *dts = m_dts;
  if (duration) *duration = m_duration;
  return S_OK;
}

HRESULT MediaSample::SetStreamTimes(LONGLONG pts, LONGLONG dts, LONGLONG duration) {
  m_pts = pts;
  m_dts = dts;
  m_duration = duration;
  return S_OK;
}
