#include "platform/dshow/core/filter_registry.h"

#include <gtest/gtest.h>

#include "platform/com/com_runtime.h"

namespace {

constexpr CLSID kA{0x7E571001, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
constexpr CLSID kB{0x7E571002, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};
constexpr CLSID kC{0x7E571003, 0, 0, {0, 0, 0, 0, 0, 0, 0, 3}};

std::vector<CLSID> Ours() {
  std::vector<CLSID> ours;
  for (const auto& r : FiltersByMerit())
    if (r.clsid == kA || r.clsid == kB || r.clsid == kC) ours.push_back(r.clsid);
  return ours;
}

TEST(FilterRegistryTest, HighestMeritFirstThenRegistrationOrder) {
  RegisterFilter({kA, u"A", MERIT_NORMAL});
  RegisterFilter({kB, u"B", MERIT_PREFERRED});
  RegisterFilter({kC, u"C", MERIT_NORMAL});
  EXPECT_EQ(Ours(), (std::vector<CLSID>{kB, kA, kC}));
  RegisterFilter({kB, u"B", MERIT_UNLIKELY});
  EXPECT_EQ(Ours(), (std::vector<CLSID>{kA, kC, kB}));
  UnregisterFilter(kA);
  UnregisterFilter(kB);
  UnregisterFilter(kC);
  EXPECT_TRUE(Ours().empty());
}

}  // namespace
