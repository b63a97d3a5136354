// The Corvane Splitter: libavformat behind an input pin that pulls the bytes
// through its peer's IAsyncReader, one output pin per stream.
#pragma once

#include "platform/dshow/media/demux_filter.h"

constexpr CLSID CLSID_CorvaneSplitter{
    0xC0862DBF, 0x9968, 0x4F7F, {0x84, 0xF3, 0x28, 0xF3, 0x3A, 0x02, 0xF3, 0x8B}};

class Splitter;

// Takes MEDIATYPE_Stream from a pin that offers IAsyncReader, and only when
// libavformat recognises what it reads there.
class SplitterInputPin : public BasePin {
 public:
  explicit SplitterInputPin(Splitter* splitter);

  // The bytes are pulled, never pushed: nothing to do for these.
  HRESULT EndOfStream() override { return S_OK; }
  HRESULT BeginFlush() override { return S_OK; }
  HRESULT EndFlush() override { return S_OK; }
  HRESULT NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { return S_OK; }

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT CompleteConnect(IPin* peer) override;
  void BreakConnect() override;

 private:
  Splitter* const m_splitter;
};

class Splitter : public DemuxFilter {
 public:
  Splitter();

  int GetPinCount() override { return 1 + m_streamer.PinCount(); }
  BasePin* GetPin(int index) override;

 private:
  friend class SplitterInputPin;
  // Application thread, while stopped.
  HRESULT OpenFrom(IAsyncReader* reader);
  void Close() { m_streamer.Detach(); }

  SplitterInputPin m_input;
};
