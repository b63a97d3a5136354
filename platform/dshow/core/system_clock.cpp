#include "platform/dshow/core/system_clock.h"

#include <chrono>

HRESULT SystemClock::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<IReferenceClock>(this, riid, ppv))
    return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT SystemClock::GetTime(REFERENCE_TIME* time) {
  if (!time) return E_POINTER;
  using Ticks = std::chrono::duration<REFERENCE_TIME, std::ratio<1, 10'000'000>>;
  *time = std::chrono::duration_cast<Ticks>(std::chrono::steady_clock::now().time_since_epoch()).count();
  return S_OK;
}
