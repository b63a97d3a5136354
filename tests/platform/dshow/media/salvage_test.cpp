// Sources cut short: every whole packet still in the file reaches the
// Matroska output (at least as many per stream as mkvmerge recovers), no
// packet is written cut, and the splitter's notes say the file ended early
// while the intact file carries no note. A failing read of the file itself
// still ends reading with its error.
#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <set>

#include "platform/dshow/media/demuxer.h"
#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

// Per stream ("video 0", "audio 0", ...): how many packets of `output`
// are identical to a packet of `reference`, and how many packets are not.
struct Tally {
  std::map<std::string, int> whole;
  int other = 0;
};

Tally TallyAgainst(const fs::path& output, const fs::path& reference) {
  std::set<std::string> known;
  for (const auto& [stream, packets] : PacketHashes(reference)) known.insert(packets.begin(), packets.end());
  const ProbeResult probe = Probe(output);
  std::map<std::string, int> seenOfKind;
  Tally tally;
  for (const auto& [stream, packets] : PacketHashes(output)) {
    if (stream >= static_cast<int>(probe.streams.size())) continue;
    const std::string& kind = probe.streams[stream].codecType;
    const std::string key = kind + " " + std::to_string(seenOfKind[kind]++);
    for (const std::string& packet : packets) (known.count(packet) ? tally.whole[key] : tally.other) += 1;
  }
  return tally;
}

struct Conversion {
  bool opened = false;
  SourceNotes notes;
};

// Source → Corvane Splitter → Matroska muxer → File writer, then the notes.
Conversion ConvertWithCorvane(const fs::path& source, const fs::path& output) {
  Conversion result;
  ConversionGraph built;
  if (BuildConversion(source, output, &built) != S_OK) return result;
  result.opened = true;
  EXPECT_EQ(RunToCompletion(built.graph.Get()).eventCode, EC_COMPLETE);
  ComPtr<ISourceNotes> notes;
  EXPECT_EQ(built.splitter.As(notes), S_OK);
  if (notes) {
    EXPECT_EQ(notes->GetSourceNotes(&result.notes), S_OK);
  }
  return result;
}

void ConvertWithMkvmerge(const fs::path& source, const fs::path& output) {
  RunProgram("mkvmerge", {"-q", "-o", output.string(), source.string()});
}

class SalvageTest : public MediaGraphTest, public ::testing::WithParamInterface<MediaFixture> {};

