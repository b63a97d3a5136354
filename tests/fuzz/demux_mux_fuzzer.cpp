// Feeds arbitrary bytes through the rewrap path without the graph: the
// demuxer reads them from memory, and every offered stream and packet goes
// into a Matroska writer that writes into memory.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

#include "platform/dshow/media/demuxer.h"
#include "platform/dshow/media/matroska_writer.h"
#include "platform/dshow/media/stream_format.h"

namespace {

// Enough to reach the trailer of every small input while keeping one input
// from running for minutes.
constexpr int kMaxPackets = 4000;

// The output file: positioned writes, growing as the writer goes past the end.
class MemoryFile {
 public:
  int WriteAt(int64_t position, const uint8_t* data, int size) {
    if (position < 0 || size < 0) return AVERROR(EINVAL);
    const auto end = static_cast<size_t>(position) + static_cast<size_t>(size);
    if (end > m_bytes.size()) m_bytes.resize(end);
    std::memcpy(m_bytes.data() + position, data, static_cast<size_t>(size));
    return 0;
  }

 private:
  std::vector<uint8_t> m_bytes;
};

int ReadFrom(const uint8_t* data, size_t size, int64_t position, uint8_t* buffer, int wanted) {
  if (position < 0 || static_cast<size_t>(position) >= size) return 0;
  const size_t count = std::min(static_cast<size_t>(wanted), size - static_cast<size_t>(position));
  std::memcpy(buffer, data + position, count);
  return static_cast<int>(count);
}

// The multiplexer's way: every offered stream, the container of the first.
bool AddStreams(const Demuxer& demuxer, MatroskaWriter* writer) {
  for (int i = 0; i < demuxer.StreamCount(); ++i) {
    const ComPtr<StreamFormat> format = StreamFormat::FromStream(demuxer.Stream(i), demuxer.Container());
    if (writer->AddStream(*format) < 0) return false;
  }
  writer->SetContainerInfo(*demuxer.Container());
  return true;
}

void Rewrap(Demuxer* demuxer) {
  MemoryFile file;
  MatroskaWriter writer([&file](int64_t position, const uint8_t* data, int size) {
    return file.WriteAt(position, data, size);
  });
  if (!AddStreams(*demuxer, &writer) || writer.WriteHeader() < 0) return;
  AVPacket* packet = av_packet_alloc();
  int index = 0;
  for (int count = 0; packet && count < kMaxPackets && demuxer->ReadPacket(packet, &index) == 0; ++count) {
    if (writer.WritePacket(index, packet) < 0) break;
  }
  av_packet_free(&packet);
  writer.WriteTrailer();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  av_log_set_level(AV_LOG_QUIET);
  std::unique_ptr<Demuxer> demuxer;
  const auto read = [data, size](int64_t position, uint8_t* buffer, int wanted) {
    return ReadFrom(data, size, position, buffer, wanted);
  };
  if (Demuxer::Open(read, static_cast<int64_t>(size), &demuxer) == 0) Rewrap(demuxer.get());
  return 0;
}
