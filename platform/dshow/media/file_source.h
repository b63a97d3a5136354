// File Source (Async.): hands a file's bytes to whatever input pin takes
// MEDIATYPE_Stream, through IAsyncReader on its one output pin. It only
// reads: the file is opened read-only and never changed.
#pragma once

#include <memory>
#include <string>

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/media/read_only_file.h"

class FileSource;

// Not a push pin: the peer pulls with SyncRead, so it derives from BasePin.
class AsyncReaderPin : public BasePin, public IAsyncReader {
 public:
  explicit AsyncReaderPin(FileSource* source);

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return BasePin::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return BasePin::AddRef(); }
  ULONG Release() override { return BasePin::Release(); }

  // IAsyncReader, any thread: positioned reads, so concurrent callers are safe.
  HRESULT SyncRead(LONGLONG position, LONG length, BYTE* buffer, LONG* read) override;
  HRESULT Length(LONGLONG* total, LONGLONG* available) override;

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT GetMediaType(int position, MediaType* mt) override;
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;

 private:
  FileSource* const m_source;
};

class FileSource : public BaseFilter, public IFileSourceFilter {
 public:
  FileSource();

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return BaseFilter::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  // IFileSourceFilter: Load fails with the system's code (ERROR_FILE_NOT_FOUND,
  // ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_DIRECTORY).
  HRESULT Load(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) override;
  HRESULT GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) override;

  // No pins until a file is loaded.
  int GetPinCount() override { return m_file ? 1 : 0; }
  BasePin* GetPin(int index) override { return index == 0 && m_file ? &m_output : nullptr; }

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;

 private:
  friend class AsyncReaderPin;

  AsyncReaderPin m_output;
  std::shared_ptr<const ReadOnlyFile> m_file;
  std::u16string m_fileName;
};
