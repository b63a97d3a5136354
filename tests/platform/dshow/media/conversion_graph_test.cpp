// The conversion graph on real files: File Source (or the self-splitting
// source) → splitter → Matroska muxer → File writer, run with no clock,
// writes a Matroska file that keeps every packet, and replaces whatever a
// file of that name held before.
#include <fstream>

#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/rewrap_checks.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

class ConversionGraphTest : public MediaGraphTest, public ::testing::WithParamInterface<MediaFixture> {};

TEST_P(ConversionGraphTest, WritesAFaithfulMatroskaFile) {
  const MediaFixture& fixture = GetParam();
  const fs::path source = FixturePath(fixture);
  ASSERT_FALSE(source.empty());
  const fs::path output = ScratchDir("conversion_" + fixture.name) / "out.mkv";
  constexpr std::uintmax_t kOldSize = 64 << 20;
  { std::ofstream(output) << "an older, longer file"; }
  fs::resize_file(output, kOldSize);
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(source, output, &built), S_OK);
  const RunOutcome outcome = RunToCompletion(built.graph.Get());
  ASSERT_EQ(outcome.runResult, S_OK);
  ASSERT_EQ(outcome.eventCode, EC_COMPLETE) << std::hex << outcome.eventParam;
  EXPECT_EQ(outcome.stopResult, S_OK);
  EXPECT_LT(fs::file_size(output), kOldSize);
  ExpectFaithfulRewrap(fixture, source, output);
}

// The common fixtures go through the same filters in the engine's real-media
// tests. Every stream of these is offered and kept too: the muxer stores them
// under its compatibility ids or with side data of their own.
INSTANTIATE_TEST_SUITE_P(Codecs, ConversionGraphTest, ::testing::ValuesIn(CodecFixtures()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
