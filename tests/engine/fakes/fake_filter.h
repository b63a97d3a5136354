// Strict fake filters and pins. A connected pin holds a reference on its peer,
// as DirectShow pins do; the fake graph breaks those links when it goes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "tests/engine/fakes/fake_object.h"

class FakeFilter;

class FakePin : public FakeObject, public IPin {
 public:
  FakePin(FakeFilter* owner, std::string name, PIN_DIRECTION direction);
  COM_REFCOUNTED
  HRESULT QueryInterface(REFIID riid, void** ppv) override;

  // What a test sets.
  std::optional<HRESULT> connectedToResult;  // answered instead of the real state
  HRESULT queryPinInfoResult = S_OK;
  bool answersDirection = true;
  HRESULT acceptResult = S_OK;  // for an input pin: how it answers a connection

  std::string FullName() const;  // "Filter.pin"
  IPin* Peer() const { return m_peer.Get(); }
  void SetPeer(IPin* peer) { m_peer = ComPtr<IPin>(peer); }
  void ClearPeer() { m_peer.Reset(); }
  FakeFilter* Owner() const { return m_owner; }
  PIN_DIRECTION Direction() const { return m_direction; }

  HRESULT ConnectedTo(IPin** pin) override;
  HRESULT QueryPinInfo(PIN_INFO* info) override;
  HRESULT QueryDirection(PIN_DIRECTION* dir) override;

  HRESULT Connect(IPin*, const AM_MEDIA_TYPE*) override { UNEXPECTED_CALL(); }
  HRESULT ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) override { UNEXPECTED_CALL(); }
  HRESULT Disconnect() override { UNEXPECTED_CALL(); }
  HRESULT ConnectionMediaType(AM_MEDIA_TYPE*) override { UNEXPECTED_CALL(); }
  HRESULT QueryId(LPWSTR*) override { UNEXPECTED_CALL(); }
  HRESULT QueryAccept(const AM_MEDIA_TYPE*) override { UNEXPECTED_CALL(); }
  HRESULT EnumMediaTypes(IEnumMediaTypes**) override { UNEXPECTED_CALL(); }
  HRESULT QueryInternalConnections(IPin**, ULONG*) override { UNEXPECTED_CALL(); }
  HRESULT EndOfStream() override { UNEXPECTED_CALL(); }
  HRESULT BeginFlush() override { UNEXPECTED_CALL(); }
  HRESULT EndFlush() override { UNEXPECTED_CALL(); }
  HRESULT NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) override { UNEXPECTED_CALL(); }

 private:
  FakeFilter* m_owner;  // the filter owns its pins, not the other way round
  std::string m_name;
  PIN_DIRECTION m_direction;
  ComPtr<IPin> m_peer;
};

class FakeFilter : public FakeObject, public IBaseFilter, public IFileSinkFilter, public IConfigInterleaving {
 public:
  explicit FakeFilter(std::string name) : m_name(std::move(name)) {}
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }
  HRESULT QueryInterface(REFIID riid, void** ppv) override;

  FakePin* AddPin(PIN_DIRECTION direction);
  FakePin* Pin(PIN_DIRECTION direction, std::size_t index) const;
  const std::vector<ComPtr<FakePin>>& Pins() const { return m_pins; }
  const std::string& Name() const { return m_name; }

  // What a test sets.
  bool isFileSink = false;
  bool hasInterleaving = false;
  bool addsInputPinWhenConnected = false;  // a multiplexer that always has a free input
  HRESULT enumPinsResult = S_OK;
  HRESULT queryFilterInfoResult = S_OK;
  HRESULT setFileNameResult = S_OK;

  // What the engine did.
  std::string fileName;
  std::optional<InterleavingMode> interleavingMode;

  void InputConnected();

  HRESULT EnumPins(IEnumPins** out) override;
  HRESULT QueryFilterInfo(FILTER_INFO* info) override;
  HRESULT JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
  HRESULT SetFileName(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) override;
  HRESULT put_Mode(InterleavingMode mode) override;

  HRESULT GetClassID(CLSID*) override { UNEXPECTED_CALL(); }
  HRESULT Stop() override { UNEXPECTED_CALL(); }
  HRESULT Pause() override { UNEXPECTED_CALL(); }
  HRESULT Run(REFERENCE_TIME) override { UNEXPECTED_CALL(); }
  HRESULT GetState(DWORD, FILTER_STATE*) override { UNEXPECTED_CALL(); }
  HRESULT SetSyncSource(IReferenceClock*) override { UNEXPECTED_CALL(); }
  HRESULT GetSyncSource(IReferenceClock**) override { UNEXPECTED_CALL(); }
  HRESULT FindPin(LPCWSTR, IPin**) override { UNEXPECTED_CALL(); }
  HRESULT QueryVendorInfo(LPWSTR*) override { UNEXPECTED_CALL(); }
  HRESULT GetCurFile(LPWSTR*, AM_MEDIA_TYPE*) override { UNEXPECTED_CALL(); }
  HRESULT get_Mode(InterleavingMode*) override { UNEXPECTED_CALL(); }
  HRESULT put_Interleaving(const REFERENCE_TIME*, const REFERENCE_TIME*) override { UNEXPECTED_CALL(); }
  HRESULT get_Interleaving(REFERENCE_TIME*, REFERENCE_TIME*) override { UNEXPECTED_CALL(); }

 private:
  std::string m_name;
  std::vector<ComPtr<FakePin>> m_pins;
  IFilterGraph* m_graph = nullptr;  // not held: the graph owns the filter
};
