// What the Corvane Splitter and the Corvane Stream Source share: output pins
// and streaming from a DemuxStreamer, and IMediaSeeking for progress.
#pragma once

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/core/source_notes.h"
#include "platform/dshow/media/demux_streamer.h"
#include "platform/dshow/media/read_packet_tap.h"

class DemuxFilter : public BaseFilter, public IMediaSeeking, public ISourceNotes, public IReadPacketTap {
 public:
  explicit DemuxFilter(const CLSID& clsid) : BaseFilter(clsid), m_streamer(this) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return BaseFilter::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  // IMediaSeeking: the container's duration and the start time of the last
  // delivered sample, in 100-ns units.
  HRESULT GetCapabilities(DWORD* capabilities) override;
  HRESULT GetDuration(LONGLONG* duration) override;
  HRESULT GetCurrentPosition(LONGLONG* current) override;

  // ISourceNotes: what the source held that the outputs did not carry.
  // Refused while streaming.
  HRESULT GetSourceNotes(SourceNotes* notes) override;

  // IReadPacketTap: refused while streaming.
  HRESULT SetReadPacketObserver(ReadPacketObserver* observer) override;

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;
  // The streaming thread starts on leaving Stopped and is joined on Stop.
  HRESULT OnPause() override;
  HRESULT OnStop() override;

  DemuxStreamer m_streamer;
};
