// Base classes for filters and pins. They do enumeration, connection, state
// and the streaming protocol; a concrete filter only says which pins it has,
// what they accept, which media types they offer and what it does with a
// sample.
//
// Threads: connection and state calls come from the application thread while
// holding no lock of the streaming threads. Streaming threads (Receive,
// EndOfStream, flushing) never take the filter lock, so a filter may join its
// threads inside its Stop hook.
#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/core/media_type.h"

class BasePin;

class BaseFilter : public RefCount, public IBaseFilter {
 public:
  explicit BaseFilter(const CLSID& clsid);
  ~BaseFilter() override;

  // IUnknown: IUnknown, IPersist, IMediaFilter, IBaseFilter, then QueryExtraInterface.
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED

  // IPersist
  HRESULT GetClassID(CLSID* clsid) override;
  // IMediaFilter
  HRESULT Stop() override;
  HRESULT Pause() override;
  HRESULT Run(REFERENCE_TIME start) override;
  HRESULT GetState(DWORD timeoutMs, FILTER_STATE* state) override;
  HRESULT SetSyncSource(IReferenceClock* clock) override;
  HRESULT GetSyncSource(IReferenceClock** clock) override;
  // IBaseFilter
  HRESULT EnumPins(IEnumPins** out) override;
  HRESULT FindPin(LPCWSTR id, IPin** pin) override;
  HRESULT QueryFilterInfo(FILTER_INFO* info) override;
  HRESULT JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
  HRESULT QueryVendorInfo(LPWSTR* info) override;

  // Pins in enumeration order. A filter may add pins over its life (a
  // multiplexer adds a fresh input whenever one gets connected); pins are
  // owned by the filter and live as long as it does.
  virtual int GetPinCount() = 0;
  virtual BasePin* GetPin(int index) = 0;

  FILTER_STATE State() const { return m_state.load(); }
  // Stream time zero in reference-clock time, given by Run.
  REFERENCE_TIME StartTime() const { return m_start.load(); }
  // The clock set by SetSyncSource, or null when the graph runs without one.
  ComPtr<IReferenceClock> Clock() const;
  // The graph this filter belongs to (not AddRef'd), or null.
  IFilterGraph* Graph() const { return m_graph; }
  // Posts an event to the graph (IMediaEventSink); E_UNEXPECTED outside a graph.
  // Any thread. EC_COMPLETE posted with param2 0 carries this filter
  // (IBaseFilter*) as param2, which is how the graph counts each sink once.
  HRESULT NotifyEvent(LONG eventCode, LONG_PTR param1, LONG_PTR param2);

 protected:
  // Further interfaces of a concrete filter; E_NOINTERFACE by default.
  virtual HRESULT QueryExtraInterface(REFIID riid, void** ppv);
  // State hooks, called with the filter lock held, after the pins have been
  // told (Active on leaving Stopped, Inactive on entering it).
  virtual HRESULT OnPause() { return S_OK; }  // from Stopped or Running
  virtual HRESULT OnRun(REFERENCE_TIME /*start*/) { return S_OK; }
  virtual HRESULT OnStop() { return S_OK; }

  std::recursive_mutex m_filterLock;

 private:
  const CLSID m_clsid;
  std::atomic<FILTER_STATE> m_state{State_Stopped};
  // Read by streaming threads (a renderer's wait) while a Pause and Run cycle
  // sets it anew.
  std::atomic<REFERENCE_TIME> m_start{0};
  ComPtr<IReferenceClock> m_clock;
  mutable std::mutex m_clockLock;
  IFilterGraph* m_graph = nullptr;
  // The graph's event sink, not AddRef'd (the graph outlives its members'
  // streaming), so that streaming threads never touch the graph's count.
  std::atomic<IMediaEventSink*> m_eventSink{nullptr};
  std::u16string m_name;

  // Tells the pins and enters `state`; undoes a failed change.
  HRESULT ActivatePins();
  void DeactivatePins();
};

// A pin belongs to its filter: AddRef and Release go to the filter.
class BasePin : public IPin {
 public:
  BasePin(BaseFilter* filter, PIN_DIRECTION direction, std::u16string name);
  virtual ~BasePin();

  // IUnknown: IUnknown, IPin, then QueryExtraInterface.
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  ULONG AddRef() override;
  ULONG Release() override;

