// The conversion on real files: the real graph, the FFmpeg-backed filters and
// fixtures made with ffmpeg, the output checked with ffprobe and MKVToolNix.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/convert_to_matroska.h"
#include "engine/convert_to_matroska_file.h"
#include "platform/com/com_runtime.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/media/install.h"
#include "tests/platform/win32/scratch.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/rewrap_checks.h"
#include "tests/support/scripted_desktop.h"

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
  ScriptedDesktop desktop;  // message boxes recorded; nothing here may open a browser
};

class EachFixture : public RealConversion, public ::testing::WithParamInterface<MediaFixture> {};

TEST_P(EachFixture, IsRewrappedFaithfullyWithoutAMessage) {
  const fs::path source = FixturePath(GetParam());
  ASSERT_FALSE(source.empty());
  const fs::path output = ScratchDir("engine_" + GetParam().name) / "out.mkv";

  EXPECT_EQ(Convert(source, output), S_OK);

  EXPECT_THAT(desktop.BoxTexts(), IsEmpty());
  ExpectFaithfulRewrap(GetParam(), source, output);
}

INSTANTIATE_TEST_SUITE_P(Engine, EachFixture, ::testing::ValuesIn(GoodFixtures()),
                         [](const auto& info) { return info.param.name; });

// The file is written, but a data track of unknown codec has no place in it:
// one message after the run names the stream, and the result is not plain
// success.
TEST_F(RealConversion, StreamLeftOutIsNamedOnceAfterTheRun) {
  const fs::path output = ScratchDir("engine_left_out") / "out.mkv";
  EXPECT_EQ(Convert(UnknownDataTrackNut(), output), kConvertedIncomplete);
  ASSERT_EQ(desktop.BoxTexts().size(), 1u);
  EXPECT_THAT(desktop.BoxTexts()[0], HasSubstr("incomplete"));
  EXPECT_THAT(desktop.BoxTexts()[0], HasSubstr("stream 1 (data, unknown): its codec is unknown"));
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
}

TEST_F(RealConversion, FullDiskIsAFailureAndSaysSo) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  // The run itself ends on the error: only the outcome read after it tells.
  EXPECT_EQ(Convert(FixturePath(FixtureNamed("mp4")), "/dev/full"), HRESULT_FROM_WIN32(ERROR_DISK_FULL));
  EXPECT_THAT(desktop.BoxTexts(), ElementsAre("Failed to write the Matroska file!  hr=0x80070070\n"));
}

// Records what a conversion tells its listener, in order.
class RecordingListener final : public ConversionListener {
 public:
  void OnMessage(const ConversionMessage& message) override {
    events.push_back("message");
    messages.push_back(message);
  }
  void OnDiagnostic(const char* line) override { narration += line; }
  void OnProgress(const ConversionProgress& progress) override {
    if (events.empty() || events.back() != "progress") events.push_back("progress");
    shares.push_back(progress.shareDone);
  }
  void OnSourceNotes(const SourceNotes& notes) override {
    events.push_back(notes.Complete() ? "complete notes" : "incomplete notes");
  }
  bool StopRequested() override { return stopOnProgress && !shares.empty(); }
  void OnWrittenFile(const char* path) override {
    events.push_back(path ? "writing" : "done writing");
    if (path) writtenPath = path;
  }
  bool KeepWrittenFile(const std::string& path, ConversionEnd end) override {
    events.push_back("keep?");
    EXPECT_EQ(path, writtenPath);
    return keep && ConversionListener::KeepWrittenFile(path, end);
  }

  bool stopOnProgress = false;
  bool keep = true;
  std::vector<std::string> events;
  std::vector<ConversionMessage> messages;
  std::vector<double> shares;
  std::string narration;
  std::string writtenPath;
};

