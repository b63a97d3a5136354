#include "test_filters.h"

#include <string>

namespace testfilters {

std::atomic<int> g_liveFilters{0};

MediaType TypeOf(const GUID& subtype, const GUID& major) { return MediaType(major, subtype); }

TestFilterBase::TestFilterBase(const CLSID& clsid) : BaseFilter(clsid) { ++g_liveFilters; }
TestFilterBase::~TestFilterBase() { --g_liveFilters; }
int TestFilterBase::GetPinCount() { return static_cast<int>(m_pins.size()); }
BasePin* TestFilterBase::GetPin(int index) {
  return index >= 0 && index < GetPinCount() ? m_pins[index].get() : nullptr;
}

namespace {

// ---------------------------------------------------------------------------
class SourcePin : public BaseOutputPin {
 public:
  SourcePin(BaseFilter* filter, int index, MediaType type)
      : BaseOutputPin(filter, u"Out" + std::u16string(1, u'0' + index)), m_type(std::move(type)) {}

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override {
    return MediaType(mt).MatchesPartial(m_type) && mt.majortype == m_type.majortype ? S_OK
                                                                                    : VFW_E_TYPE_NOT_ACCEPTED;
  }
  HRESULT GetMediaType(int position, MediaType* mt) override {
    if (position != 0) return VFW_S_NO_MORE_ITEMS;
    *mt = m_type;
    return S_OK;
  }

 private:
  const MediaType m_type;
};

}  // namespace

TestSource::TestSource(std::vector<MediaType> pinTypes, int samplesPerPin)
    : TestFilterBase(kSourceClsid), m_samplesPerPin(samplesPerPin) {
  for (std::size_t i = 0; i < pinTypes.size(); ++i)
    m_pins.push_back(std::make_unique<SourcePin>(this, static_cast<int>(i), pinTypes[i]));
}

TestSource::~TestSource() {
  if (m_thread.joinable()) m_thread.join();
}

HRESULT TestSource::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IFileSourceFilter>(this, riid, ppv)) return S_OK;
  return BaseFilter::QueryExtraInterface(riid, ppv);
}

HRESULT TestSource::Load(LPCWSTR fileName, const AM_MEDIA_TYPE*) {
  if (!fileName) return E_POINTER;
  m_file = fileName;
  if (m_file.find(u"missing") != std::u16string::npos) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  return S_OK;
}

HRESULT TestSource::GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE*) {
  if (fileName) *fileName = nullptr;
  return E_NOTIMPL;
}

HRESULT TestSource::OnRun(REFERENCE_TIME) {
  if (m_thread.joinable()) return S_OK;  // resumed from Paused
  m_stopping = false;
  m_thread = std::thread([this] { Stream(); });
  return S_OK;
}

HRESULT TestSource::OnStop() {
  m_stopping = true;
  for (int i = 0; i < OutputPinCount(); ++i)
    if (Output(i)->IsConnected()) Output(i)->DeliverBeginFlush();
  if (m_thread.joinable()) m_thread.join();
  for (int i = 0; i < OutputPinCount(); ++i)
    if (Output(i)->IsConnected()) Output(i)->DeliverEndFlush();
  return S_OK;
}

void TestSource::Stream() {
  m_threadRan = true;
  for (int k = 0; k < m_samplesPerPin && !m_stopping; ++k) {
    for (int p = 0; p < OutputPinCount(); ++p) {
      if (!Output(p)->IsConnected()) continue;
      ComPtr<MediaSample> sample = MediaSample::Allocate(1);
      sample->SetStreamTimes(k, k, 1);
      const HRESULT hr = Output(p)->Deliver(sample.Get());
      if (FAILED(hr)) {
        if (!m_stopping) NotifyEvent(EC_ERRORABORT, hr, 0);
        return;
      }
    }
  }
  if (m_stopping) return;
  for (int p = 0; p < OutputPinCount(); ++p)
    if (Output(p)->IsConnected()) Output(p)->DeliverEndOfStream();
}

