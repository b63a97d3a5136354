#include "platform/dshow/media/splitter.h"

SplitterInputPin::SplitterInputPin(Splitter* splitter)
    : BasePin(splitter, PINDIR_INPUT, u"Input"), m_splitter(splitter) {}

HRESULT SplitterInputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  return mt.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT SplitterInputPin::CompleteConnect(IPin* peer) {
  ComPtr<IAsyncReader> reader;
  if (FAILED(
          peer->QueryInterface(IAsyncReader::iid, reinterpret_cast<void**>(reader.ReleaseAndGetAddressOf()))))
    return VFW_E_TYPE_NOT_ACCEPTED;
  return m_splitter->OpenFrom(reader.Get());
}

void SplitterInputPin::BreakConnect() { m_splitter->Close(); }

Splitter::Splitter() : DemuxFilter(CLSID_CorvaneSplitter), m_input(this) {}

BasePin* Splitter::GetPin(int index) {
  if (index == 0) return &m_input;
  if (index < 1 || index > m_streamer.PinCount()) return nullptr;
  return m_streamer.Pin(index - 1);
}

// Probing reads the peer's bytes here, at connection time: a type libavformat
// does not recognise is refused like any other unacceptable type.
HRESULT Splitter::OpenFrom(IAsyncReader* reader) {
  LONGLONG total = 0, available = 0;
  if (FAILED(reader->Length(&total, &available))) return VFW_E_TYPE_NOT_ACCEPTED;
  // The demuxer keeps the reader for as long as the connection lasts.
  ComPtr<IAsyncReader> keep(reader);
  auto read = [keep](int64_t position, uint8_t* buffer, int size) -> int {
    LONG got = 0;
    const HRESULT hr = keep->SyncRead(position, size, buffer, &got);
    return FAILED(hr) ? AVERROR(EIO) : got;
  };
  std::unique_ptr<Demuxer> demuxer;
  if (Demuxer::Open(read, total, &demuxer) < 0) return VFW_E_TYPE_NOT_ACCEPTED;
  m_streamer.Attach(std::move(demuxer));
  return S_OK;
}
