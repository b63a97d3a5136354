// Snapshot enumerators: each one copies what it enumerates when made, so a
// filter that adds pins or a graph that gains filters later does not disturb
// an enumeration in progress.
//
// Next(count, items, fetched): `fetched` may be null only when count is 1;
// S_FALSE when fewer than `count` items were returned. Skip past the end
// gives S_FALSE. Any thread; each enumerator guards its own position.
#pragma once

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/core/media_type.h"

// Enumerator interface I (IEnumPins, IEnumFilters) over items of interface T.
template <typename I, typename T>
class SnapshotEnumerator : public RefCount, public I {
 public:
  explicit SnapshotEnumerator(std::vector<ComPtr<T>> items, std::size_t position = 0)
      : m_items(std::move(items)), m_position(position) {}

  static ComPtr<SnapshotEnumerator> Make(std::vector<ComPtr<T>> items) {
    return MakeCom<SnapshotEnumerator>(std::move(items));
  }

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<I>(this, riid, ppv)) return S_OK;
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  COM_REFCOUNTED

  HRESULT Next(ULONG count, T** out, ULONG* fetched) override {
    if (!out || (!fetched && count != 1)) return E_POINTER;
    std::lock_guard lock(m_lock);
    ULONG n = 0;
    for (; n < count && m_position < m_items.size(); ++n, ++m_position) {
      out[n] = m_items[m_position].Get();
      out[n]->AddRef();
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT Skip(ULONG count) override {
    std::lock_guard lock(m_lock);
    const std::size_t left = m_items.size() - m_position;
    m_position += std::min<std::size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    std::lock_guard lock(m_lock);
    m_position = 0;
    return S_OK;
  }
  HRESULT Clone(I** out) override {
    if (!out) return E_POINTER;
    std::lock_guard lock(m_lock);
    *out = new SnapshotEnumerator(m_items, m_position);
    return S_OK;
  }

 private:
  const std::vector<ComPtr<T>> m_items;
  std::size_t m_position;
  std::mutex m_lock;
};

using PinEnumerator = SnapshotEnumerator<IEnumPins, IPin>;
using FilterEnumerator = SnapshotEnumerator<IEnumFilters, IBaseFilter>;

// Media types, handed out as CreateMediaType copies.
class MediaTypeEnumerator : public RefCount, public IEnumMediaTypes {
 public:
  explicit MediaTypeEnumerator(std::vector<MediaType> types, std::size_t position = 0);

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED

  HRESULT Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) override;
  HRESULT Skip(ULONG count) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumMediaTypes** out) override;

 private:
  const std::vector<MediaType> m_types;
  std::size_t m_position;
  std::mutex m_lock;
};
