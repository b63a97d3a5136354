// corvane-remux as a user runs it: real files in, exit status and messages
// out, and the source never touched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/rewrap_checks.h"

namespace {

namespace fs = std::filesystem;
using namespace media_test;

ProcessResult Remux(const std::vector<std::string>& args) { return RunProgram(CORVANE_REMUX_PROGRAM, args); }

std::string FileContents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class RemuxConverts : public ::testing::TestWithParam<std::string> {};

TEST_P(RemuxConverts, WritesAFaithfulMatroskaFileAndLeavesTheSourceAlone) {
  const MediaFixture& fixture = FixtureNamed(GetParam());
  const fs::path source = FixturePath(fixture);
  ASSERT_FALSE(source.empty());
  const std::string before = FileContents(source);
  const fs::path output = ScratchDir("remux_" + fixture.name) / "out.mkv";

  const ProcessResult run = Remux({"--verify", source.string(), output.string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");  // standard output stays clean for scripts
  ExpectFaithfulRewrap(fixture, source, output);
  EXPECT_EQ(FileContents(source), before);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RemuxConverts,
                         ::testing::Values("mp4", "mpeg_ps", "webm", "mkv_subs_chapters", "wmv",
                                           "two_audio"));

class RemuxRefuses : public ::testing::Test {
 protected:
  fs::path m_source = FixturePath(FixtureNamed("mp4"));
};

TEST_F(RemuxRefuses, AnExistingOutputUnlessAskedToReplaceIt) {
  const fs::path output = ScratchDir("remux_existing") / "kept.mkv";
  std::ofstream(output) << "the user's own file";

  const ProcessResult refused = Remux({m_source.string(), output.string()});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("--overwrite"), std::string::npos) << refused.err;
  EXPECT_EQ(FileContents(output), "the user's own file");

  const ProcessResult replaced = Remux({"--overwrite", m_source.string(), output.string()});
  EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
}

TEST_F(RemuxRefuses, ToWriteOverItsOwnSource) {
  const fs::path copy = ScratchDir("remux_self") / "source.mp4";
  fs::copy_file(m_source, copy);
  const std::string before = FileContents(copy);
  const ProcessResult run =
      Remux({"--overwrite", copy.string(), (copy.parent_path() / "." / "source.mp4").string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("is the source itself"), std::string::npos) << run.err;
  EXPECT_EQ(FileContents(copy), before);
}

TEST(RemuxFails, OnWhatItCannotReadWithTheReasonAndNonZeroStatus) {
  const fs::path dir = ScratchDir("remux_bad_input");
  for (const fs::path& bad : {RandomBytesFile(), EmptyFile()}) {
    const ProcessResult run = Remux({bad.string(), (dir / "out.mkv").string()});
    EXPECT_EQ(run.exitCode, 1) << bad;
    EXPECT_NE(run.err.find("Failed to render source file " + bad.string()), std::string::npos) << run.err;
    // The last line names the cause in plain words; FFmpeg's own lines
    // ("[mov,mp4,... @ 0x...] ...") never reach the user.
    EXPECT_NE(run.err.find("failed: the source is"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(" @ 0x"), std::string::npos) << run.err;
    fs::remove(dir / "out.mkv");
  }
  const ProcessResult missing = Remux({MissingFile().string(), (dir / "out.mkv").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_FALSE(fs::exists(dir / "out.mkv"));
}

TEST(RemuxFails, WhenTheOutputFolderDoesNotExist) {
  const fs::path output = ScratchDir("remux_no_folder") / "missing" / "out.mkv";
  const ProcessResult run = Remux({FixturePath(FixtureNamed("mp4")).string(), output.string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("the output folder " + output.parent_path().string() + " does not exist"),
            std::string::npos)
      << run.err;
}

// A stream Matroska has no place for is named, and the status says the
// output is incomplete although it was written.
TEST(RemuxWarns, WhenAStreamOfTheSourceCannotBeCarried) {
  const fs::path output = ScratchDir("remux_left_out") / "out.mkv";
  const ProcessResult run = Remux({TimecodeMov().string(), output.string()});
  EXPECT_EQ(run.exitCode, 3) << run.err;
  EXPECT_NE(run.err.find("(data, unknown): a timecode track"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("warning: " + output.string() + " was written, but it does not hold all"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
}

TEST(RemuxHelp, ExplainsItselfAndConvertsNothing) {
  const ProcessResult help = Remux({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: corvane-remux [OPTIONS] SOURCE OUTPUT.mkv"), std::string::npos);
  const ProcessResult wrong = Remux({"only-one-argument"});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_NE(wrong.err.find("--help"), std::string::npos);
}

}  // namespace
