// COM's per-thread initialisation and in-process object creation.
#pragma once

#include <cstddef>
#include <functional>

#include "platform/com/unknown.h"

constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

// S_OK for the first call on a thread, S_FALSE when already initialised in the
// same mode (each success needs its own CoUninitialize), RPC_E_CHANGED_MODE on
// a mode mismatch (which needs no CoUninitialize).
HRESULT CoInitializeEx(void* reserved, DWORD coInit);
void CoUninitialize();
// Whether the calling thread has initialised COM.
bool CoIsInitializedOnThread();

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv);

// Makes a new object of an installed class and queries it for riid.
using ClassFactory = std::function<HRESULT(REFIID riid, void** ppv)>;

// The in-process class registry: what is installed can be created.
void CoRegisterClass(REFCLSID clsid, ClassFactory factory);
// Removes a class; later creation fails with REGDB_E_CLASSNOTREG.
void CoUnregisterClass(REFCLSID clsid);
bool CoIsClassRegistered(REFCLSID clsid);

// Makes an object of type T (starting with one reference) and hands out riid.
template <typename T>
ClassFactory FactoryOf() {
  return [](REFIID riid, void** ppv) -> HRESULT {
    T* object = new T();
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
  };
}

// Task memory: what interfaces hand out for the caller to free.
void* CoTaskMemAlloc(std::size_t bytes);
void CoTaskMemFree(void* p);
