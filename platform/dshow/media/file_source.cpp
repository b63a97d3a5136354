#include "platform/dshow/media/file_source.h"

#include "platform/dshow/core/wide_text.h"

AsyncReaderPin::AsyncReaderPin(FileSource* source)
    : BasePin(source, PINDIR_OUTPUT, u"Output"), m_source(source) {}

HRESULT AsyncReaderPin::SyncRead(LONGLONG position, LONG length, BYTE* buffer, LONG* read) {
  if (!buffer || !read) return E_POINTER;
  *read = 0;
  if (position < 0 || length < 0) return E_INVALIDARG;
  const std::shared_ptr<const ReadOnlyFile> file = m_source->m_file;
  if (!file) return VFW_E_NOT_CONNECTED;
  const int got = file->ReadAt(position, buffer, length);
  if (got < 0) return HRESULT_FROM_WIN32(ERROR_READ_FAULT);
  *read = got;
  return got == length ? S_OK : S_FALSE;
}

HRESULT AsyncReaderPin::Length(LONGLONG* total, LONGLONG* available) {
  if (!total || !available) return E_POINTER;
  const std::shared_ptr<const ReadOnlyFile> file = m_source->m_file;
  if (!file) return VFW_E_NOT_CONNECTED;
  *total = *available = file->Size();
  return S_OK;
}

HRESULT AsyncReaderPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  return mt.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT AsyncReaderPin::GetMediaType(int position, MediaType* mt) {
  if (position < 0) return E_INVALIDARG;
  if (position > 0) return VFW_S_NO_MORE_ITEMS;
  *mt = MediaType(MEDIATYPE_Stream, MEDIASUBTYPE_None);
  return S_OK;
}

HRESULT AsyncReaderPin::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IAsyncReader>(this, riid, ppv)) return S_OK;
  return BasePin::QueryExtraInterface(riid, ppv);
}

FileSource::FileSource() : BaseFilter(CLSID_AsyncReader), m_output(this) {}

HRESULT FileSource::Load(LPCWSTR fileName, const AM_MEDIA_TYPE* /*mt*/) {
  if (!fileName) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  if (m_output.IsConnected()) return VFW_E_ALREADY_CONNECTED;
  auto file = std::make_shared<ReadOnlyFile>();
  if (const HRESULT hr = file->Open(WideToUtf8(WideView(fileName))); FAILED(hr)) return hr;
  m_file = std::move(file);
  m_fileName = WideView(fileName);
  return S_OK;
}

HRESULT FileSource::GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) {
  if (!fileName) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  *fileName = nullptr;
  if (mt) {
    *mt = AM_MEDIA_TYPE{};
    mt->majortype = MEDIATYPE_Stream;
    mt->subtype = MEDIASUBTYPE_None;
  }
  if (!m_file) return E_FAIL;
  *fileName = TaskMemWideCopy(m_fileName);
  return *fileName ? S_OK : E_OUTOFMEMORY;
}

HRESULT FileSource::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IFileSourceFilter>(this, riid, ppv)) return S_OK;
  return BaseFilter::QueryExtraInterface(riid, ppv);
}
