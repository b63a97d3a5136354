#include "platform/com/guid.h"

#include <gtest/gtest.h>

namespace {

constexpr GUID kMuxer{0xA28F324B, 0xDDC5, 0x4999, {0xAA, 0x25, 0xD3, 0xA7, 0xE2, 0x5E, 0xF7, 0xA8}};

TEST(Guid, PrintsAndParsesTheRegistryForm) {
  EXPECT_EQ(GuidToString(kMuxer), "{A28F324B-DDC5-4999-AA25-D3A7E25EF7A8}");
  EXPECT_EQ(GuidFromString("{A28F324B-DDC5-4999-AA25-D3A7E25EF7A8}"), kMuxer);
  EXPECT_EQ(GuidFromString("a28f324b-ddc5-4999-aa25-d3a7e25ef7a8"), kMuxer);
  EXPECT_EQ(GuidToString(*GuidFromString(GuidToString(kMuxer))), GuidToString(kMuxer));
}

TEST(Guid, RefusesMalformedText) {
  for (const char* bad :
       {"", "{}", "{A28F324B-DDC5-4999-AA25-D3A7E25EF7A8", "A28F324B-DDC5-4999-AA25-D3A7E25EF7A",
        "{A28F324B-DDC5-4999-AA25-D3A7E25EF7AG}", "{A28F324BDDDC5-4999-AA25-D3A7E25EF7A8}",
        "{A28F324B-DDC5-4999-AA25D-3A7E25EF7A8}"}) {
    EXPECT_FALSE(GuidFromString(bad).has_value()) << bad;
  }
}

TEST(Guid, OrdersAndComparesEveryField) {
  GUID other = kMuxer;
  other.Data4[7] ^= 1;
  EXPECT_NE(other, kMuxer);
  EXPECT_TRUE(kMuxer < other || other < kMuxer);
  EXPECT_FALSE(kMuxer < kMuxer);
}

}  // namespace
