// libavformat's demuxers over a random-access byte source; knows nothing of
// pins. One thread at a time: opened on the application thread, read by the
// streaming thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/common.h>
}

#include "platform/dshow/core/source_notes.h"
#include "platform/dshow/media/stream_format.h"

class Demuxer {
 public:
  // Reads up to `size` bytes at `position`: the count read, 0 at the end, a
  // negative AVERROR on failure.
  using ReadAt = std::function<int(int64_t position, uint8_t* buffer, int size)>;

  // How much is read to learn the streams: the header and the first frames
  // of each stream (decoded where the header leaves something open), or the
  // header alone, which is enough for a file whose header describes every
  // stream in full, as a Matroska file this program wrote does. Such a file
  // also stores each packet whole with its own times and keyframe mark, so
  // with kHeaderOnly packets are handed on exactly as stored, without the
  // parsers libavformat otherwise runs over them.
  enum class StreamProbe { kFirstFrames, kHeaderOnly };

  // Probes and opens; a negative AVERROR when libavformat does not recognise
  // the data or finds no stream a Matroska file could carry.
  static int Open(ReadAt read, int64_t totalSize, std::unique_ptr<Demuxer>* out,
                  StreamProbe probe = StreamProbe::kFirstFrames);
  ~Demuxer();

  // The streams offered, in file order (streams with no known codec, or
  // whose sample rate or picture size stayed unknown, are left out; attached
  // files and cover pictures are in Container()); indexes below are
  // positions in this list.
  int StreamCount() const { return static_cast<int>(m_offered.size()); }
  const AVStream& Stream(int index) const { return *m_context->streams[m_offered[index]]; }
  const std::shared_ptr<const ContainerInfo>& Container() const { return m_container; }
  // The first timestamp of the file in AV_TIME_BASE units (0 when unknown).
  int64_t StartTimeUs() const;
  // The time a rewrap into Matroska makes zero, AV_TIME_BASE units: the
  // earliest start of an offered stream as Matroska stores it, so an Opus
  // stream counts from its first block, not from the pre-skip before it (see
  // MatroskaWriter::StoredDelay). A Matroska source whose first block is at
  // zero thus keeps its block timestamps, and so does a rewrap of a rewrap.
  int64_t RewrapStartUs() const;
  const char* FormatName() const { return m_context->iformat->name; }
  // The streams left out when opening, and what reading has found damaged
  // so far; complete once ReadPacket has returned AVERROR_EOF.
  const SourceNotes& Notes() const { return m_notes; }

  // Reads the next packet in file order into `packet` (unreferenced first)
  // and sets *offeredIndex to its stream's position in the offered list.
  // Returns 0, AVERROR_EOF at the end, or the negative AVERROR of a failed
  // read of the source itself.
  //
  // Damaged data does not end reading: a packet that cannot be read is
  // skipped and reading goes on, so that a file cut short gives every whole
  // packet it still holds. A packet the end of the file cuts through is left
  // out, never handed on short. Reading ends when a bounded number of reads
  // in a row give no packet, or the demuxer stops moving. What was found is
  // in Notes().damage.
  //
  // Timestamps are completed so that every packet can be written to
  // Matroska: libavformat generates missing pts from later dts where the
  // codec reorders frames (AVFMT_FLAG_GENPTS); a packet still without dts
  // takes its stream's previous dts plus that packet's duration (the stream's
  // start, else 0, for the first; see FirstDts); a packet still without pts
  // takes its dts.
  int ReadPacket(AVPacket* packet, int* offeredIndex);

 private:
  Demuxer() = default;
  int OpenInput(StreamProbe probe);
  void CollectStreams();
  void CollectContainerInfo();
  void CompleteTimestamps(AVPacket* packet, int offeredIndex);
  int64_t FirstDts(const AVPacket& packet, int offeredIndex) const;
  // Reading past damage, for ReadPacket.
  struct FailureRun {
    int inARow = 0;
    int atSamePlace = 0;
    int64_t lastPosition = -1;
  };
  int ReadWholePacket(AVPacket* packet, int* offeredIndex);
  bool ReadOnAfter(int error, FailureRun* run);
  bool HoldBackNearCut(AVPacket* packet, int offeredIndex);
  int FinishReading(int error);
  // One offered stream's timeline as read so far, in AV_TIME_BASE units.
  struct StreamTimeline {
    int64_t pieceStartUs = AV_NOPTS_VALUE;  // source time where the current continuous piece starts
    int64_t pieceOffsetUs = 0;              // playing time at which that piece starts
    int64_t lastEndUs = AV_NOPTS_VALUE;     // source time where the latest packet ends
    int packetsSinceMark = -1;              // since a corrupt mark not yet judged (see NoteCorruptFlag)
    int64_t PlayedUntil(int64_t sourceUs) const {
      return av_sat_add64(pieceOffsetUs, av_sat_sub64(sourceUs, pieceStartUs));
    }
  };
  void NoteHandedOn(const AVPacket& packet, int offeredIndex);
  void NoteCorruptFlag(const AVPacket& packet, bool jumped, StreamTimeline* timeline);
  void NoteCutShortSource();
  void NoteSkippedIndexedPackets();
  bool StoppedBeforeTheEnd() const;
  static int ReadCallback(void* opaque, uint8_t* buffer, int size);
  static int64_t SeekCallback(void* opaque, int64_t offset, int whence);

  ReadAt m_read;
  int64_t m_size = -1;
  int64_t m_position = 0;
  AVIOContext* m_io = nullptr;
  AVFormatContext* m_context = nullptr;
  std::vector<int> m_offered;
  std::vector<int> m_offeredOf;  // container stream index → offered index or -1
  struct NextTime {
    int64_t dts = AV_NOPTS_VALUE;
  };
  std::vector<NextTime> m_next;
  std::shared_ptr<const ContainerInfo> m_container;
  SourceNotes m_notes;
  int m_readError = 0;  // the first failure of m_read: the source itself could not be read
  // In a transport stream cut inside a transport packet, the stream that
  // packet belongs to has its last packet cut, and nothing marks it: from the
  // file's end on, that stream's latest packet waits here until the next one
  // arrives, and the last one is left out.
  std::vector<bool> m_holdsLast;  // per offered stream
  std::vector<AVPacket*> m_held;
  int64_t m_readableUntilUs = -1;
  std::vector<int> m_packetsSeen;           // per offered stream: handed on or left out as cut
  std::vector<StreamTimeline> m_timelines;  // per offered stream
};
