// libavformat's Matroska muxer writing through positioned writes; knows
// nothing of pins. Not thread-safe: its owner serialises calls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/dshow/media/stream_format.h"

class MatroskaWriter {
 public:
  // The blocks the file is written in; larger packets may come in one write.
  // A cluster (at most 1 MiB) thus goes out in one write: against 256 KiB
  // blocks, that made the 1.2 GB benchmark file about 6 % faster.
  static constexpr int kBlockBytes = 1024 * 1024;

  // Writes `size` bytes at `position`: 0, or a negative AVERROR. Each call
  // continues where the muxer's own position is; seeks back (for the Cues,
  // the SeekHead and the Duration) show as a lower position.
  using WriteAt = std::function<int(int64_t position, const uint8_t* data, int size)>;

  enum class Interleave { ByTimestamp, AsReceived };

  explicit MatroskaWriter(WriteAt write);
  ~MatroskaWriter();
  MatroskaWriter(const MatroskaWriter&) = delete;
  MatroskaWriter& operator=(const MatroskaWriter&) = delete;

  // Before the header: adds a stream copied from `format` (codec parameters
  // with codec private data, time base, language, title, default/forced).
  // Returns its index or a negative AVERROR.
  int AddStream(const StreamFormat& format);
  // Before the header: chapters, attachments and global tags to keep, and
  // the source's first timestamp as Matroska stores it (see StoredDelay),
  // which becomes zero. A packet that still comes before it (priming the
  // source's start time skips) moves every stream later by the same amount.
  void SetContainerInfo(const ContainerInfo& info);
  void SetInterleave(Interleave mode) { m_interleave = mode; }

  int WriteHeader();
  bool HeaderWritten() const { return m_headerWritten; }
  // Writes a packet of stream `index` whose timestamps are in that stream's
  // time base as given to AddStream; the packet's payload reference is taken
  // over (zero-copy) and `packet` is left blank. A packet whose dts goes back
  // or whose pts precedes its dts (a damaged source) is moved to the nearest
  // timestamps Matroska takes rather than refused.
  int WritePacket(int index, AVPacket* packet);
  // Flushes what interleaving holds, writes Cues and seeks back to complete
  // the header. Once only.
  int WriteTrailer();
  bool TrailerWritten() const { return m_trailerWritten; }

  // How far a stream's blocks sit after its presentation times, in
  // `timeBase`: the Opus pre-skip, which the muxer writes as the track's
  // CodecDelay (counted at 48 kHz whatever the output rate). A player shows a
  // block at its timestamp minus the CodecDelay, and libavformat's demuxer
  // subtracts it on reading while its muxer does not add it on writing, so the
  // writer adds it: otherwise every rewrap would move such a stream earlier.
  // Rounded as the demuxer rounds it, so a block read and written again keeps
  // its timestamp. 0 for every other stream.
  static int64_t StoredDelay(const AVCodecParameters& params, AVRational timeBase);

  // What the file names as the application that wrote it: the program and
  // its version, given by the build.
  static constexpr const char* kWritingApplication = CORVANE_WRITING_APPLICATION;

  // The muxer's CRC-32 elements are off: mkvmerge writes none by default and
  // computing them made a plain rewrap about 1.8 times slower. A cluster is
  // built in memory before it is written, so its size is held to 1 MiB: a
  // high-bitrate video's 5-second clusters would cost 8 MiB or more.
  static constexpr const char* kMuxerOptions = "write_crc32=0:cluster_size_limit=1048576";

 private:
  void AddChapter(const ContainerInfo::Chapter& source);
  int AddAttachments();
  static int WriteCallback(void* opaque, uint8_t* buffer, int size);
  static int64_t SeekCallback(void* opaque, int64_t offset, int whence);

  WriteAt m_write;
  int64_t m_position = 0;
  int64_t m_size = 0;
  AVIOContext* m_io = nullptr;
  AVFormatContext* m_context = nullptr;
  std::vector<AVRational> m_sourceTimeBases;
  std::vector<int64_t> m_storedDelays;  // per stream, in its source time base
  std::vector<int64_t> m_lastDts;       // per stream, in the muxer's time base
  std::vector<ContainerInfo::Attachment> m_attachments;
  int64_t m_startTimeUs = 0;
  Interleave m_interleave = Interleave::ByTimestamp;
  bool m_headerWritten = false;
  bool m_trailerWritten = false;
};
