#include "platform/dshow/media/demux_streamer.h"

#include <map>

#include "platform/dshow/media/packet_sample.h"
#include "platform/dshow/media/system_errors.h"
#include "platform/dshow/media/timed_text.h"

namespace {

constexpr AVRational kReferenceTimeBase{1, 10'000'000};

std::u16string KindName(AVMediaType type) {
  switch (type) {
    case AVMEDIA_TYPE_VIDEO:
      return u"Video";
    case AVMEDIA_TYPE_AUDIO:
      return u"Audio";
    case AVMEDIA_TYPE_SUBTITLE:
      return u"Subtitle";
    default:
      return u"Data";
  }
}

// "Audio" for the first audio stream, "Audio 2" for the second, ...
std::u16string PinName(AVMediaType type, std::map<AVMediaType, int>& seen) {
  const int number = ++seen[type];
  if (number == 1) return KindName(type);
  std::u16string name = KindName(type) + u" ";
  for (char digit : std::to_string(number)) name += static_cast<char16_t>(digit);
  return name;
}

LONGLONG OrNoStreamTime(int64_t value) { return value == AV_NOPTS_VALUE ? NO_STREAM_TIME : value; }

}  // namespace

DemuxOutputPin::DemuxOutputPin(BaseFilter* filter, std::u16string name, ComPtr<StreamFormat> format)
    : BaseOutputPin(filter, std::move(name)), m_format(std::move(format)) {}

HRESULT DemuxOutputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  const MediaType offered = CompressedMediaType(m_format.Get());
  const bool same = mt.majortype == offered.majortype && mt.subtype == offered.subtype &&
                    mt.formattype == offered.formattype && mt.pUnk == offered.pUnk;
  return same ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT DemuxOutputPin::GetMediaType(int position, MediaType* mt) {
  if (position < 0) return E_INVALIDARG;
  if (position > 0) return VFW_S_NO_MORE_ITEMS;
  *mt = CompressedMediaType(m_format.Get());
  return S_OK;
}

DemuxStreamer::~DemuxStreamer() { Stop(); }

void DemuxStreamer::Attach(std::unique_ptr<Demuxer> demuxer) {
  Detach();
  m_demuxer = std::move(demuxer);
  std::map<AVMediaType, int> seen;
  for (int i = 0; i < m_demuxer->StreamCount(); ++i) {
    const AVStream& stream = m_demuxer->Stream(i);
    auto format = StreamFormat::FromStream(stream, m_demuxer->Container());
    m_pins.push_back(std::make_unique<DemuxOutputPin>(m_filter, PinName(stream.codecpar->codec_type, seen),
                                                      std::move(format)));
  }
}

void DemuxStreamer::Detach() {
  Stop();
  for (auto& pin : m_pins) {
    ComPtr<IPin> peer;
    if (SUCCEEDED(pin->ConnectedTo(peer.ReleaseAndGetAddressOf())) && peer) {
      peer->Disconnect();
      pin->Disconnect();
    }
    m_retired.push_back(std::move(pin));
  }
  m_pins.clear();
  m_demuxer.reset();
}

LONGLONG DemuxStreamer::Duration() const {
  if (!m_demuxer || m_demuxer->Container()->durationUs == AV_NOPTS_VALUE) return 0;
  return av_rescale_q(m_demuxer->Container()->durationUs, AV_TIME_BASE_Q, kReferenceTimeBase);
}

HRESULT DemuxStreamer::Start() {
  if (!m_demuxer) return VFW_E_NOT_CONNECTED;
  if (m_reader.joinable()) return S_OK;
  m_stopRequested = false;
  m_position = 0;
  m_readFailure = S_OK;
  m_queue.Reset();
  m_reader = std::thread([this] { Read(); });
  m_deliverer = std::thread([this] { DeliverQueued(); });
  return S_OK;
}

void DemuxStreamer::Stop() {
  if (!m_reader.joinable()) return;
  m_stopRequested = true;
  m_queue.Close();
  for (auto& pin : m_pins) {
    if (pin->IsConnected()) pin->DeliverBeginFlush();
  }
  m_reader.join();
  m_deliverer.join();
  for (auto& pin : m_pins) {
    if (pin->IsConnected()) pin->DeliverEndFlush();
  }
}

