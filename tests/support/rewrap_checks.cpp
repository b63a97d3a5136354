#include "tests/support/rewrap_checks.h"

#include <gtest/gtest.h>

#include "tests/support/media_checks.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

void ExpectSameStreams(const ProbeResult& source, const ProbeResult& output) {
  ASSERT_EQ(source.streams.size(), output.streams.size());
  for (std::size_t i = 0; i < source.streams.size(); ++i) {
    SCOPED_TRACE("stream " + std::to_string(i));
    EXPECT_EQ(output.streams[i].codecType, source.streams[i].codecType);
    EXPECT_EQ(output.streams[i].codecName, source.streams[i].codecName);
    const std::string language = source.streams[i].language;
    if (!language.empty() && language != "und") {
      EXPECT_EQ(output.streams[i].language, language);
    }
    EXPECT_EQ(output.streams[i].title, source.streams[i].title);
  }
}

}  // namespace

void ExpectFaithfulRewrap(const MediaFixture& fixture, const fs::path& source, const fs::path& output,
                          double durationTolerance) {
  SCOPED_TRACE("fixture " + fixture.name);
  const ProbeResult probedOutput = Probe(output);
  EXPECT_TRUE(probedOutput.ok) << probedOutput.errors;
  const MkvSummary mkv = InspectMatroska(output);
  EXPECT_TRUE(mkv.readCleanly) << mkv.errors;
  EXPECT_TRUE(mkv.hasCues);
  EXPECT_EQ(mkv.writingApplication, "Corvane " CORVANE_PROJECT_VERSION);
  EXPECT_EQ(mkv.trackCount, fixture.videoStreams + fixture.audioStreams + fixture.subtitleStreams);
  const ProbeResult probedSource = Probe(source);
  ExpectSameStreams(probedSource, probedOutput);
  EXPECT_EQ(probedOutput.chapterCount, probedSource.chapterCount);

  std::string ffmpegError;
  const auto reference = FfmpegCopyToMatroska(source, output.parent_path() / "ffmpeg_copy.mkv", &ffmpegError);
  if (fixture.lacksTimestamps) {
    EXPECT_FALSE(reference) << "ffmpeg -c copy was expected to refuse this file";
    EXPECT_NE(ffmpegError.find("unknown timestamp"), std::string::npos) << ffmpegError;
  } else {
    ASSERT_TRUE(reference) << ffmpegError;
  }
  // The same codec private data as ffmpeg's copy: the side data of every
  // stream reaches the file (a VobSub track's palette and frame size too).
  if (reference) {
    EXPECT_EQ(mkv.codecPrivates, InspectMatroska(*reference).codecPrivates);
  }
  const fs::path hashReference = fixture.bitstreamReformatted ? *reference : source;
  const auto expectedHashes = PacketHashes(hashReference);
  ASSERT_FALSE(expectedHashes.empty());
  EXPECT_EQ(PacketHashes(output), expectedHashes);
  const double expectedDuration =
      reference ? Probe(*reference).durationSeconds : probedSource.durationSeconds;
  EXPECT_NEAR(probedOutput.durationSeconds, expectedDuration, reference ? durationTolerance : 0.05);
}
