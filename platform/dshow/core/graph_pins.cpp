#include "platform/dshow/core/graph_pins.h"

std::vector<ComPtr<IPin>> PinsOf(IBaseFilter* filter, PIN_DIRECTION direction, bool freeOnly) {
  std::vector<ComPtr<IPin>> pins;
  ComPtr<IEnumPins> all;
  if (!filter || FAILED(filter->EnumPins(all.ReleaseAndGetAddressOf()))) return pins;
  IPin* pin = nullptr;
  while (all->Next(1, &pin, nullptr) == S_OK) {
    auto held = ComPtr<IPin>::Attach(pin);
    PIN_DIRECTION dir;
    if (FAILED(held->QueryDirection(&dir)) || dir != direction) continue;
    if (freeOnly && IsConnected(held.Get())) continue;
    pins.push_back(std::move(held));
  }
  return pins;
}

ComPtr<IBaseFilter> FilterOf(IPin* pin) {
  PIN_INFO info{};
  if (!pin || FAILED(pin->QueryPinInfo(&info))) return nullptr;
  return ComPtr<IBaseFilter>::Attach(info.pFilter);
}

ComPtr<IBaseFilter> PeerFilterOf(IPin* pin) {
  IPin* peer = nullptr;
  if (FAILED(pin->ConnectedTo(&peer)) || !peer) return nullptr;
  auto held = ComPtr<IPin>::Attach(peer);
  return FilterOf(held.Get());
}

bool IsConnected(IPin* pin) {
  IPin* peer = nullptr;
  if (FAILED(pin->ConnectedTo(&peer)) || !peer) return false;
  peer->Release();
  return true;
}

void DisconnectAll(IBaseFilter* filter) {
  ComPtr<IEnumPins> pins;
  if (!filter || FAILED(filter->EnumPins(pins.ReleaseAndGetAddressOf()))) return;
  IPin* pin = nullptr;
  while (pins->Next(1, &pin, nullptr) == S_OK) {
    auto held = ComPtr<IPin>::Attach(pin);
    IPin* peer = nullptr;
    if (SUCCEEDED(held->ConnectedTo(&peer)) && peer) {
      peer->Disconnect();
      peer->Release();
    }
    held->Disconnect();
  }
}
