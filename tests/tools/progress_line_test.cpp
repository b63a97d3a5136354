#include "tools/corvane-remux/progress_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressLine, ShowsShareSpeedAndTimeLeft) {
  // A quarter done in 2 s while writing 50 MB: 25 MB/s, the rest takes 6 s.
  EXPECT_EQ(FormatProgressLine({0.25, 2.0, 50'000'000, 200'000'000}), " 25%     25.0 MB/s  0:06 left");
  // Hours once the rest takes that long.
  EXPECT_EQ(FormatProgressLine({0.00025, 1.0, 1'000'000, 4'000'000'000ULL}),
            "  0%      1.0 MB/s  1:06:39 left");
}

TEST(ProgressLine, NeverClaimsToBeDoneOrDividesByZero) {
  EXPECT_EQ(FormatProgressLine({1.0, 1.0, 300, 200}).substr(0, 4), " 99%");
  EXPECT_EQ(FormatProgressLine({0.0, 0.0, 0, 0}), "  0%      0.0 MB/s  --:-- left");
}

}  // namespace