// ---------------------------------------------------------------------------
namespace {

bool Accepts(const GUID& accepted, const AM_MEDIA_TYPE& mt) {
  return accepted == GUID_NULL || accepted == mt.subtype;
}

class PassInput : public BaseInputPin {
 public:
  PassInput(TestPassThrough* filter) : BaseInputPin(filter, u"In"), m_owner(filter) {}

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override {
    return Accepts(m_owner->acceptedSubtype, mt) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  }
  HRESULT OnReceive(IMediaSample* sample) override { return m_owner->Output()->Deliver(sample); }
  HRESULT OnEndOfStream() override { return m_owner->Output()->DeliverEndOfStream(); }
  HRESULT OnBeginFlush() override { return Forward(&BaseOutputPin::DeliverBeginFlush); }
  HRESULT OnEndFlush() override { return Forward(&BaseOutputPin::DeliverEndFlush); }

 private:
  HRESULT Forward(HRESULT (BaseOutputPin::*call)()) {
    return m_owner->Output()->IsConnected() ? (m_owner->Output()->*call)() : S_OK;
  }
  TestPassThrough* m_owner;
};

class PassOutput : public BaseOutputPin {
 public:
  PassOutput(TestPassThrough* filter) : BaseOutputPin(filter, u"Out"), m_owner(filter) {}

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override {
    MediaType offered;
    if (GetMediaType(0, &offered) != S_OK) return VFW_E_NOT_CONNECTED;
    return mt.subtype == offered.subtype ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  }
  HRESULT GetMediaType(int position, MediaType* mt) override {
    BasePin* input = m_owner->Input();
    if (position != 0 || !input->IsConnected()) return VFW_S_NO_MORE_ITEMS;
    *mt = input->CurrentMediaType();
    if (m_owner->outputSubtype != GUID_NULL) mt->subtype = m_owner->outputSubtype;
    return S_OK;
  }

 private:
  TestPassThrough* m_owner;
};

}  // namespace

TestPassThrough::TestPassThrough(const GUID& accepted, const GUID& output)
    : TestFilterBase(kPassThroughClsid), acceptedSubtype(accepted), outputSubtype(output) {
  m_pins.push_back(std::make_unique<PassInput>(this));
  m_pins.push_back(std::make_unique<PassOutput>(this));
}

// ---------------------------------------------------------------------------
class SinkPin : public BaseInputPin {
 public:
  SinkPin(TestSink* filter, int index)
      : BaseInputPin(filter, u"In" + std::u16string(1, u'0' + index)), m_owner(filter), m_index(index) {}

  HRESULT Active() override {
    m_owner->m_next[m_index] = 0;  // every run counts afresh
    *m_owner->m_counts[m_index] = 0;
    m_owner->m_total = 0;
    m_owner->m_endOfStreams = 0;
    return BaseInputPin::Active();
  }

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override {
    return Accepts(m_owner->acceptedSubtype, mt) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  }
  HRESULT OnReceive(IMediaSample* sample) override { return m_owner->CountSample(m_index, sample); }
  HRESULT OnEndOfStream() override {
    m_owner->PinEnded();
    return S_OK;
  }

 private:
  TestSink* m_owner;
  const int m_index;
};

TestSink::TestSink(int inputs, const GUID& accepted) : TestFilterBase(kSinkClsid), acceptedSubtype(accepted) {
  for (int i = 0; i < inputs; ++i) {
    m_pins.push_back(std::make_unique<SinkPin>(this, i));
    m_counts.push_back(std::make_unique<std::atomic<long long>>(0));
    m_next.push_back(0);
  }
}

long long TestSink::Received(int pin) const { return m_counts[pin]->load(); }
long long TestSink::TotalReceived() const { return m_total.load(); }

HRESULT TestSink::CountSample(int pin, IMediaSample* sample) {
  m_lastStartSeen = StartTime();
  const long long n = m_total.fetch_add(1);
  if (n == m_failAt) return m_failWith;
  ComPtr<IStreamSampleTimes> times;
  ComPtr<IMediaSample>(sample).As(times);
  LONGLONG pts = NO_STREAM_TIME;
  if (times) times->GetStreamTimes(&pts, nullptr, nullptr);
  if (pts != m_next[pin]) m_outOfOrder = true;
  m_next[pin] = pts + 1;
  m_counts[pin]->fetch_add(1);
  return S_OK;
}

void TestSink::PinEnded() {
  int connected = 0;
  for (auto& pin : m_pins) connected += pin->IsConnected() ? 1 : 0;
  if (++m_endOfStreams == connected) NotifyEvent(EC_COMPLETE, S_OK, 0);
}

}  // namespace testfilters