  // IPin
  HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* mt) override;
  HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* mt) override;
  HRESULT Disconnect() override;
  HRESULT ConnectedTo(IPin** pin) override;
  HRESULT ConnectionMediaType(AM_MEDIA_TYPE* mt) override;
  HRESULT QueryPinInfo(PIN_INFO* info) override;
  HRESULT QueryDirection(PIN_DIRECTION* dir) override;
  HRESULT QueryId(LPWSTR* id) override;
  HRESULT QueryAccept(const AM_MEDIA_TYPE* mt) override;
  HRESULT EnumMediaTypes(IEnumMediaTypes** out) override;
  HRESULT QueryInternalConnections(IPin** pins, ULONG* count) override;
  // Output pins answer E_UNEXPECTED to these four; input pins override them.
  HRESULT EndOfStream() override;
  HRESULT BeginFlush() override;
  HRESULT EndFlush() override;
  HRESULT NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) override;

  bool IsConnected() const { return static_cast<bool>(m_peer); }
  IPin* ConnectedPin() const { return m_peer.Get(); }
  const MediaType& CurrentMediaType() const { return m_mt; }
  PIN_DIRECTION Direction() const { return m_direction; }
  const std::u16string& Name() const { return m_name; }
  BaseFilter* Filter() const { return m_filter; }

  // Called by the filter: Active when it leaves Stopped, Inactive when it
  // enters Stopped.
  virtual HRESULT Active() { return S_OK; }
  virtual void Inactive() {}

 protected:
  // S_OK when the pin takes this type; a failure code (VFW_E_TYPE_NOT_ACCEPTED
  // for a type it cannot carry) otherwise.
  virtual HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) = 0;
  // The types the pin proposes, in preference order; VFW_S_NO_MORE_ITEMS
  // past the last one.
  virtual HRESULT GetMediaType(int position, MediaType* mt);
  // After both sides agreed on the type; a failure undoes the connection.
  virtual HRESULT CompleteConnect(IPin* peer);
  // The connection is going away.
  virtual void BreakConnect() {}
  virtual HRESULT QueryExtraInterface(REFIID riid, void** ppv);

  BaseFilter* const m_filter;

 private:
  HRESULT TryMediaType(IPin* receivePin, const AM_MEDIA_TYPE& mt);
  HRESULT TryTypesOf(IPin* receivePin, const AM_MEDIA_TYPE* partial, IEnumMediaTypes* types, HRESULT* last);

  const PIN_DIRECTION m_direction;
  const std::u16string m_name;
  ComPtr<IPin> m_peer;
  MediaType m_mt;
  std::mutex m_connectionLock;
};

// An input pin that takes samples pushed by its peer (IMemInputPin).
class BaseInputPin : public BasePin, public IMemInputPin {
 public:
  BaseInputPin(BaseFilter* filter, std::u16string name);

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  ULONG AddRef() override { return BasePin::AddRef(); }
  ULONG Release() override { return BasePin::Release(); }

  // IMemInputPin: refuses samples while stopped (VFW_E_WRONG_STATE), after
  // end of stream (VFW_E_SAMPLE_REJECTED_EOS) and drops them while flushing
  // (S_FALSE); otherwise hands them to OnReceive.
  HRESULT Receive(IMediaSample* sample) override;
  HRESULT ReceiveCanBlock() override { return S_FALSE; }

  HRESULT EndOfStream() override;
  HRESULT BeginFlush() override;
  HRESULT EndFlush() override;
  HRESULT NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) override;

  HRESULT Active() override;
  bool IsFlushing() const { return m_flushing.load(); }
  bool ReachedEndOfStream() const { return m_endOfStream.load(); }

 protected:
  // Streaming-thread hooks.
  virtual HRESULT OnReceive(IMediaSample* sample) = 0;
  virtual HRESULT OnEndOfStream() { return S_OK; }
  virtual HRESULT OnBeginFlush() { return S_OK; }
  virtual HRESULT OnEndFlush() { return S_OK; }

 private:
  std::atomic<bool> m_flushing{false};
  std::atomic<bool> m_endOfStream{false};
};

// An output pin that pushes samples into its peer's IMemInputPin.
class BaseOutputPin : public BasePin {
 public:
  BaseOutputPin(BaseFilter* filter, std::u16string name);

  // Streaming thread: hand a sample, the end of the stream or a flush on to
  // the peer. VFW_E_NOT_CONNECTED when there is none.
  HRESULT Deliver(IMediaSample* sample);
  HRESULT DeliverEndOfStream();
  HRESULT DeliverBeginFlush();
  HRESULT DeliverEndFlush();
  HRESULT DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate);

 protected:
  // Takes the peer's IMemInputPin; VFW_E_NO_TRANSPORT-like failure without one.
  HRESULT CompleteConnect(IPin* peer) override;
  void BreakConnect() override;

 private:
  ComPtr<IMemInputPin> m_peerInput;
};

constexpr HRESULT VFW_E_SAMPLE_REJECTED_EOS = MakeHResult(0x8004022C);
constexpr HRESULT VFW_E_NO_TRANSPORT = MakeHResult(0x8004020F);
