// The Matroska multiplexer: compressed streams in through any number of input
// pins (one is always free), a Matroska byte stream out through one output
// pin whose samples are positioned writes (the sample's start time is the
// byte offset), written by libavformat's muxer.
//
// Threads: inputs are fed by upstream streaming threads (usually one), Stop
// and connection come from the application thread; one mutex serialises the
// muxer.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/media/matroska_writer.h"
#include "platform/dshow/media/sample_buffer_pool.h"

class MatroskaMuxer;

// Takes a compressed type that carries our format object and whose codec
// Matroska can hold.
class MuxInputPin : public BaseInputPin {
 public:
  MuxInputPin(MatroskaMuxer* muxer, std::u16string name);
  // The muxer's stream index while the header is written, else -1.
  int streamIndex = -1;

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT CompleteConnect(IPin* peer) override;
  HRESULT OnReceive(IMediaSample* sample) override;
  HRESULT OnEndOfStream() override;

 private:
  MatroskaMuxer* const m_muxer;
};

class MuxOutputPin : public BaseOutputPin {
 public:
  explicit MuxOutputPin(MatroskaMuxer* muxer);

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT GetMediaType(int position, MediaType* mt) override;
};

class MatroskaMuxer : public BaseFilter, public IConfigInterleaving {
 public:
  MatroskaMuxer();
  ~MatroskaMuxer() override;

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return BaseFilter::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  // IConfigInterleaving: INTERLEAVE_FULL (the default) orders packets by
  // timestamp across streams; any other mode writes them as they come.
  HRESULT put_Mode(InterleavingMode mode) override;
  HRESULT get_Mode(InterleavingMode* mode) override;
  HRESULT put_Interleaving(const REFERENCE_TIME* leave, const REFERENCE_TIME* preroll) override;
  HRESULT get_Interleaving(REFERENCE_TIME* leave, REFERENCE_TIME* preroll) override;

  // Inputs first, the output last.
  int GetPinCount() override;
  BasePin* GetPin(int index) override;

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;
  HRESULT OnPause() override;
  HRESULT OnRun(REFERENCE_TIME start) override;
  HRESULT OnStop() override;

 private:
  friend class MuxInputPin;
  // Application thread: keeps one input free.
  void AddFreeInputIfNeeded();
  // Streaming threads.
  HRESULT Receive(MuxInputPin* pin, IMediaSample* sample);
  HRESULT EndOfStream();
  // With m_muxLock held.
  HRESULT EnsureHeader();
  HRESULT FinishFile();
  int WriteToOutput(int64_t position, const uint8_t* data, int size);
  HRESULT Fail(int averror);

  std::vector<std::unique_ptr<MuxInputPin>> m_inputs;
  MuxOutputPin m_output;
  InterleavingMode m_mode = INTERLEAVE_FULL;
  std::mutex m_muxLock;
  std::unique_ptr<MatroskaWriter> m_writer;
  // Every packet passes through this one, blank between packets, so that a
  // packet costs no allocation of its own.
  AVPacket* m_packet = av_packet_alloc();
  const std::shared_ptr<SampleBufferPool> m_outputBuffers =
      SampleBufferPool::Create(MatroskaWriter::kBlockBytes);
  bool m_failed = false;
  bool m_downstreamRefused = false;
};
