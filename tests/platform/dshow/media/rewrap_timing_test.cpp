// Timing through repeated rewraps: the conversion graph rewraps a source,
// then its own output twice more. Every packet must keep its time relative to
// the other streams, and a rewrap of a rewrap must change no timestamp, for
// an Opus stream with a codec delay, AAC with MP4 priming and MPEG-TS starting
// far from zero.
#include <algorithm>
#include <cmath>

#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

// Matroska stores milliseconds: each of two rounded times may be off by half.
constexpr double kGridSeconds = 0.001 + 1e-9;

struct TimingCase {
  std::string name;
  fs::path (*source)();
};
void PrintTo(const TimingCase& timing, std::ostream* out) { *out << timing.name; }

// A packet's time is its presentation time as a player uses it: when its
// first decoded sample is due, counting the samples the decoder drops. That is
// a Matroska block's timestamp minus the track's CodecDelay (Opus pre-skip),
// and an MP4 sample's time through the edit list, AAC priming before zero.
// Times count from the first video frame shown, so the file's own start, which
// a rewrap makes zero, does not matter.
std::map<int, std::vector<double>> TimesFromFirstVideoFrame(const fs::path& file) {
  PacketTimeline timeline = PacketTimes(file);
  EXPECT_EQ(timeline.videoStreams.size(), 1u) << file;
  if (timeline.videoStreams.size() != 1) return {};
  const std::vector<double>& video = timeline.seconds[timeline.videoStreams[0]];
  const double firstFrame = *std::min_element(video.begin(), video.end());
  for (auto& [stream, times] : timeline.seconds) {
    for (double& time : times) time -= firstFrame;
  }
  return timeline.seconds;
}

void ExpectWithinGrid(const std::map<int, std::vector<double>>& expected,
                      const std::map<int, std::vector<double>>& actual) {
  ASSERT_EQ(actual.size(), expected.size());
  for (const auto& [stream, times] : expected) {
    SCOPED_TRACE("stream " + std::to_string(stream));
    const std::vector<double>& got = actual.at(stream);
    ASSERT_EQ(got.size(), times.size());
    for (std::size_t i = 0; i < times.size(); ++i)
      ASSERT_NEAR(got[i], times[i], kGridSeconds) << "packet " << i;
  }
}

void Rewrap(const fs::path& source, const fs::path& output) {
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(source, output, &built), S_OK);
  const RunOutcome outcome = RunToCompletion(built.graph.Get());
  ASSERT_EQ(outcome.eventCode, EC_COMPLETE) << std::hex << outcome.eventParam;
}

class RewrapTimingTest : public MediaGraphTest, public ::testing::WithParamInterface<TimingCase> {};

TEST_P(RewrapTimingTest, KeepsEveryPacketsTimeThroughThreeRewraps) {
  const fs::path source = GetParam().source();
  ASSERT_FALSE(source.empty());
  const fs::path dir = ScratchDir("rewrap_timing_" + GetParam().name);
  const fs::path outputs[] = {dir / "out1.mkv", dir / "out2.mkv", dir / "out3.mkv"};
  ASSERT_NO_FATAL_FAILURE(Rewrap(source, outputs[0]));
  ASSERT_NO_FATAL_FAILURE(Rewrap(outputs[0], outputs[1]));
  ASSERT_NO_FATAL_FAILURE(Rewrap(outputs[1], outputs[2]));

  const auto first = PacketTimes(outputs[0]).seconds;
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(PacketTimes(outputs[1]).seconds, first) << "the second rewrap moved packets";
  EXPECT_EQ(PacketTimes(outputs[2]).seconds, first) << "the third rewrap moved packets";
  ExpectWithinGrid(TimesFromFirstVideoFrame(source), TimesFromFirstVideoFrame(outputs[2]));
}

fs::path OpusWebm() { return FixturePath(FixtureNamed("webm")); }
fs::path PrimedAacMp4() { return FixturePath(FixtureNamed("mp4")); }
fs::path TsFromOnePointFourSeconds() { return FixturePath(FixtureNamed("ts")); }

INSTANTIATE_TEST_SUITE_P(Sources, RewrapTimingTest,
                         ::testing::Values(TimingCase{"opus_webm", &OpusWebm},
                                           TimingCase{"primed_aac_mp4", &PrimedAacMp4},
                                           TimingCase{"ts_late_start", &TsFromOnePointFourSeconds},
                                           TimingCase{"ts_pts_wrap", &PtsWrapTs}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