// The source and the output have spaces and accents in their paths, as
// users' videos have.
TEST_F(RealConversion, TheListenerHearsProgressThenTheNotesThenTheFinishedFileReplacesTheOldOne) {
  const fs::path source = UnicodePathCopy();
  const fs::path folder = ScratchDir("engine_listener_keep");
  const fs::path output = folder / "sortie vid\xC3\xA9o.mkv";
  std::ofstream(output) << "old";
  RecordingListener keeping;
  const FileConversionResult result = ConvertToMatroskaFile(source.c_str(), output.c_str(), keeping);
  EXPECT_EQ(result.end, ConversionEnd::kComplete);
  EXPECT_EQ(result.hr, S_OK);
  EXPECT_TRUE(result.outputReplaced);
  EXPECT_THAT(keeping.events, ElementsAre("writing", "progress", "complete notes", "keep?", "done writing"));
  EXPECT_TRUE(std::is_sorted(keeping.shares.begin(), keeping.shares.end()));
  EXPECT_GE(keeping.shares.front(), 0.0);
  EXPECT_LE(keeping.shares.back(), 1.0);
  EXPECT_THAT(keeping.narration, HasSubstr("Waiting for completion...\n"));
  EXPECT_THAT(desktop.boxes, IsEmpty());  // everything went to the listener
  EXPECT_THAT(FilesIn(folder), ElementsAre("sortie vid\xC3\xA9o.mkv"));
  ExpectFaithfulRewrap(FixtureNamed("mp4"), source, output);
}

// A stopped file is not kept by default, a finished one not when the listener
// refuses it; either way the old output stays and nothing is left beside it.
TEST_F(RealConversion, AFileThatIsNotKeptLeavesTheOldOutputAlone) {
  for (const bool stop : {true, false}) {
    const fs::path folder = ScratchDir(stop ? "engine_listener_stop" : "engine_listener_drop");
    const fs::path output = folder / "out.mkv";
    std::ofstream(output) << "old";
    RecordingListener listener;
    listener.stopOnProgress = stop;
    listener.keep = stop;
    const FileConversionResult result =
        ConvertToMatroskaFile(FixturePath(FixtureNamed("mp4")).c_str(), output.c_str(), listener);
    EXPECT_EQ(result.end, stop ? ConversionEnd::kStopped : ConversionEnd::kComplete);
    EXPECT_EQ(result.hr, stop ? kConversionStopped : S_OK);
    EXPECT_FALSE(result.outputReplaced);
    std::vector<std::string> events = {"writing", "progress", "keep?", "done writing"};
    if (!stop) events.insert(events.begin() + 2, "complete notes");  // only after a run to its end
    EXPECT_EQ(listener.events, events);
    EXPECT_EQ(Contents(output), "old");
    EXPECT_THAT(FilesIn(folder), ElementsAre("out.mkv"));
  }
}

TEST_F(RealConversion, FailuresReachTheListenerWithTheirCodesAndLeaveTheOldOutputAlone) {
  const fs::path folder = ScratchDir("engine_listener_failure");
  const fs::path output = folder / "out.mkv";
  std::ofstream(output) << "old";
  RecordingListener unreadable;
  const fs::path source = RandomBytesFile();
  FileConversionResult result = ConvertToMatroskaFile(source.c_str(), output.c_str(), unreadable);
  EXPECT_EQ(result.end, ConversionEnd::kFailed);
  EXPECT_THAT(unreadable.events, ElementsAre("writing", "message", "done writing"));
  ASSERT_EQ(unreadable.messages.size(), 1u);
  EXPECT_EQ(unreadable.messages[0].kind, MessageKind::kFailure);
  EXPECT_EQ(unreadable.messages[0].code, result.hr);
  EXPECT_THAT(unreadable.messages[0].text, HasSubstr("Failed to render source file " + source.string()));
  EXPECT_EQ(Contents(output), "old");
  EXPECT_THAT(FilesIn(folder), ElementsAre("out.mkv"));

  RecordingListener intoAFolder;
  result = ConvertToMatroskaFile(FixturePath(FixtureNamed("mp4")).c_str(), folder.c_str(), intoAFolder);
  EXPECT_EQ(result.hr, HRESULT_FROM_WIN32(ERROR_DIRECTORY));
  ASSERT_EQ(intoAFolder.messages.size(), 1u);
  EXPECT_EQ(intoAFolder.messages[0].text, "Failed to set target filename!  hr=0x8007010b\n");
  EXPECT_THAT(desktop.boxes, IsEmpty());
  EXPECT_THAT(FilesIn(folder), ElementsAre("out.mkv"));
}

}  // namespace
