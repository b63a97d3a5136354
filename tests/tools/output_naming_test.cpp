#include "tools/corvane-remux/output_naming.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/temporary_output.h"
#include "tools/corvane-remux/remux_options.h"

namespace {

namespace fs = std::filesystem;

RemuxPlan Plan(const std::vector<std::string>& arguments) {
  const ParsedCommandLine parsed = ParseRemuxCommandLine(arguments);
  EXPECT_TRUE(parsed.result.GoesOn());
  return PlanRemuxJobs(parsed.options);
}

TEST(RemuxPlan, NamesEachOutputAfterItsSourceInTheFolderAndRefusesClashes) {
  const std::string folder = testing::TempDir();
  const RemuxPlan batch = Plan({"a/clip.mp4", "b/show.part1.ts", "-o", folder});
  ASSERT_TRUE(batch.result.GoesOn());
  ASSERT_EQ(batch.jobs.size(), 2u);
  EXPECT_EQ(batch.jobs[0].outputPath, (fs::path(folder) / "clip.mkv").string());
  EXPECT_EQ(batch.jobs[1].outputPath, (fs::path(folder) / "show.part1.mkv").string());

  EXPECT_EQ(Plan({"clip.mp4", "-o", "named.mkv"}).jobs.at(0).outputPath, "named.mkv");
  EXPECT_EQ(Plan({"a/clip.mp4", "b/clip.avi", "-o", folder}).result.outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(Plan({"a.mp4", "b.mp4", "-o", "not-a-folder.mkv"}).result.outcome, RemuxOutcome::kRefused);
}

TEST(RemuxExtension, WarnsWhenTheNameDoesNotFitWhatTheSourceHolds) {
  int probes = 0;
  const auto holding = [&probes](StreamKinds kinds) {
    return [&probes, kinds]() -> std::optional<StreamKinds> {
      ++probes;
      return kinds;
    };
  };
  const StreamKinds audio{false, true, false}, video{true, true, false}, subtitles{false, false, true};
  EXPECT_EQ(ExtensionWarning("x.MKV", holding(video)), "");
  EXPECT_EQ(probes, 0);  // .mkv fits anything, no need to read the source
  EXPECT_EQ(ExtensionWarning("x.mka", holding(audio)), "");
  EXPECT_EQ(ExtensionWarning("x.mks", holding(subtitles)), "");
  EXPECT_NE(ExtensionWarning("x.mka", holding(video)), "");
  EXPECT_NE(ExtensionWarning("x.mks", holding(audio)), "");
  EXPECT_NE(ExtensionWarning("x.mp4", holding(video)), "");
}

// Dropping an uncommitted file is covered by the end-to-end failures.
TEST(RemuxTemporaryOutput, IsHiddenBesideTheOutputAndTakesOverItsPermissions) {
  const fs::path dir = fs::path(testing::TempDir()) / "temporary_output";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path output = dir / "out.mkv";
  std::ofstream(output) << "old";
  fs::permissions(output, fs::perms(0640));

  TemporaryOutput kept(output.string());
  ASSERT_EQ(kept.Created(), S_OK);
  EXPECT_EQ(fs::path(kept.Path()).filename().string().rfind(".out.mkv.", 0), 0u);
  std::ofstream(kept.Path()) << "new";
  EXPECT_EQ(kept.Commit(), S_OK);
  EXPECT_EQ(fs::file_size(output), 3u);
  EXPECT_EQ(fs::status(output).permissions(), fs::perms(0640));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

}  // namespace
