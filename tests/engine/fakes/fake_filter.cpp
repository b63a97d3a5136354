#include "tests/engine/fakes/fake_filter.h"

#include "platform/dshow/core/enumerators.h"

FakePin::FakePin(FakeFilter* owner, std::string name, PIN_DIRECTION direction)
    : m_owner(owner), m_name(std::move(name)), m_direction(direction) {}

HRESULT FakePin::QueryInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<IPin>(this, riid, ppv)) return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

std::string FakePin::FullName() const { return m_owner->Name() + "." + m_name; }

HRESULT FakePin::ConnectedTo(IPin** pin) {
  *pin = nullptr;
  if (connectedToResult) return *connectedToResult;
  if (!m_peer) return VFW_E_NOT_CONNECTED;
  *pin = m_peer.Get();
  (*pin)->AddRef();
  return S_OK;
}

HRESULT FakePin::QueryPinInfo(PIN_INFO* info) {
  if (FAILED(queryPinInfoResult)) return queryPinInfoResult;
  info->pFilter = m_owner;
  m_owner->AddRef();
  info->dir = m_direction;
  info->achName[0] = 0;
  return queryPinInfoResult;
}

HRESULT FakePin::QueryDirection(PIN_DIRECTION* dir) {
  if (answersDirection) *dir = m_direction;
  return S_OK;
}

HRESULT FakeFilter::QueryInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IUnknown>(static_cast<IBaseFilter*>(this), riid, ppv) ||
      OfferInterface<IPersist>(this, riid, ppv) || OfferInterface<IMediaFilter>(this, riid, ppv) ||
      OfferInterface<IBaseFilter>(this, riid, ppv))
    return S_OK;
  if (isFileSink && OfferInterface<IFileSinkFilter>(this, riid, ppv)) return S_OK;
  if (hasInterleaving && OfferInterface<IConfigInterleaving>(this, riid, ppv)) return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

FakePin* FakeFilter::AddPin(PIN_DIRECTION direction) {
  std::size_t sameDirection = 0;
  while (Pin(direction, sameDirection)) ++sameDirection;
  const std::string name = (direction == PINDIR_INPUT ? "in" : "out") + std::to_string(sameDirection);
  m_pins.push_back(MakeCom<FakePin>(this, name, direction));
  return m_pins.back().Get();
}

FakePin* FakeFilter::Pin(PIN_DIRECTION direction, std::size_t index) const {
  for (const auto& pin : m_pins)
    if (pin->Direction() == direction && index-- == 0) return pin.Get();
  return nullptr;
}

void FakeFilter::InputConnected() {
  if (!addsInputPinWhenConnected) return;
  for (const auto& pin : m_pins)
    if (pin->Direction() == PINDIR_INPUT && !pin->Peer()) return;
  AddPin(PINDIR_INPUT);
}

HRESULT FakeFilter::EnumPins(IEnumPins** out) {
  if (FAILED(enumPinsResult)) return enumPinsResult;
  std::vector<ComPtr<IPin>> pins;
  for (const auto& pin : m_pins) pins.emplace_back(pin.Get());
  *out = new PinEnumerator(std::move(pins));
  return S_OK;
}

HRESULT FakeFilter::QueryFilterInfo(FILTER_INFO* info) {
  if (FAILED(queryFilterInfoResult)) return queryFilterInfoResult;
  info->achName[0] = 0;
  info->pGraph = m_graph;
  if (m_graph) m_graph->AddRef();
  return S_OK;
}

HRESULT FakeFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR /*name*/) {
  m_graph = graph;
  return S_OK;
}

HRESULT FakeFilter::SetFileName(LPCWSTR name, const AM_MEDIA_TYPE* mt) {
  EXPECT_EQ(mt, nullptr);
  fileName = Narrow(name);
  return setFileNameResult;
}

HRESULT FakeFilter::put_Mode(InterleavingMode mode) {
  interleavingMode = mode;
  return S_OK;
}