// Reading thread: reads and wraps packets in file order and queues them in
// batches. A failure is kept for the delivering thread, which reports it
// once everything read before it has gone out.
void DemuxStreamer::Read() {
  if (m_observer) {
    std::vector<const AVStream*> carried;
    for (std::size_t i = 0; i < m_pins.size(); ++i) {
      if (m_pins[i]->IsConnected()) carried.push_back(&m_demuxer->Stream(static_cast<int>(i)));
    }
    m_observer->OnReadingStarts(carried);
  }
  AVPacket* packet = av_packet_alloc();
  SampleBatchQueue::Batch batch;
  batch.reserve(SampleBatchQueue::kBatchSamples);
  std::size_t bytes = 0;
  HRESULT hr = packet ? S_OK : E_OUTOFMEMORY;
  bool open = true;
  while (hr == S_OK && open && !m_stopRequested) {
    hr = ReadNext(packet, &batch, &bytes);
    if (batch.size() >= SampleBatchQueue::kBatchSamples || bytes >= SampleBatchQueue::kBatchBytes) {
      open = m_queue.Push(&batch, bytes);
      bytes = 0;
    }
  }
  av_packet_free(&packet);
  if (open && !batch.empty()) m_queue.Push(&batch, bytes);
  m_readFailure = FAILED(hr) ? hr : S_OK;
  m_queue.Finish();
}

// Delivering thread. A stop request ends the run without end of stream; a
// refusal downstream (reported by whoever refused) stops the reading, and
// still lets the other streams finish.
void DemuxStreamer::DeliverQueued() {
  SampleBatchQueue::Batch batch;
  bool refused = false;
  while (!refused && m_queue.Pop(&batch)) {
    for (const SampleBatchQueue::Item& item : batch) {
      if (FAILED(m_pins[item.pin]->Deliver(item.sample.Get()))) {
        refused = true;
        break;
      }
      REFERENCE_TIME start = 0, stop = 0;
      if (SUCCEEDED(item.sample->GetTime(&start, &stop))) m_position = start;
    }
  }
  batch.clear();
  if (refused) m_queue.Close();
  if (m_stopRequested) return;
  if (!refused && FAILED(m_readFailure)) m_filter->NotifyEvent(EC_ERRORABORT, m_readFailure, 0);
  DeliverEndOfStreamEverywhere();
}

// Reading thread: adds the next packet, wrapped, to `batch`. S_OK to go on;
// S_FALSE at the end; a failure when reading must end.
HRESULT DemuxStreamer::ReadNext(AVPacket* packet, SampleBatchQueue::Batch* batch, std::size_t* bytes) {
  int index = 0;
  const int err = m_demuxer->ReadPacket(packet, &index);
  if (err == AVERROR_EOF) return S_FALSE;
  if (err < 0) return HResultFromAvError(err);
  if (!m_pins[index]->IsConnected()) return S_OK;
  if (m_observer) m_observer->OnPacketRead(m_demuxer->Stream(index), *packet);
  if (const HRESULT carried = CarriedPayload(packet, index); carried != S_OK)
    return SUCCEEDED(carried) ? S_OK : carried;
  ComPtr<IMediaSample> sample = MakeSample(packet, index);
  if (!sample) return E_OUTOFMEMORY;
  *bytes += static_cast<std::size_t>(sample->GetActualDataLength());
  batch->push_back({index, std::move(sample)});
  return S_OK;
}

// Reading thread. Every payload is handed on as read except timed text,
// which is converted to the plain text its pin's format announces; an empty
// cue, a gap between subtitles, is left out.
HRESULT DemuxStreamer::CarriedPayload(AVPacket* packet, int index) {
  if (!IsTimedText(m_demuxer->Stream(index).codecpar->codec_id)) return S_OK;
  const int kept = ReplaceWithPlainText(packet);
  return kept > 0 ? S_OK : kept == 0 ? S_FALSE : HResultFromAvError(kept);
}

// Reading thread. The sample takes over the packet's payload, so the bytes
// are never copied; the reference times count from the file's first timestamp.
ComPtr<IMediaSample> DemuxStreamer::MakeSample(AVPacket* packet, int index) const {
  const AVRational timeBase = m_demuxer->Stream(index).time_base;
  const int64_t firstTime = av_rescale_q(m_demuxer->StartTimeUs(), AV_TIME_BASE_Q, timeBase);
  const int64_t shown = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
  REFERENCE_TIME start = av_rescale_q(shown - firstTime, timeBase, kReferenceTimeBase);
  REFERENCE_TIME stop = start + av_rescale_q(packet->duration, timeBase, kReferenceTimeBase);
  const bool key = (packet->flags & AV_PKT_FLAG_KEY) != 0;
  const LONGLONG pts = OrNoStreamTime(packet->pts), dts = OrNoStreamTime(packet->dts);
  const LONGLONG duration = packet->duration;
  ComPtr<PacketSample> sample = PacketSample::Take(packet);
  if (!sample) return nullptr;
  sample->SetTime(&start, &stop);
  sample->SetSyncPoint(key ? TRUE : FALSE);
  sample->SetStreamTimes(pts, dts, duration);
  return ComPtr<IMediaSample>(static_cast<IMediaSample*>(sample.Get()));
}

void DemuxStreamer::DeliverEndOfStreamEverywhere() {
  for (auto& pin : m_pins) {
    if (pin->IsConnected()) pin->DeliverEndOfStream();
  }
}
