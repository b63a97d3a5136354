#include "platform/com/com_ptr.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct ICounter : IUnknown {
  static constexpr IID iid{0x22222222, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};

 protected:
  ~ICounter() = default;
};

class Counted : public RefCount, public ICounter {
 public:
  explicit Counted(bool* destroyed) : m_destroyed(destroyed) {}
  ~Counted() override { *m_destroyed = true; }
  COM_REFCOUNTED
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (OfferInterface<IUnknown>(this, riid, ppv) || OfferInterface<ICounter>(this, riid, ppv)) return S_OK;
    *ppv = nullptr;
    return E_NOINTERFACE;
  }

 private:
  bool* m_destroyed;
};

TEST(ComPtr, ReleasesOnEveryPath) {
  bool destroyed = false;
  Counted* detached = nullptr;
  {
    ComPtr<Counted> owner = MakeCom<Counted>(&destroyed);
    ComPtr<Counted> copy = owner;
    EXPECT_EQ(owner->RefCountForTesting(), 2u);
    ComPtr<Counted> moved = std::move(copy);
    EXPECT_FALSE(copy);
    EXPECT_EQ(owner->RefCountForTesting(), 2u);
    moved = owner;  // self-consistent assignment of the same object
    EXPECT_EQ(owner->RefCountForTesting(), 2u);
    ComPtr<IUnknown> asUnknown;
    EXPECT_EQ(owner.As(asUnknown), S_OK);
    EXPECT_EQ(owner->RefCountForTesting(), 3u);
    detached = moved.Detach();  // hands its reference over
  }
  EXPECT_FALSE(destroyed);
  ComPtr<Counted>::Attach(detached).Reset();
  EXPECT_TRUE(destroyed);
}

TEST(RefCount, IsThreadSafe) {
  bool destroyed = false;
  ComPtr<Counted> owner = MakeCom<Counted>(&destroyed);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 20000; ++i) ComPtr<Counted> copy(owner);
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(owner->RefCountForTesting(), 1u);
  owner = nullptr;
  EXPECT_TRUE(destroyed);
}

}  // namespace
