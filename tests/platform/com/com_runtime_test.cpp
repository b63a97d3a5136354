#include "platform/com/com_runtime.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/com/com_ptr.h"

namespace {

struct IWidget : IUnknown {
  static constexpr IID iid{0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
  virtual int Value() = 0;

 protected:
  ~IWidget() = default;
};

struct IGadget : IUnknown {
  static constexpr IID iid{0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 9}};
};

int g_liveWidgets = 0;

class Widget : public RefCount, public IWidget {
 public:
  Widget() { ++g_liveWidgets; }
  ~Widget() override { --g_liveWidgets; }
  COM_REFCOUNTED
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (OfferInterface<IUnknown>(static_cast<IWidget*>(this), riid, ppv) ||
        OfferInterface<IWidget>(this, riid, ppv))
      return S_OK;
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  int Value() override { return 42; }
};

constexpr CLSID kWidgetClass{0xAAAA0001, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};

class ComRuntime : public ::testing::Test {
 protected:
  void SetUp() override { CoRegisterClass(kWidgetClass, FactoryOf<Widget>()); }
  void TearDown() override {
    CoUnregisterClass(kWidgetClass);
    EXPECT_EQ(g_liveWidgets, 0);
  }
};

TEST_F(ComRuntime, InitialisationNestsPerThreadAndRefusesAModeChange) {
  std::thread([] {
    EXPECT_FALSE(CoIsInitializedOnThread());
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    CoUninitialize();
    EXPECT_TRUE(CoIsInitializedOnThread());
    CoUninitialize();
    EXPECT_FALSE(CoIsInitializedOnThread());
    // A fresh start may pick the other mode.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    CoUninitialize();
  }).join();
}

// A class not installed gives REGDB_E_CLASSNOTREG, checked with the engine's
// CreateFilter (FilterGraphHelpersTest) and with RenderFile (BuildingTest).
TEST_F(ComRuntime, CreatesOnlyOnAnInitialisedThreadAndOnlyWhatTheObjectOffers) {
  std::thread([] {
    IWidget* widget = reinterpret_cast<IWidget*>(0x1);
    EXPECT_EQ(CoCreateInstance(kWidgetClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&widget)),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(widget, nullptr);
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    ASSERT_EQ(CoCreateInstance(kWidgetClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&widget)), S_OK);
    EXPECT_EQ(widget->Value(), 42);
    widget->Release();
    ComPtr<IGadget> gadget;
    EXPECT_EQ(CoCreateInstance(kWidgetClass, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(gadget.ReleaseAndGetAddressOf())),
              E_NOINTERFACE);
    EXPECT_FALSE(gadget);  // and the object made for it is gone again (TearDown)
    CoUninitialize();
  }).join();
}

}  // namespace
