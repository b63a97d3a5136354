#include "platform/dshow/media/stream_source.h"

#include "platform/dshow/core/wide_text.h"

StreamSource::StreamSource() : DemuxFilter(CLSID_CorvaneStreamSource) {}

HRESULT StreamSource::Load(LPCWSTR fileName, const AM_MEDIA_TYPE* /*mt*/) {
  if (!fileName) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  auto file = std::make_shared<ReadOnlyFile>();
  if (const HRESULT hr = file->Open(WideToUtf8(WideView(fileName))); FAILED(hr)) return hr;
  auto read = [file](int64_t position, uint8_t* buffer, int size) {
    return file->ReadAt(position, buffer, size);
  };
  std::unique_ptr<Demuxer> demuxer;
  if (Demuxer::Open(read, file->Size(), &demuxer) < 0) return VFW_E_UNSUPPORTED_STREAM;
  m_streamer.Attach(std::move(demuxer));
  m_file = std::move(file);
  m_fileName = WideView(fileName);
  return S_OK;
}

HRESULT StreamSource::GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) {
  if (!fileName) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  *fileName = nullptr;
  if (mt) {
    *mt = AM_MEDIA_TYPE{};
    mt->majortype = MEDIATYPE_Stream;
  }
  if (!m_file) return E_FAIL;
  *fileName = TaskMemWideCopy(m_fileName);
  return *fileName ? S_OK : E_OUTOFMEMORY;
}

BasePin* StreamSource::GetPin(int index) {
  return index >= 0 && index < m_streamer.PinCount() ? m_streamer.Pin(index) : nullptr;
}

HRESULT StreamSource::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IFileSourceFilter>(this, riid, ppv)) return S_OK;
  return DemuxFilter::QueryExtraInterface(riid, ppv);
}
