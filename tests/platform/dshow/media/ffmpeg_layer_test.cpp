// The demuxer and the Matroska writer on their own, without pins: damaged
// input, and what Matroska keeps outside its tracks. Faithful rewraps of every
// fixture go through the same classes in the conversion graph and the
// engine's real-media tests.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "platform/dshow/media/demuxer.h"
#include "platform/dshow/media/matroska_writer.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// A demuxer reading a file through its descriptor; `error` is what Open said.
struct OpenedFile {
  explicit OpenedFile(const fs::path& path) : file{::open(path.c_str(), O_RDONLY)} {
    if (file.fd < 0) return;
    const int fd = file.fd;
    error = Demuxer::Open(
        [fd](int64_t pos, uint8_t* buf, int n) { return static_cast<int>(::pread(fd, buf, n, pos)); },
        ::lseek(fd, 0, SEEK_END), &demuxer);
  }
  Fd file;  // closed after the demuxer is gone
  int error = -1;
  std::unique_ptr<Demuxer> demuxer;
};

// Changes a packet's timestamps the way a damaged source can.
using Damage = std::function<void(AVPacket* packet, int packetNumber)>;

// Copies every packet of `demuxer` into a Matroska file at `output`.
int Rewrap(Demuxer& demuxer, const fs::path& output, const Damage& damage = {}) {
  Fd out{::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)};
  const int fd = out.fd;
  MatroskaWriter writer([fd](int64_t pos, const uint8_t* data, int n) {
    return ::pwrite(fd, data, n, pos) == n ? 0 : AVERROR(EIO);
  });
  std::vector<ComPtr<StreamFormat>> formats;
  for (int i = 0; i < demuxer.StreamCount(); ++i) {
    formats.push_back(StreamFormat::FromStream(demuxer.Stream(i), demuxer.Container()));
    if (const int err = writer.AddStream(*formats.back()); err < 0) return err;
  }
  writer.SetContainerInfo(*demuxer.Container());
  if (const int err = writer.WriteHeader(); err < 0) return err;
  AVPacket* packet = av_packet_alloc();
  int index = 0, err = 0, number = 0;
  while ((err = demuxer.ReadPacket(packet, &index)) == 0) {
    if (damage) damage(packet, number++);
    if ((err = writer.WritePacket(index, packet)) < 0) break;
  }
  av_packet_free(&packet);
  if (err != AVERROR_EOF) return err;
  return writer.WriteTrailer();
}

// A TS cut off before the first whole AC-3 frame leaves the audio's sample
// rate unknown; the muxer refused the whole header for it.
TEST(FfmpegLayerBadInput, StreamWithUnknownParametersIsLeftOutNotFatal) {
  const OpenedFile in(CutShort(FixtureNamed("ts"), 1));
  ASSERT_EQ(in.error, 0);
  const fs::path output = ScratchDir("ffmpeg_layer_unknown_parameters") / "out.mkv";
  ASSERT_EQ(Rewrap(*in.demuxer, output), 0);
  const MkvSummary mkv = InspectMatroska(output);
  EXPECT_TRUE(mkv.readCleanly) << mkv.errors;
  EXPECT_EQ(mkv.trackCount, in.demuxer->StreamCount());
}

// Garbled bytes can make a timestamp jump back or put pts before dts; each
// used to fail the whole file with EINVAL. Every packet must still be written.
TEST(FfmpegLayerBadInput, TimestampsOutOfOrderAreWrittenNotRefused) {
  const fs::path source = FixturePath(FixtureNamed("audio_only"));
  const OpenedFile in(source);
  ASSERT_EQ(in.error, 0);
  const fs::path output = ScratchDir("ffmpeg_layer_out_of_order") / "out.mkv";
  const Damage backwardsAndReversed = [](AVPacket* packet, int number) {
    if (number % 7 == 3) packet->pts = packet->dts = 0;
    if (number % 7 == 5) packet->pts = packet->dts - 5 * packet->duration;
  };
  ASSERT_EQ(Rewrap(*in.demuxer, output, backwardsAndReversed), 0);
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
  EXPECT_EQ(PacketHashes(output)[0].size(), PacketHashes(source)[0].size());
}

// Attached fonts and cover pictures become Matroska attachments.
TEST(FfmpegLayerOutsideTracks, KeepsAttachmentsAndCoverPictures) {
  struct Case {
    fs::path source;
    std::vector<std::string> expected;  // in mkvmerge -J's report
  };
  for (const Case& c :
       {Case{FontAttachmentMkv(),
             {"\"file_name\": \"font.ttf\"", "\"application/x-truetype-font\"", "\"size\": 3000"}},
        Case{CoverPictureMp3(), {"\"file_name\": \"cover.jpg\"", "\"image/jpeg\""}}}) {
    const OpenedFile in(c.source);
    ASSERT_EQ(in.error, 0) << c.source;
    const fs::path output = ScratchDir("ffmpeg_layer_attachments") / "out.mkv";
    ASSERT_EQ(Rewrap(*in.demuxer, output), 0) << c.source;
    const ProcessResult report = RunProgram("mkvmerge", {"-J", output.string()});
    for (const std::string& text : c.expected) EXPECT_NE(report.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
