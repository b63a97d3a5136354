#include "tools/corvane-remux/remux_options.h"

#include <gtest/gtest.h>

namespace {

TEST(RemuxCommandLine, TakesASourceAndAnOutputWithOptionsAnywhere) {
  const auto plain = ParseRemuxCommandLine({"in.mp4", "out.mkv"});
  EXPECT_EQ(plain.error, "");
  EXPECT_EQ(plain.options.sourcePaths, std::vector<std::string>{"in.mp4"});
  EXPECT_EQ(plain.options.outputPath, "out.mkv");
  EXPECT_FALSE(plain.options.overwrite || plain.options.quiet || plain.options.verify);

  const auto late = ParseRemuxCommandLine({"in.mp4", "out.mkv", "--overwrite", "-q", "--verify"});
  EXPECT_EQ(late.error, "");
  EXPECT_TRUE(late.options.overwrite && late.options.quiet && late.options.verify);

  EXPECT_TRUE(ParseRemuxCommandLine({"--version"}).options.showVersion);
}

TEST(RemuxCommandLine, TakesAnyNumberOfSourcesWithAnOutputOption) {
  const auto batch = ParseRemuxCommandLine({"a.mp4", "-o", "folder", "b.avi", "c.ts"});
  EXPECT_EQ(batch.error, "");
  EXPECT_EQ(batch.options.sourcePaths, (std::vector<std::string>{"a.mp4", "b.avi", "c.ts"}));
  EXPECT_EQ(batch.options.outputPath, "folder");
  EXPECT_TRUE(batch.options.outputIsOption);

  const auto single = ParseRemuxCommandLine({"--output=x.mkv", "a.mp4"});
  EXPECT_EQ(single.error, "");
  EXPECT_EQ(single.options.outputPath, "x.mkv");
}

// Bundled short options, shortened long ones and "--", as GNU programs take
// them.
TEST(RemuxCommandLine, TakesOptionsTheGnuWay) {
  const auto bundled = ParseRemuxCommandLine({"-qyo", "folder", "a.mp4"});
  EXPECT_EQ(bundled.error, "");
  EXPECT_TRUE(bundled.options.quiet && bundled.options.overwrite);
  EXPECT_EQ(bundled.options.outputPath, "folder");

  const auto shortened = ParseRemuxCommandLine({"--verb", "--over", "--out=x.mkv", "a.mp4"});
  EXPECT_EQ(shortened.error, "");
  EXPECT_TRUE(shortened.options.verbose && shortened.options.overwrite && !shortened.options.verify);
  EXPECT_EQ(shortened.options.outputPath, "x.mkv");

  // "--ver" could be --verify, --verbose or --version.
  EXPECT_NE(ParseRemuxCommandLine({"--ver", "a", "b"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"-qx", "a", "b"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"--verify=yes", "a", "b"}).error, "");

  const auto ended = ParseRemuxCommandLine({"-o", "out", "--", "-y", "--help"});
  EXPECT_EQ(ended.error, "");
  EXPECT_FALSE(ended.options.overwrite || ended.options.showHelp);
  EXPECT_EQ(ended.options.sourcePaths, (std::vector<std::string>{"-y", "--help"}));
}

TEST(RemuxCommandLine, RefusesWhatItCannotUse) {
  EXPECT_NE(ParseRemuxCommandLine({}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"in.mp4"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"a", "b", "c"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"--force", "a", "b"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"", "b"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"a", "-o"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"-o", "x", "-o", "y", "a"}).error, "");
  EXPECT_NE(ParseRemuxCommandLine({"-o", "folder"}).error, "");
}

}  // namespace
