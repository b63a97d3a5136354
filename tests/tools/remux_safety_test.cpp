// corvane-remux's promises about the output: a stopped conversion leaves a
// valid file, and a batch goes on past bad sources. (A failed conversion
// leaving the old output as it was is among the end-to-end failures.)
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/platform/win32/scratch.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace media_test;

// The hidden files a conversion writes into before renaming.
std::vector<fs::path> TemporaryFiles(const fs::path& dir) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".part") found.push_back(entry.path());
  }
  return found;
}

// A source long enough that the conversion is still running when signalled:
// the MP4 fixture repeated, without re-encoding.
fs::path LongSource() {
  return FixturePath(
      {"long_mp4",
       "long_h264_aac.mp4",
       {"-stream_loop", "1500", "-i", FixturePath(FixtureNamed("mp4")).string(), "-c", "copy"}});
}

// Runs corvane-remux, sends `signals` once its temporary output has grown
// past a megabyte, and returns its exit status.
int RemuxSignalledWhileWriting(const std::vector<std::string>& args, const fs::path& dir,
                               const std::vector<int>& signals) {
  std::vector<std::string> argv = {CORVANE_REMUX_PROGRAM, "--quiet"};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointers;
  for (std::string& arg : argv) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, CORVANE_REMUX_PROGRAM, nullptr, nullptr, pointers.data(), environ) != 0) return -1;
  for (bool growing = false; !growing;) {
    for (const fs::path& part : TemporaryFiles(dir)) {
      std::error_code ignored;
      growing = growing || fs::file_size(part, ignored) > 1'000'000;
    }
    if (waitpid(pid, nullptr, WNOHANG) != 0) return -2;  // finished before it could be stopped
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  for (int signal : signals) kill(pid, signal);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}

TEST(RemuxStops, OnASignalWithAValidShorterFileAndTheShellsStatus) {
  const fs::path source = LongSource();
  for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
    const fs::path dir = ScratchDir("remux_stop_" + std::to_string(signal));
    const fs::path output = dir / "stopped.mkv";
    ASSERT_EQ(RemuxSignalledWhileWriting({source.string(), output.string()}, dir, {signal}), status);

    const MkvSummary mkv = InspectMatroska(output);
    EXPECT_TRUE(mkv.readCleanly) << mkv.errors;
    EXPECT_TRUE(mkv.hasCues);
    const ProbeResult probe = Probe(output);
    EXPECT_TRUE(probe.ok) << probe.errors;
    EXPECT_GT(probe.durationSeconds, 0);
    EXPECT_LT(probe.durationSeconds, Probe(source).durationSeconds);
    EXPECT_TRUE(TemporaryFiles(dir).empty());
  }
}

TEST(RemuxStops, AtOnceOnASecondSignalLeavingTheOldOutputAndNoTornFile) {
  const fs::path dir = ScratchDir("remux_stop_twice");
  const fs::path output = dir / "kept.mkv";
  std::ofstream(output) << "the user's own file";
  // The kernel merges a signal into the same one still pending, so the
  // second comes as SIGTERM to be sure it arrives as a second one.
  EXPECT_EQ(
      RemuxSignalledWhileWriting({"-y", LongSource().string(), output.string()}, dir, {SIGINT, SIGTERM}),
      130);
  EXPECT_TRUE(Contents(output) == "the user's own file");
  EXPECT_TRUE(TemporaryFiles(dir).empty());
}

TEST(RemuxBatch, ConvertsWhatItCanSummarisesAndExitsWithTheWorstStatus) {
  const fs::path dir = ScratchDir("remux_batch");
  const fs::path good = FixturePath(FixtureNamed("mp4"));
  const fs::path damaged = TruncatedMp4();
  const fs::path unreadable = RandomBytesFile();
  const std::vector<std::string> args = {good.string(), damaged.string(), unreadable.string(), "-o",
                                         dir.string()};

  const ProcessResult batch = RunProgram(CORVANE_REMUX_PROGRAM, args);
  EXPECT_EQ(batch.exitCode, 1);
  EXPECT_NE(batch.err.find("1 failed: " + unreadable.string()), std::string::npos) << batch.err;
  EXPECT_TRUE(InspectMatroska(dir / "h264_aac.mkv").readCleanly);
  EXPECT_FALSE(fs::exists(dir / "random.mkv"));
  EXPECT_TRUE(TemporaryFiles(dir).empty());

  // Run again, the outputs that exist are skipped rather than replaced.
  const std::string before = Contents(dir / "h264_aac.mkv");
  const ProcessResult again = RunProgram(CORVANE_REMUX_PROGRAM, args);
  EXPECT_NE(again.err.find("skipped " + good.string()), std::string::npos) << again.err;
  EXPECT_TRUE(Contents(dir / "h264_aac.mkv") == before);
}

}  // namespace
