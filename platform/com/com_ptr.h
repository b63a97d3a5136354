// Owning interface pointer: releases on every path.
#pragma once

#include <utility>

#include "platform/com/unknown.h"

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a reference of its own.
  explicit ComPtr(T* p) : m_p(p) {
    if (m_p) m_p->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.m_p) {}
  ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  ~ComPtr() { Reset(); }

  ComPtr& operator=(const ComPtr& other) {
    ComPtr copy(other);
    Swap(copy);
    return *this;
  }
  ComPtr& operator=(ComPtr&& other) noexcept {
    ComPtr moved(std::move(other));
    Swap(moved);
    return *this;
  }
  ComPtr& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  // Adopts a reference the caller already owns.
  static ComPtr Attach(T* p) {
    ComPtr result;
    result.m_p = p;
    return result;
  }
  // Gives up ownership of the reference without releasing it.
  T* Detach() { return std::exchange(m_p, nullptr); }

  void Reset() {
    if (T* p = std::exchange(m_p, nullptr)) p->Release();
  }
  // Releases what is held and returns the slot for an out-parameter.
  T** ReleaseAndGetAddressOf() {
    Reset();
    return &m_p;
  }
  T** operator&() = delete;

  T* Get() const { return m_p; }
  T* operator->() const { return m_p; }
  T& operator*() const { return *m_p; }
  explicit operator bool() const { return m_p != nullptr; }

  template <typename U>
  HRESULT As(ComPtr<U>& out) const {
    if (!m_p) return E_POINTER;
    return m_p->QueryInterface(U::iid, reinterpret_cast<void**>(out.ReleaseAndGetAddressOf()));
  }

  void Swap(ComPtr& other) noexcept { std::swap(m_p, other.m_p); }

 private:
  T* m_p = nullptr;
};

// Makes a new object whose first reference the returned pointer owns.
template <typename T, typename... Args>
ComPtr<T> MakeCom(Args&&... args) {
  return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}
