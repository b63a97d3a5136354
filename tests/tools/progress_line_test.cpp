#include <gtest/gtest.h>

#include "tools/corvane-remux/progress_line.h"

namespace {

TEST(ProgressLine, ShowsShareSpeedAndTimeLeft) {
  // 50 MB of 200 MB in 2 s: 25 MB/s, 150 MB to go take 6 s.
  EXPECT_EQ(FormatProgressLine(50'000'000, 200'000'000, 2.0), " 25%     25.0 MB/s  0:06 left");
  // Hours once the rest takes that long.
  EXPECT_EQ(FormatProgressLine(1'000'000, 4'000'000'000ULL, 1.0), "  0%      1.0 MB/s  1:06:39 left");
}

TEST(ProgressLine, NeverClaimsToBeDoneOrDividesByZero) {
  // Matroska can come out larger than its source: still short of 100%.
  EXPECT_EQ(FormatProgressLine(300, 200, 1.0).substr(0, 4), " 99%");
  EXPECT_EQ(FormatProgressLine(0, 0, 0.0), "  0%      0.0 MB/s  --:-- left");
}

}  // namespace
