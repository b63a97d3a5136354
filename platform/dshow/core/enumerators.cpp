#include "platform/dshow/core/enumerators.h"

MediaTypeEnumerator::MediaTypeEnumerator(std::vector<MediaType> types, std::size_t position)
    : m_types(std::move(types)), m_position(position) {}

HRESULT MediaTypeEnumerator::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<IEnumMediaTypes>(this, riid, ppv))
    return S_OK;
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT MediaTypeEnumerator::Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) {
  if (!types || (!fetched && count != 1)) return E_POINTER;
  std::lock_guard lock(m_lock);
  ULONG n = 0;
  for (; n < count && m_position < m_types.size(); ++n, ++m_position) {
    types[n] = CreateMediaType(&m_types[m_position]);
    if (!types[n]) {
      for (ULONG i = 0; i < n; ++i) DeleteMediaType(types[i]);
      if (fetched) *fetched = 0;
      return E_OUTOFMEMORY;
    }
  }
  if (fetched) *fetched = n;
  return n == count ? S_OK : S_FALSE;
}

HRESULT MediaTypeEnumerator::Skip(ULONG count) {
  std::lock_guard lock(m_lock);
  const std::size_t left = m_types.size() - m_position;
  m_position += std::min<std::size_t>(count, left);
  return count <= left ? S_OK : S_FALSE;
}

HRESULT MediaTypeEnumerator::Reset() {
  std::lock_guard lock(m_lock);
  m_position = 0;
  return S_OK;
}

HRESULT MediaTypeEnumerator::Clone(IEnumMediaTypes** out) {
  if (!out) return E_POINTER;
  std::lock_guard lock(m_lock);
  *out = new MediaTypeEnumerator(m_types, m_position);
  return S_OK;
}
