// The conversion on real files: the real graph, the FFmpeg-backed filters and
// fixtures made with ffmpeg, the output checked with ffprobe and MKVToolNix.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/convert_to_matroska.h"
#include "platform/com/com_runtime.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/media/install.h"
#include "tests/engine/fakes/recording_backends.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/rewrap_checks.h"

namespace {

namespace fs = std::filesystem;
using namespace media_test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class RealConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    InstallMediaFilters();
  }
  void TearDown() override { CoUninitialize(); }
  HRESULT Convert(const fs::path& source, const fs::path& output) {
    testing::internal::CaptureStdout();
    const HRESULT hr = ConvertToMatroska(source.c_str(), output.c_str());
    printed = testing::internal::GetCapturedStdout();
    return hr;
  }

  std::string printed;
  RecordingMessageBoxes messages;
  RecordingShell shell;  // nothing here may open a browser
};

class EachFixture : public RealConversion, public ::testing::WithParamInterface<MediaFixture> {};

TEST_P(EachFixture, IsRewrappedFaithfullyWithoutAMessage) {
  const fs::path source = FixturePath(GetParam());
  ASSERT_FALSE(source.empty());
  const fs::path output = ScratchDir("engine_" + GetParam().name) / "out.mkv";

  EXPECT_EQ(Convert(source, output), S_OK);

  EXPECT_THAT(messages.Texts(), IsEmpty());
  EXPECT_THAT(printed, HasSubstr("Waiting for completion...\n"));
  ExpectFaithfulRewrap(GetParam(), source, output);
}

INSTANTIATE_TEST_SUITE_P(Engine, EachFixture, ::testing::ValuesIn(GoodFixtures()),
                         [](const auto& info) { return info.param.name; });

TEST_F(RealConversion, PathWithSpacesAndAccentsIsConverted) {
  const fs::path source = UnicodePathCopy();
  const fs::path output = ScratchDir("engine_unicode") / "sortie vid\xC3\xA9o.mkv";
  EXPECT_EQ(Convert(source, output), S_OK);
  EXPECT_THAT(messages.Texts(), IsEmpty());
  ExpectFaithfulRewrap(FixtureNamed("mp4"), source, output);
}

TEST_F(RealConversion, FileNothingCanRenderIsNamedInTheOneMessage) {
  const fs::path source = RandomBytesFile();
  const fs::path output = ScratchDir("engine_random") / "out.mkv";
  const HRESULT hr = Convert(source, output);
  EXPECT_LT(hr, 0);
  char expected[1024];
  std::snprintf(expected, sizeof expected, "Failed to render source file %s!  hr=0x%x\n", source.c_str(),
                static_cast<unsigned>(hr));
  EXPECT_THAT(messages.Texts(), ElementsAre(expected));
  EXPECT_FALSE(fs::exists(output));
}

// The file is written, but a timecode track has no place in it: one message
// after the run names the stream, and the result is not plain success.
TEST_F(RealConversion, StreamLeftOutIsNamedOnceAfterTheRun) {
  const fs::path output = ScratchDir("engine_left_out") / "out.mkv";
  EXPECT_EQ(Convert(TimecodeMov(), output), kConvertedIncomplete);
  ASSERT_EQ(messages.Texts().size(), 1u);
  EXPECT_THAT(messages.Texts()[0], HasSubstr("incomplete"));
  EXPECT_THAT(messages.Texts()[0], HasSubstr("stream 1 (data, unknown): a timecode track"));
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
}

TEST_F(RealConversion, FullDiskIsAFailureAndSaysSo) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  // The run itself ends on the error: only the outcome read after it tells.
  EXPECT_EQ(Convert(FixturePath(FixtureNamed("mp4")), "/dev/full"), HRESULT_FROM_WIN32(ERROR_DISK_FULL));
  EXPECT_THAT(messages.Texts(), ElementsAre("Failed to write the Matroska file!  hr=0x80070070\n"));
}

}  // namespace
