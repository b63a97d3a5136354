#include "platform/dshow/media/matroska_muxer.h"

#include <algorithm>

#include "platform/dshow/core/media_sample.h"
#include "platform/dshow/media/packet_sample.h"
#include "platform/dshow/media/system_errors.h"

namespace {

std::u16string InputName(std::size_t number) {
  std::u16string name = u"Input ";
  for (char digit : std::to_string(number)) name += static_cast<char16_t>(digit);
  return name;
}

int64_t OrNoPts(LONGLONG value) { return value == NO_STREAM_TIME ? AV_NOPTS_VALUE : value; }

void ReleaseSample(void* opaque, uint8_t* /*data*/) { static_cast<IMediaSample*>(opaque)->Release(); }

// A reference to the buffer that holds the sample's bytes: another reference
// to a demuxed packet's own buffer where the sample carries one, else a
// buffer that holds a reference to the sample. Never a copy.
AVBufferRef* PayloadReference(IMediaSample* sample, BYTE* data, LONG size) {
  ComPtr<IPacketPayload> payload;
  if (SUCCEEDED(sample->QueryInterface(IPacketPayload::iid,
                                       reinterpret_cast<void**>(payload.ReleaseAndGetAddressOf()))) &&
      payload->PayloadBuffer())
    return av_buffer_ref(payload->PayloadBuffer());
  sample->AddRef();
  AVBufferRef* buffer = av_buffer_create(data, size, &ReleaseSample, sample, AV_BUFFER_FLAG_READONLY);
  if (!buffer) sample->Release();
  return buffer;
}

// Fills the blank `packet` with the sample's payload and timestamps; false
// when out of memory.
bool FillPacket(IMediaSample* sample, AVPacket* packet) {
  BYTE* data = nullptr;
  sample->GetPointer(&data);
  const LONG size = sample->GetActualDataLength();
  packet->buf = PayloadReference(sample, data, size);
  if (!packet->buf) return false;
  packet->data = data;
  packet->size = size;
  packet->flags = sample->IsSyncPoint() == S_OK ? AV_PKT_FLAG_KEY : 0;
  ComPtr<IStreamSampleTimes> times;
  if (SUCCEEDED(sample->QueryInterface(IStreamSampleTimes::iid,
                                       reinterpret_cast<void**>(times.ReleaseAndGetAddressOf())))) {
    LONGLONG pts = NO_STREAM_TIME, dts = NO_STREAM_TIME, duration = 0;
    times->GetStreamTimes(&pts, &dts, &duration);
    packet->pts = OrNoPts(pts);
    packet->dts = OrNoPts(dts);
    packet->duration = duration == NO_STREAM_TIME ? 0 : duration;
  }
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Pins

MuxInputPin::MuxInputPin(MatroskaMuxer* muxer, std::u16string name)
    : BaseInputPin(muxer, std::move(name)), m_muxer(muxer) {}

// libavformat's Matroska muxer decides what it can carry.
HRESULT MuxInputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  const ComPtr<StreamFormat> format = StreamFormatOf(mt);
  if (!format) return VFW_E_TYPE_NOT_ACCEPTED;
  const AVCodecID codec = CodecForSubtype(mt.subtype);
  if (codec == AV_CODEC_ID_NONE || codec != format->Params().codec_id) return VFW_E_TYPE_NOT_ACCEPTED;
  return MatroskaCanCarry(codec) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT MuxInputPin::CompleteConnect(IPin* /*peer*/) {
  m_muxer->AddFreeInputIfNeeded();
  return S_OK;
}

HRESULT MuxInputPin::OnReceive(IMediaSample* sample) { return m_muxer->Receive(this, sample); }

HRESULT MuxInputPin::OnEndOfStream() { return m_muxer->EndOfStream(); }

MuxOutputPin::MuxOutputPin(MatroskaMuxer* muxer) : BaseOutputPin(muxer, u"Output") {}

HRESULT MuxOutputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  const bool stream = mt.majortype == MEDIATYPE_Stream;
  const bool matroska = mt.subtype == MEDIASUBTYPE_Matroska || mt.subtype == GUID_NULL;
  return stream && matroska ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT MuxOutputPin::GetMediaType(int position, MediaType* mt) {
  if (position < 0) return E_INVALIDARG;
  if (position > 0) return VFW_S_NO_MORE_ITEMS;
  *mt = MediaType(MEDIATYPE_Stream, MEDIASUBTYPE_Matroska);
  return S_OK;
}

// ---------------------------------------------------------------------------
// The filter

MatroskaMuxer::MatroskaMuxer() : BaseFilter(CLSID_MatroskaMuxer), m_output(this) { AddFreeInputIfNeeded(); }

MatroskaMuxer::~MatroskaMuxer() { av_packet_free(&m_packet); }

HRESULT MatroskaMuxer::put_Mode(InterleavingMode mode) {
  if (mode < INTERLEAVE_NONE || mode > INTERLEAVE_NONE_BUFFERED) return E_INVALIDARG;
  std::lock_guard lock(m_filterLock);
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  m_mode = mode;
  return S_OK;
}

HRESULT MatroskaMuxer::get_Mode(InterleavingMode* mode) {
  if (!mode) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  *mode = m_mode;
  return S_OK;
}

// libavformat interleaves by timestamp without a time window to set.
HRESULT MatroskaMuxer::put_Interleaving(const REFERENCE_TIME*, const REFERENCE_TIME*) { return E_NOTIMPL; }
HRESULT MatroskaMuxer::get_Interleaving(REFERENCE_TIME*, REFERENCE_TIME*) { return E_NOTIMPL; }

int MatroskaMuxer::GetPinCount() { return static_cast<int>(m_inputs.size()) + 1; }

BasePin* MatroskaMuxer::GetPin(int index) {
  const int inputs = static_cast<int>(m_inputs.size());
  if (index >= 0 && index < inputs) return m_inputs[index].get();
  return index == inputs ? &m_output : nullptr;
}

HRESULT MatroskaMuxer::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IConfigInterleaving>(this, riid, ppv)) return S_OK;
  return BaseFilter::QueryExtraInterface(riid, ppv);
}

