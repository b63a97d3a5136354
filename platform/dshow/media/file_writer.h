// File writer: puts the bytes it receives where each sample says. A sample's
// start time is the byte offset and its payload the bytes, so a multiplexer
// can seek back and complete its header. It creates or truncates its file
// when the graph starts and never deletes or renames one.
#pragma once

#include <mutex>
#include <string>

#include "platform/dshow/core/base_filter.h"

class FileWriter;

class FileWriterInputPin : public BaseInputPin {
 public:
  explicit FileWriterInputPin(FileWriter* writer);

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT OnReceive(IMediaSample* sample) override;
  HRESULT OnEndOfStream() override;

 private:
  FileWriter* const m_writer;
};

class FileWriter : public BaseFilter, public IFileSinkFilter {
 public:
  FileWriter();
  ~FileWriter() override;

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return BaseFilter::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  HRESULT SetFileName(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) override;
  HRESULT GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) override;

  int GetPinCount() override { return 1; }
  BasePin* GetPin(int index) override { return index == 0 ? &m_input : nullptr; }

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;
  // Creates or truncates the file on leaving Stopped; a folder that cannot be
  // written to fails the state change with the system's code, a FIFO or a
  // socket (no seeking back) with ERROR_ACCESS_DENIED, without waiting.
  HRESULT OnPause() override;
  HRESULT OnStop() override;

 private:
  friend class FileWriterInputPin;
  // Streaming thread.
  HRESULT Write(IMediaSample* sample);
  void Finish();
  void CloseFile();

  FileWriterInputPin m_input;
  std::u16string m_fileName;
  std::mutex m_fileLock;  // the descriptor: streaming thread and Stop
  int m_fd = -1;
  bool m_openedThisRun = false;
  bool m_failed = false;
};
