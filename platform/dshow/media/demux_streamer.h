// The streaming half of a splitter, shared by the Corvane Splitter (which
// reads through its input pin) and the Corvane Stream Source (which reads its
// file itself): one output pin per stream and ONE thread that reads packets
// in file order and delivers each synchronously on that thread, the payload
// wrapped, never copied.
#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/media/demuxer.h"

// Offers one stream's compressed media type and nothing else.
class DemuxOutputPin : public BaseOutputPin {
 public:
  DemuxOutputPin(BaseFilter* filter, std::u16string name, ComPtr<StreamFormat> format);
  StreamFormat& Format() const { return *m_format; }

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT GetMediaType(int position, MediaType* mt) override;

 private:
  ComPtr<StreamFormat> m_format;
};

class DemuxStreamer {
 public:
  explicit DemuxStreamer(BaseFilter* filter) : m_filter(filter) {}
  ~DemuxStreamer();

  // Application thread, while stopped: takes the demuxer and makes its pins
  // ("Video", "Audio", "Audio 2", "Subtitle", ...).
  void Attach(std::unique_ptr<Demuxer> demuxer);
  // Application thread, while stopped: disconnects and retires the pins
  // (they stay alive with the filter, as pins must, but are no longer listed).
  void Detach();
  int PinCount() const { return static_cast<int>(m_pins.size()); }
  DemuxOutputPin* Pin(int index) const { return m_pins[index].get(); }
  bool HasDemuxer() const { return static_cast<bool>(m_demuxer); }
  // Application thread, while no streaming thread runs.
  SourceNotes Notes() const { return m_demuxer ? m_demuxer->Notes() : SourceNotes{}; }

  // Application thread: starts the streaming thread (Pause from Stopped).
  HRESULT Start();
  // Application thread: asks the thread to stop, flushes downstream so that a
  // blocked Deliver returns, joins the thread, ends the flush.
  void Stop();

  // 100-ns units, for progress.
  LONGLONG Duration() const;
  LONGLONG CurrentPosition() const { return m_position.load(); }

 private:
  void Stream();
  // S_OK to go on; S_FALSE at the end; a failure when streaming must end.
  HRESULT DeliverNext(AVPacket* packet);
  // S_OK when the packet is to be delivered, S_FALSE when it is left out.
  HRESULT CarriedPayload(AVPacket* packet, int index);
  ComPtr<IMediaSample> MakeSample(AVPacket* packet, int index) const;
  void DeliverEndOfStreamEverywhere();

  BaseFilter* const m_filter;
  std::unique_ptr<Demuxer> m_demuxer;
  std::vector<std::unique_ptr<DemuxOutputPin>> m_pins;
  std::vector<std::unique_ptr<DemuxOutputPin>> m_retired;
  std::thread m_thread;
  std::atomic<bool> m_stopRequested{false};
  std::atomic<LONGLONG> m_position{0};
};
