// Pin identity, information and the connection protocol.
#include <vector>

#include "platform/dshow/core/base_filter.h"
#include "platform/dshow/core/enumerators.h"
#include "platform/dshow/core/wide_text.h"

namespace {

// A type names a single connection when major, sub and format type are all set.
bool IsFullySpecified(const AM_MEDIA_TYPE& mt) {
  return mt.majortype != GUID_NULL && mt.subtype != GUID_NULL && mt.formattype != GUID_NULL;
}

// Refusals must be failures, whatever a concrete pin answered.
HRESULT AsRefusal(HRESULT hr) { return hr == S_OK ? S_OK : (FAILED(hr) ? hr : VFW_E_TYPE_NOT_ACCEPTED); }

}  // namespace

BasePin::BasePin(BaseFilter* filter, PIN_DIRECTION direction, std::u16string name)
    : m_filter(filter), m_direction(direction), m_name(std::move(name)) {}

BasePin::~BasePin() = default;

HRESULT BasePin::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<IPin>(this, riid, ppv)) return S_OK;
  return QueryExtraInterface(riid, ppv);
}

HRESULT BasePin::QueryExtraInterface(REFIID /*riid*/, void** ppv) {
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG BasePin::AddRef() { return m_filter->AddRef(); }
ULONG BasePin::Release() { return m_filter->Release(); }

HRESULT BasePin::Connect(IPin* receivePin, const AM_MEDIA_TYPE* mt) {
  if (!receivePin) return E_POINTER;
  if (m_direction != PINDIR_OUTPUT) return VFW_E_INVALID_DIRECTION;
  {
    std::lock_guard lock(m_connectionLock);
    if (m_peer) return VFW_E_ALREADY_CONNECTED;
  }
  if (m_filter->State() != State_Stopped) return VFW_E_NOT_STOPPED;
  PIN_DIRECTION peerDirection = PINDIR_OUTPUT;
  if (FAILED(receivePin->QueryDirection(&peerDirection)) || peerDirection == m_direction)
    return VFW_E_INVALID_DIRECTION;

  if (mt && IsFullySpecified(*mt)) return TryMediaType(receivePin, *mt);

  HRESULT last = S_OK;  // stays S_OK while no candidate was tried
  ComPtr<IEnumMediaTypes> own;
  if (SUCCEEDED(EnumMediaTypes(own.ReleaseAndGetAddressOf())) &&
      TryTypesOf(receivePin, mt, own.Get(), &last) == S_OK)
    return S_OK;
  ComPtr<IEnumMediaTypes> theirs;
  if (SUCCEEDED(receivePin->EnumMediaTypes(theirs.ReleaseAndGetAddressOf())) &&
      TryTypesOf(receivePin, mt, theirs.Get(), &last) == S_OK)
    return S_OK;
  return FAILED(last) ? last : VFW_E_NO_ACCEPTABLE_TYPES;
}

// S_OK once connected; S_FALSE when no type of `types` worked, with the last
// refusal in *last.
HRESULT BasePin::TryTypesOf(IPin* receivePin, const AM_MEDIA_TYPE* partial, IEnumMediaTypes* types,
                            HRESULT* last) {
  AM_MEDIA_TYPE* candidate = nullptr;
  while (types->Next(1, &candidate, nullptr) == S_OK) {
    MediaType type(*candidate);
    DeleteMediaType(candidate);
    if (partial && !type.MatchesPartial(*partial)) continue;
    const HRESULT hr = TryMediaType(receivePin, type);
    if (SUCCEEDED(hr)) return S_OK;
    *last = hr;
  }
  return S_FALSE;
}

HRESULT BasePin::TryMediaType(IPin* receivePin, const AM_MEDIA_TYPE& mt) {
  HRESULT hr = AsRefusal(CheckMediaType(mt));
  if (FAILED(hr)) return hr;
  {
    std::lock_guard lock(m_connectionLock);
    m_peer = ComPtr<IPin>(receivePin);
    m_mt = mt;
  }
  hr = receivePin->ReceiveConnection(this, &mt);
  if (SUCCEEDED(hr)) {
    hr = CompleteConnect(receivePin);
    if (SUCCEEDED(hr)) return S_OK;
    receivePin->Disconnect();
    BreakConnect();
  }
  std::lock_guard lock(m_connectionLock);
  m_peer = nullptr;
  m_mt = MediaType();
  return hr;
}

HRESULT BasePin::ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* mt) {
  if (!connector || !mt) return E_POINTER;
  {
    std::lock_guard lock(m_connectionLock);
    if (m_peer) return VFW_E_ALREADY_CONNECTED;
  }
  if (m_filter->State() != State_Stopped) return VFW_E_NOT_STOPPED;
  PIN_DIRECTION connectorDirection = m_direction;
  if (FAILED(connector->QueryDirection(&connectorDirection)) || connectorDirection == m_direction)
    return VFW_E_INVALID_DIRECTION;
  HRESULT hr = AsRefusal(CheckMediaType(*mt));
  if (FAILED(hr)) return hr;
  {
    std::lock_guard lock(m_connectionLock);
    m_peer = ComPtr<IPin>(connector);
    m_mt = *mt;
  }
  hr = CompleteConnect(connector);
  if (SUCCEEDED(hr)) return S_OK;
  BreakConnect();
  std::lock_guard lock(m_connectionLock);
  m_peer = nullptr;
  m_mt = MediaType();
  return hr;
}

