#include "tools/corvane-remux/rewrap_verifier.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <regex>

#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"

namespace {

namespace fs = std::filesystem;
using namespace media_test;
using Verdict = VerificationResult::Verdict;

const auto kNeverStop = [] { return false; };

// Rewraps `fixture` with ffmpeg: the check holds for any faithful writer,
// including one that turns start codes into length prefixes (the TS).
class VerifyRewrapOf : public ::testing::TestWithParam<std::string> {};

TEST_P(VerifyRewrapOf, AcceptsAFaithfulRewrapAndCatchesAShiftedStreamAChangedPayloadOrALostKeyframe) {
  const fs::path source = FixturePath(FixtureNamed(GetParam()));
  const fs::path output = ScratchDir("verify_" + GetParam()) / "out.mkv";
  ASSERT_TRUE(FfmpegCopyToMatroska(source, output));
  EXPECT_EQ(VerifyRewrap(source.string(), output.string(), kNeverStop).verdict, Verdict::kSame);

  // The same packets with the audio a fifth of a second later than the
  // video; the same packets and times with one video packet's bytes changed.
  struct Change {
    std::vector<std::string> ffmpegArgs;
    std::string detail;
  };
  for (const Change& change :
       {Change{{"-itsoffset", "0.2", "-i", output.string(), "-map", "0:v", "-map", "1:a"}, "in time"},
        Change{{"-map", "0", "-bsf:v", "noise=amount=eq(n\\,10)*64"}, "differs"}}) {
    const fs::path changed = output.parent_path() / "changed.mkv";
    std::vector<std::string> args = {"-y", "-loglevel", "error", "-nostdin", "-i", output.string()};
    args.insert(args.end(), change.ffmpegArgs.begin(), change.ffmpegArgs.end());
    args.insert(args.end(), {"-c", "copy", changed.string()});
    ASSERT_EQ(RunProgram("ffmpeg", args).exitCode, 0);
    const VerificationResult result = VerifyRewrap(source.string(), changed.string(), kNeverStop);
    EXPECT_EQ(result.verdict, Verdict::kDifferent) << change.detail;
    EXPECT_NE(result.detail.find(change.detail), std::string::npos) << result.detail;
  }

  // The second video keyframe's mark cleared: its block's flags (the mark
  // alone) follow the block's ID, size, track number and time. The file is
  // read back as stored, where a parser would mark the frame a keyframe again.
  const std::string blocks = RunProgram("mkvinfo", {"-v", "-v", "-v", output.string()}).out;
  const std::regex videoKey("Simple block: key, track number 1, .* at ([0-9]+)");
  auto second = std::next(std::sregex_iterator(blocks.begin(), blocks.end(), videoKey));
  ASSERT_NE(second, std::sregex_iterator());
  std::fstream file(output, std::ios::in | std::ios::out | std::ios::binary);
  char head[2] = {};
  file.seekg(std::stoll((*second)[1])).read(head, 2);
  const auto flagsAt = std::stoll((*second)[1]) + 5 + std::countl_zero(static_cast<uint8_t>(head[1]));
  file.seekp(flagsAt).put(static_cast<char>(0));
  file.close();
  const std::string lost = VerifyRewrap(source.string(), output.string(), kNeverStop).detail;
  EXPECT_NE(lost.find("lost its keyframe mark"), std::string::npos) << lost;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, VerifyRewrapOf, ::testing::Values("mp4", "ts"));

TEST(VerifyRewrap, ReportsMissingPacketsUnreadableOutputsAndAStop) {
  const fs::path source = FixturePath(FixtureNamed("mp4"));
  const fs::path shorter = ScratchDir("verify_cut_short") / "out.mkv";
  ASSERT_TRUE(FfmpegCopyToMatroska(source, shorter));
  fs::resize_file(shorter, fs::file_size(shorter) * 6 / 10);
  const VerificationResult cut = VerifyRewrap(source.string(), shorter.string(), kNeverStop);
  EXPECT_EQ(cut.verdict, Verdict::kDifferent);
  EXPECT_NE(cut.detail.find("packets in the source but"), std::string::npos) << cut.detail;
  EXPECT_EQ(VerifyRewrap(source.string(), RandomBytesFile().string(), kNeverStop).verdict,
            Verdict::kUnreadable);
  EXPECT_EQ(VerifyRewrap(source.string(), source.string(), [] { return true; }).verdict,
            Verdict::kInterrupted);
}

}  // namespace
