#include "platform/com/com_runtime.h"

#include <cstdlib>
#include <map>
#include <mutex>

namespace {

struct ThreadApartment {
  int initCount = 0;
  DWORD mode = COINIT_APARTMENTTHREADED;
};

thread_local ThreadApartment t_apartment;

struct ClassRegistry {
  std::mutex mutex;
  std::map<CLSID, ClassFactory> factories;
};

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}

}  // namespace

HRESULT CoInitializeEx(void* /*reserved*/, DWORD coInit) {
  const DWORD mode = (coInit & COINIT_APARTMENTTHREADED) ? COINIT_APARTMENTTHREADED : COINIT_MULTITHREADED;
  if (t_apartment.initCount > 0) {
    if (t_apartment.mode != mode) return RPC_E_CHANGED_MODE;
    ++t_apartment.initCount;
    return S_FALSE;
  }
  t_apartment.mode = mode;
  t_apartment.initCount = 1;
  return S_OK;
}

void CoUninitialize() {
  if (t_apartment.initCount > 0) --t_apartment.initCount;
}

bool CoIsInitializedOnThread() { return t_apartment.initCount > 0; }

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD /*context*/, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (!CoIsInitializedOnThread()) return CO_E_NOTINITIALIZED;
  if (outer) return CLASS_E_NOAGGREGATION;
  ClassFactory factory;
  {
    std::lock_guard lock(Registry().mutex);
    const auto it = Registry().factories.find(clsid);
    if (it == Registry().factories.end()) return REGDB_E_CLASSNOTREG;
    factory = it->second;
  }
  return factory(riid, ppv);
}

void CoRegisterClass(REFCLSID clsid, ClassFactory factory) {
  std::lock_guard lock(Registry().mutex);
  Registry().factories[clsid] = std::move(factory);
}

void CoUnregisterClass(REFCLSID clsid) {
  std::lock_guard lock(Registry().mutex);
  Registry().factories.erase(clsid);
}

bool CoIsClassRegistered(REFCLSID clsid) {
  std::lock_guard lock(Registry().mutex);
  return Registry().factories.count(clsid) != 0;
}

void* CoTaskMemAlloc(std::size_t bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }

void CoTaskMemFree(void* p) { std::free(p); }
