#include "tools/corvane-remux/remux_options.h"

#include <gtest/gtest.h>

namespace {

TEST(RemuxCommandLine, TakesASourceAndAnOutputWithOptionsAnywhere) {
  const auto plain = ParseRemuxCommandLine({"in.mp4", "out.mkv"});
  EXPECT_TRUE(plain.result.GoesOn());
  EXPECT_EQ(plain.options.sourcePaths, std::vector<std::string>{"in.mp4"});
  EXPECT_EQ(plain.options.outputPath, "out.mkv");
  EXPECT_FALSE(plain.options.overwrite || plain.options.quiet || plain.options.verify);

  const auto late = ParseRemuxCommandLine({"in.mp4", "out.mkv", "--overwrite", "-q", "--verify"});
  EXPECT_TRUE(late.result.GoesOn());
  EXPECT_TRUE(late.options.overwrite && late.options.quiet && late.options.verify);

  EXPECT_TRUE(ParseRemuxCommandLine({"--version"}).options.showVersion);
}

TEST(RemuxCommandLine, TakesAnyNumberOfSourcesWithAnOutputOption) {
  const auto batch = ParseRemuxCommandLine({"a.mp4", "-o", "folder", "b.avi", "c.ts"});
  EXPECT_TRUE(batch.result.GoesOn());
  EXPECT_EQ(batch.options.sourcePaths, (std::vector<std::string>{"a.mp4", "b.avi", "c.ts"}));
  EXPECT_EQ(batch.options.outputPath, "folder");
  EXPECT_TRUE(batch.options.outputIsOption);

  const auto single = ParseRemuxCommandLine({"--output=x.mkv", "a.mp4"});
  EXPECT_TRUE(single.result.GoesOn());
  EXPECT_EQ(single.options.outputPath, "x.mkv");
}

// Bundled short options, shortened long ones and "--", as GNU programs take
// them.
TEST(RemuxCommandLine, TakesOptionsTheGnuWay) {
  const auto bundled = ParseRemuxCommandLine({"-qyo", "folder", "a.mp4"});
  EXPECT_TRUE(bundled.result.GoesOn());
  EXPECT_TRUE(bundled.options.quiet && bundled.options.overwrite);
  EXPECT_EQ(bundled.options.outputPath, "folder");

  const auto shortened = ParseRemuxCommandLine({"--verb", "--over", "--out=x.mkv", "a.mp4"});
  EXPECT_TRUE(shortened.result.GoesOn());
  EXPECT_TRUE(shortened.options.verbose && shortened.options.overwrite && !shortened.options.verify);
  EXPECT_EQ(shortened.options.outputPath, "x.mkv");

  // "--ver" could be --verify, --verbose or --version.
  EXPECT_EQ(ParseRemuxCommandLine({"--ver", "a", "b"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"-qx", "a", "b"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"--verify=yes", "a", "b"}).result.outcome, RemuxOutcome::kRefused);

  const auto ended = ParseRemuxCommandLine({"-o", "out", "--", "-y", "--help"});
  EXPECT_TRUE(ended.result.GoesOn());
  EXPECT_FALSE(ended.options.overwrite || ended.options.showHelp);
  EXPECT_EQ(ended.options.sourcePaths, (std::vector<std::string>{"-y", "--help"}));
}

TEST(RemuxCommandLine, RefusesWhatItCannotUse) {
  EXPECT_EQ(ParseRemuxCommandLine({}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"in.mp4"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"a", "b", "c"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"--force", "a", "b"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"", "b"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"a", "-o"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"-o", "x", "-o", "y", "a"}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(ParseRemuxCommandLine({"-o", "folder"}).result.outcome, RemuxOutcome::kRefused);
}

}  // namespace
