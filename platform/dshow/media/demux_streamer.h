// The streaming half of a splitter, shared by the Corvane Splitter (which
// reads through its input pin) and the Corvane Stream Source (which reads its
// file itself): one output pin per stream and two threads. One reads packets
// in file order and wraps each in a sample, the payload never copied; the
// other delivers them, in the same order, downstream. Reading and demuxing
// thus run beside the multiplexing and writing on a machine's second core.
#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/media/demuxer.h"
#include "platform/dshow/media/read_packet_tap.h"
#include "platform/dshow/media/sample_batch_queue.h"

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

  // Application thread, while stopped.
  void SetObserver(ReadPacketObserver* observer) { m_observer = observer; }

  // Application thread: starts the streaming threads (Pause from Stopped).
  HRESULT Start();
  // Application thread: asks the threads to stop, flushes downstream so that
  // a blocked Deliver returns, joins the threads, ends the flush.
  void Stop();

  // 100-ns units, for progress.
  LONGLONG Duration() const;
  LONGLONG CurrentPosition() const { return m_position.load(); }

 private:
  void Read();
  void DeliverQueued();
  HRESULT ReadNext(AVPacket* packet, SampleBatchQueue::Batch* batch, std::size_t* bytes);
  // S_OK when the packet is to be delivered, S_FALSE when it is left out.
  HRESULT CarriedPayload(AVPacket* packet, int index);
  ComPtr<IMediaSample> MakeSample(AVPacket* packet, int index) const;
  void DeliverEndOfStreamEverywhere();

  BaseFilter* const m_filter;
  ReadPacketObserver* m_observer = nullptr;
  std::unique_ptr<Demuxer> m_demuxer;
  std::vector<std::unique_ptr<DemuxOutputPin>> m_pins;
  std::vector<std::unique_ptr<DemuxOutputPin>> m_retired;
  SampleBatchQueue m_queue;
  std::thread m_reader;
  std::thread m_deliverer;
  // Written by the reading thread before it finishes the queue.
  HRESULT m_readFailure = S_OK;
  std::atomic<bool> m_stopRequested{false};
  std::atomic<LONGLONG> m_position{0};
};
