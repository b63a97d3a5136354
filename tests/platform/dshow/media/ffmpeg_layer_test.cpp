// The demuxer and the Matroska writer on their own, without pins: a rewrap
// through them must keep every packet, the stream properties, chapters and
// tags, and write Cues.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "platform/dshow/media/demuxer.h"
#include "platform/dshow/media/matroska_writer.h"
#include "tests/support/rewrap_checks.h"
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

int OpenDemuxer(const fs::path& path, Fd& file, std::unique_ptr<Demuxer>* demuxer) {
  file.fd = ::open(path.c_str(), O_RDONLY);
  if (file.fd < 0) return -1;
  const int64_t size = ::lseek(file.fd, 0, SEEK_END);
  const int fd = file.fd;
  return Demuxer::Open(
      [fd](int64_t pos, uint8_t* buf, int n) { return static_cast<int>(::pread(fd, buf, n, pos)); }, size,
      demuxer);
}

// Copies every packet of `demuxer` into a Matroska file at `output`.
int Rewrap(Demuxer& demuxer, const fs::path& output) {
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
  int index = 0, err = 0;
  while ((err = demuxer.ReadPacket(packet, &index)) == 0) {
    if ((err = writer.WritePacket(index, packet)) < 0) break;
  }
  av_packet_free(&packet);
  if (err != AVERROR_EOF) return err;
  return writer.WriteTrailer();
}

class FfmpegLayerRewrap : public ::testing::TestWithParam<std::string> {};

TEST_P(FfmpegLayerRewrap, KeepsEveryPacketAndStreamProperty) {
  const FixtureSpec& fixture = FixtureNamed(GetParam());
  const fs::path source = FixturePath(fixture);
  ASSERT_FALSE(source.empty());
  Fd input{-1};
  std::unique_ptr<Demuxer> demuxer;
  ASSERT_EQ(OpenDemuxer(source, input, &demuxer), 0);
  EXPECT_EQ(demuxer->StreamCount(), fixture.videoStreams + fixture.audioStreams + fixture.subtitleStreams);
  const fs::path output = ScratchDir("ffmpeg_layer_" + fixture.name) / "out.mkv";
  ASSERT_EQ(Rewrap(*demuxer, output), 0);
  ExpectFaithfulRewrap(fixture, source, output);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FfmpegLayerRewrap,
                         ::testing::Values("mp4", "ts", "mpeg_ps", "mkv_subs_chapters", "two_audio"));

TEST(FfmpegLayerBadInput, RefusesWhatIsNoMediaAndEndsTruncatedDataCleanly) {
  for (const fs::path& bad : {EmptyFile(), RandomBytesFile()}) {
    Fd input{-1};
    std::unique_ptr<Demuxer> demuxer;
    EXPECT_LT(OpenDemuxer(bad, input, &demuxer), 0) << bad;
    EXPECT_EQ(demuxer, nullptr);
  }
  Fd input{-1};
  std::unique_ptr<Demuxer> demuxer;
  ASSERT_EQ(OpenDemuxer(TruncatedMp4(), input, &demuxer), 0);
  AVPacket* packet = av_packet_alloc();
  int index = 0, err = 0, packets = 0;
  while ((err = demuxer->ReadPacket(packet, &index)) == 0) ++packets;
  av_packet_free(&packet);
  EXPECT_EQ(err, AVERROR_EOF);
  EXPECT_GT(packets, 0);
}

}  // namespace
