// An enumerator over a snapshot of objects, handing out one reference per item.
#pragma once

#include <vector>

#include "platform/com/com_ptr.h"
#include "tests/engine/fakes/fake_object.h"

template <typename Enum, typename Item>
class FakeEnum : public FakeObject, public Enum {
 public:
  explicit FakeEnum(std::vector<ComPtr<Item>> items) : m_items(std::move(items)) {}
  COM_REFCOUNTED
  HRESULT QueryInterface(REFIID, void**) override { UNEXPECTED_CALL(); }

  HRESULT Next(ULONG count, Item** items, ULONG* fetched) override {
    ULONG given = 0;
    for (; given < count && m_position < m_items.size(); ++given, ++m_position) {
      items[given] = m_items[m_position].Get();
      items[given]->AddRef();
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    m_position = 0;
    return S_OK;
  }
  HRESULT Skip(ULONG) override { UNEXPECTED_CALL(); }
  HRESULT Clone(Enum**) override { UNEXPECTED_CALL(); }

 private:
  std::vector<ComPtr<Item>> m_items;
  std::size_t m_position = 0;
};
