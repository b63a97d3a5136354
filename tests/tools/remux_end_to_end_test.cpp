// corvane-remux as a user runs it: real files in, exit status and messages
// out, and the source never touched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "tests/platform/win32/scratch.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/rewrap_checks.h"
#include "tools/corvane-remux/media_file_reader.h"

namespace {

namespace fs = std::filesystem;
using namespace media_test;

ProcessResult Remux(const std::vector<std::string>& args) { return RunProgram(CORVANE_REMUX_PROGRAM, args); }

class RemuxConverts : public ::testing::TestWithParam<std::string> {};

TEST_P(RemuxConverts, WritesAFaithfulMatroskaFileAndLeavesTheSourceAlone) {
  const MediaFixture& fixture = FixtureNamed(GetParam());
  const fs::path source = FixturePath(fixture);
  ASSERT_FALSE(source.empty());
  const std::string before = Contents(source);
  const fs::path output = ScratchDir("remux_" + fixture.name) / "out.mkv";

  const ProcessResult run = Remux({"--verify", source.string(), output.string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");  // standard output stays clean for scripts
  ExpectFaithfulRewrap(fixture, source, output);
  EXPECT_EQ(Contents(source), before);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RemuxConverts,
                         ::testing::Values("mp4", "ts", "mpeg_ps", "webm", "mkv_subs_chapters", "wmv",
                                           "two_audio"));

// Every packet of the file as a cue: its times in milliseconds and its bytes.
std::map<int, std::vector<TimedCue>> PacketsOf(Demuxer& media) {
  std::map<int, std::vector<TimedCue>> packets;
  AVPacket* packet = av_packet_alloc();
  int index = 0;
  while (media.ReadPacket(packet, &index) == 0) {
    const AVRational timeBase = media.Stream(index).time_base;
    const auto startMs = static_cast<int>(av_rescale_q(packet->pts, timeBase, {1, 1000}));
    const auto lengthMs = static_cast<int>(av_rescale_q(packet->duration, timeBase, {1, 1000}));
    packets[index].push_back(
        {startMs, startMs + lengthMs, std::string(reinterpret_cast<char*>(packet->data), packet->size)});
  }
  av_packet_free(&packet);
  return packets;
}

// Timed text is the one stream whose payload a rewrap changes: it arrives as
// plain-text cues with their times, language and default flag, the empty cues
// between them gone, and --verify accepts it.
TEST(RemuxTimedText, BecomesPlainTextCuesKeepingTheirTimesAndTheTrackProperties) {
  const fs::path source = TimedTextMp4();
  ASSERT_FALSE(source.empty());
  const fs::path output = ScratchDir("remux_timed_text") / "out.mkv";
  const ProcessResult run = Remux({"--verify", source.string(), output.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(InspectMatroska(output).codecIds.at(2), "S_TEXT/UTF8");

  MediaFileReader reader;
  ASSERT_TRUE(reader.Open(output.string()).GoesOn());
  ASSERT_EQ(reader.Media().StreamCount(), 3);
  const AVStream& subtitles = reader.Media().Stream(2);
  const AVDictionaryEntry* language = av_dict_get(subtitles.metadata, "language", nullptr, 0);
  EXPECT_STREQ(language ? language->value : "", kTimedTextLanguage);
  EXPECT_TRUE(subtitles.disposition & AV_DISPOSITION_DEFAULT);
  // The source's first picture is at zero; the rewrap may move the whole file
  // (AAC priming before zero makes the muxer start later), every stream alike.
  std::map<int, std::vector<TimedCue>> packets = PacketsOf(reader.Media());
  ASSERT_FALSE(packets[0].empty());
  for (TimedCue& cue : packets[2]) {
    cue.startMs -= packets[0].front().startMs;
    cue.endMs -= packets[0].front().startMs;
  }
  EXPECT_EQ(packets[2], TimedTextCues());
}

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
  EXPECT_EQ(Contents(output), "the user's own file");

  const ProcessResult replaced = Remux({"--overwrite", m_source.string(), output.string()});
  EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
}

TEST_F(RemuxRefuses, ToWriteOverItsOwnSource) {
  const fs::path copy = ScratchDir("remux_self") / "source.mp4";
  fs::copy_file(m_source, copy);
  const std::string before = Contents(copy);
  const ProcessResult run =
      Remux({"--overwrite", copy.string(), (copy.parent_path() / "." / "source.mp4").string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("is the source itself"), std::string::npos) << run.err;
  EXPECT_EQ(Contents(copy), before);
}

TEST_F(RemuxRefuses, AnOutputFolderThatDoesNotExist) {
  const fs::path output = ScratchDir("remux_no_folder") / "missing" / "out.mkv";
  const ProcessResult run = Remux({m_source.string(), output.string()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("the output folder " + output.parent_path().string() + " does not exist"),
            std::string::npos)
      << run.err;
}

// What cannot be read fails with status 1 and the reason, and an output it
// was to replace stays as it was, with nothing left beside it.
TEST(RemuxFails, OnWhatItCannotReadWithTheReasonAndNonZeroStatus) {
  const fs::path dir = ScratchDir("remux_bad_input");
  const fs::path output = dir / "kept.mkv";
  for (const fs::path& bad : {RandomBytesFile(), EmptyFile()}) {
    WriteFile(output, "the user's own file");
    const ProcessResult run = Remux({"-y", bad.string(), output.string()});
    EXPECT_EQ(run.exitCode, 1) << bad;
    EXPECT_NE(run.err.find("Failed to render source file " + bad.string()), std::string::npos) << run.err;
    // The last line names the cause in plain words; FFmpeg's own lines
    // ("[mov,mp4,... @ 0x...] ...") never reach the user.
    EXPECT_NE(run.err.find("failed: the source is"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(" @ 0x"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(output.string() + " was left as it was"), std::string::npos) << run.err;
    EXPECT_EQ(Contents(output), "the user's own file");
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"kept.mkv"});
  }
  const ProcessResult missing = Remux({MissingFile().string(), (dir / "out.mkv").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_FALSE(fs::exists(dir / "out.mkv"));
}

// Damaged HEVC whose parameter sets state out-of-range ids and counts: the
// Matroska muxer's own parse of them spun for minutes. The stream is left
// out at once, which leaves these files nothing to convert.
TEST(RemuxFails, PromptlyOnDamagedParameterSets) {
  const fs::path dir = ScratchDir("remux_damaged_parameter_sets");
  for (const char* name : {"hevc-parameter-sets-spin.bin", "hevc-parameter-sets-spin-2.bin"}) {
    const fs::path source = fs::path(CORVANE_TEST_DATA) / name;
    // Generous: a conversion of these takes well under a second.
    const ProcessResult run = RunProgram(CORVANE_REMUX_PROGRAM, {source.string(), (dir / "out.mkv").string()},
                                         std::chrono::seconds(20));
    EXPECT_EQ(run.exitCode, 1) << name << ": " << run.err;
    EXPECT_NE(run.err.find("Failed to render source file"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "out.mkv"));
  }
}

// A stream Matroska has no place for is named, a cut copy says where it ends,
// and the status says the output is incomplete although it was written.
TEST(RemuxWarns, WhenAStreamIsLeftOutOrTheSourceIsCutShort) {
  const fs::path output = ScratchDir("remux_left_out") / "out.mkv";
  const ProcessResult run = Remux({UnknownDataTrackNut().string(), output.string()});
  EXPECT_EQ(run.exitCode, 3) << run.err;
  EXPECT_NE(run.err.find("(data, unknown): its codec is unknown"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("warning: " + output.string() + " was written, but it does not hold all"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(InspectMatroska(output).readCleanly);

  // A copy cut short is read as far as it goes, and the user is told where.
  const fs::path salvaged = output.parent_path() / "cut.mkv";
  const ProcessResult cut = Remux({TruncatedMp4().string(), salvaged.string()});
  EXPECT_EQ(cut.exitCode, 3) << cut.err;
  EXPECT_NE(cut.err.find("The source ends early: the file looks cut off. Its readable part ends at 0:0"),
            std::string::npos)
      << cut.err;
  EXPECT_TRUE(InspectMatroska(salvaged).readCleanly);
}

// Streams that are the container's structure, kept in Matroska's own way or
// not needed there, and a join of two recordings lose nothing: status 0 and
// no warning; --verbose names the streams not copied. Every packet is kept.
TEST(RemuxKeepsEverything, WhenOnlyStructureIsLeftOutOrTimestampsJump) {
  struct Case {
    fs::path source;
    const char* named;  // the --verbose line, empty when nothing is left out
  };
  const fs::path dir = ScratchDir("remux_structure");
  for (const Case& c : {Case{DvdVob(), "(data, dvd_nav_packet) is not copied as a track: DVD navigation"},
                        Case{ChapteredMp4(), "(data, bin_data) is not copied as a track: the chapter titles"},
                        Case{TimecodeMov(), "(data, unknown) is not copied as a track: a timecode track"},
                        Case{JoinedRecordingsTs(), ""}}) {
    SCOPED_TRACE(c.source.string());
    const fs::path output = dir / (c.source.stem().string() + ".mkv");
    const ProcessResult run = Remux({"--verbose", "--overwrite", c.source.string(), output.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("incomplete"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;
    if (*c.named) {
      EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
    std::map<int, std::vector<std::string>> sourcePackets = PacketHashes(c.source),
                                            written = PacketHashes(output);
    std::size_t sourceCount = 0, writtenCount = 0;
    for (const auto& [stream, packets] : written) writtenCount += packets.size();
    for (const auto& [stream, packets] : sourcePackets) sourceCount += packets.size();
    EXPECT_GE(writtenCount, 1u);
    if (c.source.extension() == ".ts") {
      EXPECT_EQ(writtenCount, sourceCount);
    }
  }
  EXPECT_GT(Probe(dir / "h264_aac_chapters.mkv").chapterCount, 1);
  EXPECT_EQ(Probe(dir / "timecode.mkv").tags["timecode"], kStartTimecode);
}

TEST(RemuxHelp, ExplainsItselfAndConvertsNothing) {
  const ProcessResult help = Remux({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: corvane-remux [OPTIONS] SOURCE OUTPUT.mkv"), std::string::npos);
  const ProcessResult wrong = Remux({"only-one-argument"});
  EXPECT_EQ(wrong.exitCode, 2);
  EXPECT_NE(wrong.err.find("--help"), std::string::npos);
  // A help text that cannot be written is a failure, not a silent success.
  const ProcessResult full =
      RunProgram("/bin/sh", {"-c", "exec \"$0\" --help >/dev/full", CORVANE_REMUX_PROGRAM});
  EXPECT_EQ(full.exitCode, 1);
  EXPECT_NE(full.err.find("write error"), std::string::npos) << full.err;
  EXPECT_NE(Remux({"--version"}).out.find("GNU GPL version 3 or later"), std::string::npos);
}

}  // namespace
