#include <gtest/gtest.h>

#include "tools/corvane-remux/remux_options.h"

namespace {

TEST(RemuxCommandLine, TakesASourceAndAnOutputWithOptionsAnywhere) {
  const auto plain = ParseRemuxCommandLine({"in.mp4", "out.mkv"});
  EXPECT_EQ(plain.error, "");
  EXPECT_EQ(plain.options.sourcePath, "in.mp4");
  EXPECT_EQ(plain.options.outputPath, "out.mkv");
  EXPECT_FALSE(plain.options.overwrite);

  const auto late = ParseRemuxCommandLine({"in.mp4", "out.mkv", "--overwrite"});
  EXPECT_EQ(late.error, "");
  EXPECT_TRUE(late.options.overwrite);

  // After "--" a name that starts with a dash is a file.
  const auto dashed = ParseRemuxCommandLine({"--", "-in.mp4", "out.mkv"});
  EXPECT_EQ(dashed.error, "");
  EXPECT_EQ(dashed.options.sourcePath, "-in.mp4");
}

TEST(RemuxCommandLine, RefusesWhatItCannotUse) {
  EXPECT_NE(ParseRemuxCommandLine({}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"in.mp4"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"a", "b", "c"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"--force", "a", "b"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"", "b"}).error, "");
}

}  // namespace