HRESULT BasePin::Disconnect() {
  if (m_filter->State() != State_Stopped) return VFW_E_NOT_STOPPED;
  ComPtr<IPin> peer;
  {
    std::lock_guard lock(m_connectionLock);
    if (!m_peer) return S_FALSE;
    peer = std::move(m_peer);
    m_mt = MediaType();
  }
  BreakConnect();
  return S_OK;
}

HRESULT BasePin::CompleteConnect(IPin* /*peer*/) { return S_OK; }

HRESULT BasePin::ConnectedTo(IPin** pin) {
  if (!pin) return E_POINTER;
  std::lock_guard lock(m_connectionLock);
  *pin = m_peer.Get();
  if (!*pin) return VFW_E_NOT_CONNECTED;
  (*pin)->AddRef();
  return S_OK;
}

HRESULT BasePin::ConnectionMediaType(AM_MEDIA_TYPE* mt) {
  if (!mt) return E_POINTER;
  std::lock_guard lock(m_connectionLock);
  if (!m_peer) {
    *mt = AM_MEDIA_TYPE{};
    return VFW_E_NOT_CONNECTED;
  }
  return CopyMediaType(mt, &m_mt);
}

HRESULT BasePin::QueryPinInfo(PIN_INFO* info) {
  if (!info) return E_POINTER;
  info->pFilter = m_filter;
  m_filter->AddRef();
  info->dir = m_direction;
  CopyWideName(info->achName, MAX_PIN_NAME, m_name);
  return S_OK;
}

HRESULT BasePin::QueryDirection(PIN_DIRECTION* dir) {
  if (!dir) return E_POINTER;
  *dir = m_direction;
  return S_OK;
}

HRESULT BasePin::QueryId(LPWSTR* id) {
  if (!id) return E_POINTER;
  *id = TaskMemWideCopy(m_name);
  return *id ? S_OK : E_OUTOFMEMORY;
}

HRESULT BasePin::QueryAccept(const AM_MEDIA_TYPE* mt) {
  if (!mt) return E_POINTER;
  return CheckMediaType(*mt) == S_OK ? S_OK : S_FALSE;
}

HRESULT BasePin::GetMediaType(int position, MediaType* /*mt*/) {
  return position < 0 ? E_INVALIDARG : VFW_S_NO_MORE_ITEMS;
}

HRESULT BasePin::EnumMediaTypes(IEnumMediaTypes** out) {
  if (!out) return E_POINTER;
  std::vector<MediaType> types;
  for (int i = 0;; ++i) {
    MediaType mt;
    if (GetMediaType(i, &mt) != S_OK) break;
    types.push_back(std::move(mt));
  }
  *out = new MediaTypeEnumerator(std::move(types));
  return S_OK;
}

HRESULT BasePin::QueryInternalConnections(IPin** /*pins*/, ULONG* /*count*/) { return E_NOTIMPL; }

HRESULT BasePin::EndOfStream() { return E_UNEXPECTED; }
HRESULT BasePin::BeginFlush() { return E_UNEXPECTED; }
HRESULT BasePin::EndFlush() { return E_UNEXPECTED; }
HRESULT BasePin::NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) { return E_UNEXPECTED; }
