#include "tools/corvane-remux/rewrap_verifier.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"
#include "tools/corvane-remux/media_file_reader.h"

namespace {

namespace fs = std::filesystem;
using namespace media_test;
using Verdict = VerificationResult::Verdict;

const auto kNeverStop = [] { return false; };

// The first bytes of the largest video packet: they lie verbatim inside a
// block of the Matroska file.
std::string PayloadSample(const fs::path& file) {
  MediaFileReader reader;
  EXPECT_TRUE(reader.Open(file.string()).GoesOn());
  std::string largest;
  AVPacket* packet = av_packet_alloc();
  int index = 0;
  while (reader.Media().ReadPacket(packet, &index) == 0) {
    const bool video = reader.Media().Stream(index).codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
    if (video && packet->size > static_cast<int>(largest.size()))
      largest.assign(reinterpret_cast<const char*>(packet->data), packet->size);
  }
  av_packet_free(&packet);
  return largest.substr(0, 64);
}

void FlipByteOfPayload(const fs::path& file, const std::string& payload) {
  std::ostringstream contents;
  contents << std::ifstream(file, std::ios::binary).rdbuf();
  const std::size_t at = contents.str().find(payload);
  ASSERT_NE(at, std::string::npos);
  std::fstream edit(file, std::ios::binary | std::ios::in | std::ios::out);
  edit.seekp(static_cast<std::streamoff>(at + payload.size() / 2));
  edit.put(static_cast<char>(payload[payload.size() / 2] ^ 0x40));
}

// Rewraps `fixture` with ffmpeg: the check holds for any faithful writer,
// including one that turns start codes into length prefixes (the TS).
class VerifyRewrapOf : public ::testing::TestWithParam<std::string> {};

TEST_P(VerifyRewrapOf, AcceptsAFaithfulRewrapAndCatchesAShiftedStreamAndOneFlippedPayloadByte) {
  const fs::path source = FixturePath(FixtureNamed(GetParam()));
  const fs::path output = ScratchDir("verify_" + GetParam()) / "out.mkv";
  ASSERT_TRUE(FfmpegCopyToMatroska(source, output));
  EXPECT_EQ(VerifyRewrap(source.string(), output.string(), kNeverStop).verdict, Verdict::kSame);

  // The same packets, the audio a fifth of a second later than the video.
  const fs::path shifted = output.parent_path() / "shifted.mkv";
  ASSERT_EQ(RunProgram("ffmpeg",
                       {"-y", "-loglevel", "error", "-nostdin", "-i", output.string(), "-itsoffset", "0.2",
                        "-i", output.string(), "-map", "0:v", "-map", "1:a", "-c", "copy", shifted.string()})
                .exitCode,
            0);
  const VerificationResult late = VerifyRewrap(source.string(), shifted.string(), kNeverStop);
  EXPECT_EQ(late.verdict, Verdict::kDifferent);
  EXPECT_NE(late.detail.find("in time"), std::string::npos) << late.detail;

  FlipByteOfPayload(output, PayloadSample(output));
  const VerificationResult corrupted = VerifyRewrap(source.string(), output.string(), kNeverStop);
  EXPECT_EQ(corrupted.verdict, Verdict::kDifferent);
  EXPECT_NE(corrupted.detail.find("differs"), std::string::npos) << corrupted.detail;
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
