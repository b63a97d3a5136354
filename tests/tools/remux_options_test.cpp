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

  const auto ended = ParseRemuxCommandLine({"-o", "out", "--", "-y", "--help"});
  EXPECT_TRUE(ended.result.GoesOn());
  EXPECT_FALSE(ended.options.overwrite || ended.options.showHelp);
  EXPECT_EQ(ended.options.sourcePaths, (std::vector<std::string>{"-y", "--help"}));
}

// Missing or extra paths, unknown or ambiguous options ("--ver" could be
// --verify, --verbose or --version), values where none belong.
TEST(RemuxCommandLine, RefusesWhatItCannotUse) {
  using Arguments = std::vector<std::string>;
  for (const Arguments& arguments :
       {Arguments{}, Arguments{"in.mp4"}, Arguments{"a", "b", "c"}, Arguments{"--force", "a", "b"},
        Arguments{"", "b"}, Arguments{"a", "-o"}, Arguments{"-o", "x", "-o", "y", "a"},
        Arguments{"-o", "folder"}, Arguments{"--ver", "a", "b"}, Arguments{"-qx", "a", "b"},
        Arguments{"--verify=yes", "a", "b"}}) {
    EXPECT_EQ(ParseRemuxCommandLine(arguments).result.outcome, RemuxOutcome::kRefused)
        << ::testing::PrintToString(arguments);
  }
}

}  // namespace