TEST_P(SalvageTest, CutCopiesKeepEveryWholePacketAndSayTheyEndedEarly) {
  const MediaFixture& fixture = GetParam();
  const fs::path intact = FixturePath(fixture);
  ASSERT_FALSE(intact.empty());
  const fs::path dir = ScratchDir("salvage_" + fixture.name);
  const SourceDamage intactDamage = ConvertWithCorvane(intact, dir / "corvane_intact.mkv").notes.damage;
  EXPECT_FALSE(intactDamage.endedEarly || intactDamage.unreadableParts);
  EXPECT_EQ(intactDamage.packetsLeftOut, 0);
  ConvertWithMkvmerge(intact, dir / "mkvmerge_intact.mkv");
  const double intactSeconds = Probe(intact).durationSeconds;
  for (const fs::path& cut :
       {CutShort(fixture, 10), CutShort(fixture, 50), CutShort(fixture, 90), CutIntoMediaData(fixture, 16)}) {
    SCOPED_TRACE(cut.filename().string());
    fs::remove(dir / "corvane.mkv");
    fs::remove(dir / "mkvmerge.mkv");
    const Conversion corvane = ConvertWithCorvane(cut, dir / "corvane.mkv");
    ConvertWithMkvmerge(cut, dir / "mkvmerge.mkv");
    Tally ours = TallyAgainst(dir / "corvane.mkv", dir / "corvane_intact.mkv");
    const Tally theirs = TallyAgainst(dir / "mkvmerge.mkv", dir / "mkvmerge_intact.mkv");
    if (!corvane.opened) {  // too little left to recognise the format
      EXPECT_TRUE(theirs.whole.empty());
      continue;
    }
    const SourceDamage& damage = corvane.notes.damage;
    EXPECT_TRUE(damage.endedEarly);
    EXPECT_LT(damage.readableUntilUs, intactSeconds * 1e6);
    if (!ours.whole.empty()) {
      EXPECT_GT(damage.readableUntilUs, 0);
    }
    EXPECT_EQ(ours.other, 0) << "packets written cut";
    for (const auto& [stream, count] : theirs.whole) EXPECT_GE(ours.whole[stream], count) << stream;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SalvageTest,
                         ::testing::Values(IndexFirst(FixtureNamed("mp4")), VideoThenAudioMp4(),
                                           IndexFirst(FixtureNamed("mov")), FixtureNamed("mkv_subs_chapters"),
                                           FixtureNamed("avi"), FixtureNamed("ts")),
                         [](const auto& info) { return info.param.name; });

// A program stream states its packets' lengths but nothing of its frames:
// cut inside a packet, each stream's last (cut) frame is left out.
TEST_F(SalvageTest, ProgramStreamCutInsideAPacketEndsWithWholeFrames) {
  const fs::path intact = FixturePath(FixtureNamed("mpeg_ps"));
  ASSERT_FALSE(intact.empty());
  const fs::path dir = ScratchDir("salvage_mpeg_ps");
  const fs::path cut = dir / "cut.mpg";
  fs::copy_file(intact, cut, fs::copy_options::overwrite_existing);
  fs::resize_file(cut, fs::file_size(intact) * 6 / 10 + 1000);  // packs are 2048 bytes
  ConvertWithCorvane(intact, dir / "intact.mkv");
  const Conversion corvane = ConvertWithCorvane(cut, dir / "cut.mkv");
  EXPECT_TRUE(corvane.notes.damage.endedEarly);
  const Tally ours = TallyAgainst(dir / "cut.mkv", dir / "intact.mkv");
  EXPECT_EQ(ours.other, 0) << "packets written cut";
  EXPECT_GT(ours.whole.size(), 1u);
}

// Reads every packet of `path`, with reads from `failFrom` on failing as a
// broken disk would; ReadPacket's last word and the notes.
int ReadToTheEnd(const fs::path& path, SourceNotes* notes, int64_t failFrom = INT64_MAX) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  auto read = [fd, failFrom](int64_t position, uint8_t* buffer, int size) {
    return position + size > failFrom ? AVERROR(EIO) : static_cast<int>(::pread(fd, buffer, size, position));
  };
  std::unique_ptr<Demuxer> demuxer;
  int err = Demuxer::Open(read, fs::file_size(path), &demuxer);
  AVPacket* packet = av_packet_alloc();
  int index = 0;
  while (err == 0) err = demuxer->ReadPacket(packet, &index);
  av_packet_free(&packet);
  if (demuxer) *notes = demuxer->Notes();
  demuxer.reset();
  ::close(fd);
  return err;
}

// Intact files carry no note: the cases above check their intact copies, the
// engine's real-media tests every common fixture.
TEST(SalvageNotes, FailedReadsOfTheFileStillEndWithTheirError) {
  for (const fs::path& path :
       {FixturePath(VideoThenAudioMp4()), FixturePath(FixtureNamed("mkv_subs_chapters"))}) {
    SourceNotes notes;
    EXPECT_EQ(ReadToTheEnd(path, &notes, fs::file_size(path) / 2), AVERROR(EIO)) << path;
  }
}

// Damage the readers get past (or stop at) without an error still counts:
// the AVI reader skips damaged chunks by itself and its index shows them
// missing, a transport stream's packets come marked, a Matroska file ends
// short of the playing time its header states.
TEST(SalvageNotes, DamageTheReaderGetsPastOrStopsAtIsNoted) {
  for (const char* name : {"avi", "ts", "mkv_subs_chapters"}) {
    SourceNotes notes;
    EXPECT_EQ(ReadToTheEnd(DamagedInTheMiddle(FixtureNamed(name)), &notes), AVERROR_EOF) << name;
    EXPECT_TRUE(notes.damage.unreadableParts) << name;
    EXPECT_GT(notes.damage.readableUntilUs, 0) << name;
    if (std::string(name) == "avi") {
      EXPECT_FALSE(notes.damage.endedEarly);
      EXPECT_GT(notes.damage.packetsLeftOut, 0);
      EXPECT_GT(notes.damage.readableUntilUs, 1'500'000);  // reading went on past the damage
    }
  }
}

}  // namespace
