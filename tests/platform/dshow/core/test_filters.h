// Small in-memory filters built on the base classes, for the core's tests:
// a source with its own streaming thread, a pass-through and a counting sink.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/core/media_sample.h"

namespace testfilters {

constexpr CLSID kSourceClsid{0x7E570001, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr CLSID kPassThroughClsid{0x7E570002, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};
constexpr CLSID kSinkClsid{0x7E570003, 0, 0, {0, 0, 0, 0, 0, 0, 0, 3}};
constexpr GUID kSubtypeA{0x7E57A001, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr GUID kSubtypeB{0x7E57A002, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};
// What a pass-through "decoder" turns its input into.
constexpr GUID kSubtypeDecoded{0x7E57A003, 0, 0, {0, 0, 0, 0, 0, 0, 0, 3}};
// What a file source offers and a splitter takes.
constexpr GUID kSubtypeStream{0x7E57A004, 0, 0, {0, 0, 0, 0, 0, 0, 0, 4}};

// Every test filter alive right now; 0 once every destructor ran.
extern std::atomic<int> g_liveFilters;

// A filter with pins owned in a vector.
class TestFilterBase : public BaseFilter {
 public:
  explicit TestFilterBase(const CLSID& clsid);
  ~TestFilterBase() override;
  int GetPinCount() override;
  BasePin* GetPin(int index) override;

 protected:
  std::vector<std::unique_ptr<BasePin>> m_pins;
};

// Pushes `samplesPerPin` samples on each output pin from its own thread when
// run, then end of stream. Sample k of each pin carries stream times
// pts = dts = k. A refused delivery ends the thread and posts
// EC_ERRORABORT with the refusal, unless the source is stopping. Stop flushes
// downstream, joins the thread, ends the flush.
class TestSource : public TestFilterBase, public IFileSourceFilter {
 public:
  TestSource(std::vector<MediaType> pinTypes, int samplesPerPin);
  ~TestSource() override;

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return BaseFilter::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return BaseFilter::AddRef(); }
  ULONG Release() override { return BaseFilter::Release(); }

  // IFileSourceFilter: paths containing "missing" do not exist.
  HRESULT Load(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) override;
  HRESULT GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) override;

  int OutputPinCount() const { return static_cast<int>(m_pins.size()); }
  BaseOutputPin* Output(int index) { return static_cast<BaseOutputPin*>(m_pins[index].get()); }
  bool ThreadRan() const { return m_threadRan; }

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;
  HRESULT OnRun(REFERENCE_TIME start) override;
  HRESULT OnStop() override;

 private:
  void Stream();

  const int m_samplesPerPin;
  std::thread m_thread;
  std::atomic<bool> m_stopping{false};
  std::atomic<bool> m_threadRan{false};
  std::u16string m_file;
};

// One input accepting `acceptedSubtype` (GUID_NULL: anything), one output
// offering the input's type with its subtype replaced by `outputSubtype`
// (GUID_NULL: unchanged). Forwards samples, end of stream and flushes.
class TestPassThrough : public TestFilterBase {
 public:
  TestPassThrough(const GUID& acceptedSubtype = GUID_NULL, const GUID& outputSubtype = GUID_NULL);
  BasePin* Input() { return m_pins[0].get(); }
  BaseOutputPin* Output() { return static_cast<BaseOutputPin*>(m_pins[1].get()); }
  const GUID acceptedSubtype;
  const GUID outputSubtype;
};

// `inputs` input pins accepting `acceptedSubtype` (GUID_NULL: anything).
// Counts samples per pin and checks that each pin's stream times come in
// order 0, 1, 2, ...; posts EC_COMPLETE once every connected input ended.
// Like a renderer, it reads the filter's stream time zero with each sample.
class TestSink : public TestFilterBase {
 public:
  explicit TestSink(int inputs = 1, const GUID& acceptedSubtype = GUID_NULL);

  BasePin* Input(int index) { return m_pins[index].get(); }
  long long Received(int pin) const;
  long long TotalReceived() const;
  bool InOrder() const { return !m_outOfOrder; }
  REFERENCE_TIME LastStartTimeSeen() const { return m_lastStartSeen; }

  // Receive on any pin refuses the n-th sample (counted over all pins) with hr.
  void FailReceiveAt(long long n, HRESULT hr) {
    m_failAt = n;
    m_failWith = hr;
  }
  // Pause fails with hr (a writer that cannot open its file).
  void FailPause(HRESULT hr) { m_pauseFailure = hr; }

  const GUID acceptedSubtype;

 protected:
  HRESULT OnPause() override { return m_pauseFailure; }

 private:
  friend class SinkPin;
  HRESULT CountSample(int pin, IMediaSample* sample);
  void PinEnded();

  std::vector<std::unique_ptr<std::atomic<long long>>> m_counts;
  std::vector<long long> m_next;  // per pin, touched only by that pin's streaming thread
  std::atomic<bool> m_outOfOrder{false};
  std::atomic<long long> m_total{0};
  std::atomic<int> m_endOfStreams{0};
  std::atomic<REFERENCE_TIME> m_lastStartSeen{0};
  long long m_failAt = -1;
  HRESULT m_failWith = S_OK;
  HRESULT m_pauseFailure = S_OK;
};

MediaType TypeOf(const GUID& subtype, const GUID& major = MEDIATYPE_Video);

}  // namespace testfilters
