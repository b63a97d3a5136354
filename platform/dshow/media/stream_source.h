// The Corvane Stream Source: opens a file itself and splits it, no input pin
// (used for the extensions Windows opens with a self-splitting source: .asf,
// .wmv, .wma).
#pragma once

#include <memory>
#include <string>

#include "platform/dshow/media/demux_filter.h"
#include "platform/dshow/media/read_only_file.h"

constexpr CLSID CLSID_CorvaneStreamSource{
    0x71CEB803, 0x7BC7, 0x4821, {0xA1, 0x9C, 0x07, 0x38, 0x24, 0x0B, 0xF2, 0x6D}};

class StreamSource : public DemuxFilter, public IFileSourceFilter {
 public:
  StreamSource();

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return DemuxFilter::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  // IFileSourceFilter. Load fails with the system's code for a file it cannot
  // open and VFW_E_UNSUPPORTED_STREAM for one libavformat cannot split.
  HRESULT Load(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) override;
  HRESULT GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) override;

  int GetPinCount() override { return m_streamer.PinCount(); }
  BasePin* GetPin(int index) override;

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;

 private:
  std::shared_ptr<ReadOnlyFile> m_file;
  std::u16string m_fileName;
};
