// The title a running conversion shows: the share done from the graph's
// position or the bytes written, and the time left from the pace so far.
#include "ui/progress_title.h"

#include <gtest/gtest.h>

#include "engine/progress_meter.h"

namespace {

constexpr std::int64_t kSecond = 10'000'000;  // in the graph's 100 ns units

TEST(ConvertProgressTitle, TheShareComesFromThePositionWhenThereIsADurationElseFromTheBytes) {
  EXPECT_DOUBLE_EQ(ShareDone({30 * kSecond, 120 * kSecond, 900, 1000}), 0.25);
  EXPECT_DOUBLE_EQ(ShareDone({130 * kSecond, 120 * kSecond, 0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(ShareDone({-kSecond, 120 * kSecond, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(ShareDone({0, 0, 420, 1000}), 0.42);
  // Bytes never claim the end: the output may outgrow its source.
  EXPECT_DOUBLE_EQ(ShareDone({0, 0, 1100, 1000}), 0.99);
  EXPECT_DOUBLE_EQ(ShareDone({5 * kSecond, 0, 420, 0}), 0.0);
}

TEST(ConvertProgressTitle, ShowsThePercentAndTheTimeLeftOnceThereIsAPace) {
  EXPECT_EQ(ProgressTitle("Corvane", 0.0, 3.0), "Corvane - 0%");
  EXPECT_EQ(ProgressTitle("Corvane", 0.3, 0.0), "Corvane - 30%");
  EXPECT_EQ(ProgressTitle("Corvane", 0.29, 29.0), "Corvane - 29% - 1:11 left");
  EXPECT_EQ(ProgressTitle("Corvane", 0.42, 8.7), "Corvane - 42% - 0:12 left");
  EXPECT_EQ(ProgressTitle("Corvane", 0.999, 100.0), "Corvane - 99% - 0:00 left");
  EXPECT_EQ(ProgressTitle("Corvane", 1.0, 95.0), "Corvane - 100% - 0:00 left");
  EXPECT_EQ(ProgressTitle("Corvane", 0.5, 7265.0), "Corvane - 50% - 2:01:05 left");
}

}  // namespace
