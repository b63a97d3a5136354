// IUnknown and the reference counting every object of the platform shares.
#pragma once

#include <atomic>
#include <type_traits>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"

// Every interface names its identifier as a static member `iid`, which is what
// ComPtr and IID_PPV_ARGS use in place of __uuidof.
struct IUnknown {
  static constexpr IID iid{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  virtual HRESULT QueryInterface(REFIID riid, void** ppv) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};

template <typename T>
constexpr const IID& IidOf() {
  return T::iid;
}

#define IID_PPV_ARGS(pp) \
  IidOf<std::remove_pointer_t<std::remove_reference_t<decltype(*(pp))>>>(), reinterpret_cast<void**>(pp)

// Thread-safe reference count for objects that implement one or more
// interfaces. An object starts with one reference, owned by whoever made it.
// The last Release deletes it.
class RefCount {
 public:
  RefCount() = default;
  RefCount(const RefCount&) = delete;
  RefCount& operator=(const RefCount&) = delete;
  virtual ~RefCount() = default;

  ULONG AddRefImpl() { return m_refs.fetch_add(1, std::memory_order_relaxed) + 1; }
  ULONG ReleaseImpl() {
    const ULONG left = m_refs.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }
  ULONG RefCountForTesting() const { return m_refs.load(); }

 private:
  std::atomic<ULONG> m_refs{1};
};

// AddRef and Release of a class derived from RefCount and from interfaces.
#define COM_REFCOUNTED                             \
  ULONG AddRef() override { return AddRefImpl(); } \
  ULONG Release() override { return ReleaseImpl(); }

// Hands out `object` as interface I when riid names I; used inside
// QueryInterface implementations.
template <typename I, typename Object>
bool OfferInterface(Object* object, REFIID riid, void** ppv) {
  if (riid != I::iid) return false;
  auto* itf = static_cast<I*>(object);
  itf->AddRef();
  *ppv = itf;
  return true;
}