void MatroskaMuxer::AddFreeInputIfNeeded() {
  std::lock_guard lock(m_filterLock);
  for (const auto& input : m_inputs) {
    if (!input->IsConnected()) return;
  }
  m_inputs.push_back(std::make_unique<MuxInputPin>(this, InputName(m_inputs.size() + 1)));
}

HRESULT MatroskaMuxer::OnPause() {
  if (m_writer) return S_OK;  // Running → Paused goes on writing
  if (!m_output.IsConnected()) return VFW_E_NOT_CONNECTED;
  std::lock_guard lock(m_muxLock);
  m_writer = std::make_unique<MatroskaWriter>([this](int64_t position, const uint8_t* data, int size) {
    return WriteToOutput(position, data, size);
  });
  m_writer->SetInterleave(m_mode == INTERLEAVE_FULL ? MatroskaWriter::Interleave::ByTimestamp
                                                    : MatroskaWriter::Interleave::AsReceived);
  m_failed = m_downstreamRefused = false;
  return S_OK;
}

// Every input is connected by now: the header can name all streams.
HRESULT MatroskaMuxer::OnRun(REFERENCE_TIME /*start*/) {
  std::lock_guard lock(m_muxLock);
  return m_failed ? S_OK : EnsureHeader();
}

// Upstream has stopped, the writer still runs: a file cut short still gets
// its Cues and a complete header.
HRESULT MatroskaMuxer::OnStop() {
  std::lock_guard lock(m_muxLock);
  if (m_writer && m_writer->HeaderWritten() && !m_writer->TrailerWritten() && !m_failed)
    m_writer->WriteTrailer();
  m_writer.reset();
  return S_OK;
}

HRESULT MatroskaMuxer::EnsureHeader() {
  if (!m_writer) return VFW_E_WRONG_STATE;
  if (m_writer->HeaderWritten()) return S_OK;
  bool haveContainerInfo = false;
  for (const auto& input : m_inputs) {
    input->streamIndex = -1;
    const ComPtr<StreamFormat> format = StreamFormatOf(input->CurrentMediaType());
    if (!input->IsConnected() || !format) continue;
    input->streamIndex = m_writer->AddStream(*format);
    if (input->streamIndex < 0) return Fail(input->streamIndex);
    if (!haveContainerInfo && format->Container()) m_writer->SetContainerInfo(*format->Container());
    haveContainerInfo = haveContainerInfo || format->Container();
  }
  const int err = m_writer->WriteHeader();
  return err < 0 ? Fail(err) : S_OK;
}

// Streaming thread.
HRESULT MatroskaMuxer::Receive(MuxInputPin* pin, IMediaSample* sample) {
  std::lock_guard lock(m_muxLock);
  if (m_failed) return E_FAIL;
  if (const HRESULT hr = EnsureHeader(); FAILED(hr)) return hr;
  if (m_writer->TrailerWritten() || pin->streamIndex < 0) return VFW_E_WRONG_STATE;
  if (!m_packet || !FillPacket(sample, m_packet)) return Fail(AVERROR(ENOMEM));
  const int err = m_writer->WritePacket(pin->streamIndex, m_packet);
  av_packet_unref(m_packet);  // blank again, whatever the writer did with it
  return err < 0 ? Fail(err) : S_OK;
}

// Streaming thread: once every connected input has ended, the file is
// finished and the writer told, so that it completes the run.
HRESULT MatroskaMuxer::EndOfStream() {
  for (const auto& input : m_inputs) {
    if (input->IsConnected() && !input->ReachedEndOfStream()) return S_OK;
  }
  std::lock_guard lock(m_muxLock);
  if (m_failed) return S_OK;
  if (const HRESULT hr = FinishFile(); FAILED(hr)) return hr;
  return m_output.DeliverEndOfStream();
}

HRESULT MatroskaMuxer::FinishFile() {
  if (const HRESULT hr = EnsureHeader(); FAILED(hr)) return hr;
  if (m_writer->TrailerWritten()) return S_OK;
  const int err = m_writer->WriteTrailer();
  return err < 0 ? Fail(err) : S_OK;
}

// Muxer thread (inside the writer). The bytes are only valid during the call,
// so each block of the file gets its own copy, in a buffer that comes back
// to the pool once the writer has let go of it; a whole cluster comes in one
// call and goes out in pool-sized blocks.
int MatroskaMuxer::WriteToOutput(int64_t position, const uint8_t* data, int size) {
  constexpr int kBlock = MatroskaWriter::kBlockBytes;
  for (int done = 0; done < size; done += kBlock) {
    const int length = std::min(kBlock, size - done);
    ComPtr<MediaSample> sample = m_outputBuffers->CopyIntoSample(data + done, length);
    REFERENCE_TIME start = position + done, stop = start + length;
    sample->SetTime(&start, &stop);
    if (m_output.Deliver(sample.Get()) != S_OK) {
      m_downstreamRefused = true;
      return AVERROR(EIO);
    }
  }
  return 0;
}

// Reports a muxer failure once; a refusal downstream was reported there.
HRESULT MatroskaMuxer::Fail(int averror) {
  const HRESULT hr = HResultFromAvError(averror);
  if (!m_failed && !m_downstreamRefused) NotifyEvent(EC_ERRORABORT, hr, 0);
  m_failed = true;
  return hr;
}
