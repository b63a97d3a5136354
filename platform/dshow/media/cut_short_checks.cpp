#include "platform/dshow/media/cut_short_checks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace {

// A malformed file could chain millions of tiny chunks; the walk gives up
// (saying nothing) long before that costs noticeable time.
constexpr int kMaxTopLevelChunks = 1 << 16;

uint32_t BigEndian32(const uint8_t* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

uint32_t LittleEndian32(const uint8_t* bytes) {
  return (uint32_t{bytes[3]} << 24) | (uint32_t{bytes[2]} << 16) | (uint32_t{bytes[1]} << 8) | bytes[0];
}

bool ReadExactly(const ReadBytesAt& read, int64_t position, uint8_t* buffer, int size) {
  return read(position, buffer, size) == size;
}

// Box types are four printable characters; anything else is not a box
// (trailing bytes some writers leave), so the walk stops there.
bool IsBoxType(const uint8_t* type) {
  for (int i = 0; i < 4; ++i) {
    if (type[i] < 0x20 || type[i] > 0x7E) return false;
  }
  return true;
}

// The length of the top-level ISO box at `position`, or nullopt when it
// cannot be read or runs to the end of the file by definition (size 0).
std::optional<int64_t> IsoBoxLength(const ReadBytesAt& read, int64_t position) {
  std::array<uint8_t, 16> header{};
  if (!ReadExactly(read, position, header.data(), 8) || !IsBoxType(header.data() + 4)) return std::nullopt;
  int64_t size = BigEndian32(header.data());
  if (size == 1) {
    if (!ReadExactly(read, position + 8, header.data() + 8, 8)) return std::nullopt;
    size = (int64_t{BigEndian32(header.data() + 8)} << 32) | BigEndian32(header.data() + 12);
  }
  if (size < 8) return std::nullopt;
  return size;
}

// The length of the RIFF chunk at `position` with its header (chunks are
// padded to even sizes).
std::optional<int64_t> RiffChunkLength(const ReadBytesAt& read, int64_t position) {
  std::array<uint8_t, 8> header{};
  if (!ReadExactly(read, position, header.data(), 8)) return std::nullopt;
  const int64_t size = LittleEndian32(header.data() + 4);
  return 8 + size + (size & 1);
}

// Walks the top-level chunks; true when one ends beyond the file.
template <typename ChunkLength>
bool ChunkRunsPast(const ReadBytesAt& read, int64_t fileSize, ChunkLength chunkLength) {
  int64_t position = 0;
  for (int chunk = 0; chunk < kMaxTopLevelChunks && position < fileSize; ++chunk) {
    const std::optional<int64_t> length = chunkLength(read, position);
    if (!length) return false;
    if (*length > fileSize - position) return true;
    position += *length;
  }
  return false;
}

// An EBML variable-size integer: its length in bytes and its value, with
// `unknown` set when every value bit is one (a size left open by a live writer).
struct Vint {
  int length = 0;
  uint64_t value = 0;
  bool unknown = false;
};

std::optional<Vint> ReadVint(const uint8_t* bytes, const uint8_t* end, bool keepMarker) {
  if (bytes >= end || bytes[0] == 0) return std::nullopt;
  Vint vint;
  vint.length = __builtin_clz(bytes[0]) - 23;
  if (end - bytes < vint.length) return std::nullopt;
  const uint64_t marker = uint64_t{0x80} >> (vint.length - 1);
  vint.value = keepMarker ? bytes[0] : bytes[0] & (marker - 1);
  for (int i = 1; i < vint.length; ++i) vint.value = (vint.value << 8) | bytes[i];
  const uint64_t allOnes = (uint64_t{1} << (7 * vint.length)) - 1;
  vint.unknown = !keepMarker && vint.value == allOnes;
  return vint;
}

// Reads one element header at `at`: its id and size; advances `at` past it.
bool ReadElementHeader(const uint8_t*& at, const uint8_t* end, uint64_t* id, Vint* size) {
  const std::optional<Vint> idVint = ReadVint(at, end, true);
  if (!idVint) return false;
  const std::optional<Vint> sizeVint = ReadVint(at + idVint->length, end, false);
  if (!sizeVint) return false;
  *id = idVint->value;
  *size = *sizeVint;
  at += idVint->length + sizeVint->length;
  return true;
}

// The EBML header comes first and the Segment right after it; the Segment's
// size covers the rest of the file.
bool MatroskaSegmentRunsPast(const ReadBytesAt& read, int64_t fileSize) {
  constexpr uint64_t kEbmlHeaderId = 0x1A45DFA3, kSegmentId = 0x18538067;
  std::array<uint8_t, 256> bytes{};
  const int got = read(0, bytes.data(), static_cast<int>(bytes.size()));
  if (got <= 0) return false;
  const uint8_t* at = bytes.data();
  const uint8_t* end = bytes.data() + got;
  uint64_t id = 0;
  Vint size;
  if (!ReadElementHeader(at, end, &id, &size) || id != kEbmlHeaderId || size.unknown) return false;
  if (size.value > static_cast<uint64_t>(end - at)) return false;
  at += size.value;
  if (!ReadElementHeader(at, end, &id, &size) || id != kSegmentId || size.unknown) return false;
  const uint64_t segmentStart = static_cast<uint64_t>(at - bytes.data());
  return size.value > static_cast<uint64_t>(fileSize) - segmentStart;
}

// MPEG-TS comes in packets of 188 bytes, 192 with a time code before the
// sync byte, 204 with error correction after the payload.
struct TransportLayout {
  int packetSize = 188;
  int syncOffset = 0;
};

std::optional<TransportLayout> DetectTransportLayout(const ReadBytesAt& read) {
  constexpr uint8_t kSync = 0x47;
  std::array<uint8_t, 2 * 204 + 4> bytes{};
  if (!ReadExactly(read, 0, bytes.data(), static_cast<int>(bytes.size()))) return std::nullopt;
  for (const TransportLayout layout :
       {TransportLayout{188, 0}, TransportLayout{192, 4}, TransportLayout{204, 0}}) {
    if (bytes[layout.syncOffset] == kSync && bytes[layout.syncOffset + layout.packetSize] == kSync)
      return layout;
  }
  return std::nullopt;
}

// The AVI reader shortens a chunk the file's end cuts through to what is
// there; the chunk's header ("01wb", then its size) right before the
// packet's bytes still says how long it was.
bool AviChunkLongerThan(const ReadBytesAt& read, const AVPacket& packet) {
  std::array<uint8_t, 8> header{};
  if (packet.pos < 8 || !ReadExactly(read, packet.pos - 8, header.data(), 8)) return false;
  const bool chunkId = std::isdigit(header[0]) && std::isdigit(header[1]) && std::isalpha(header[2]) &&
                       std::isalpha(header[3]);
  return chunkId && LittleEndian32(header.data() + 4) > static_cast<uint32_t>(packet.size);
}

// MPEG program streams are packs (00 00 01 BA) of PES packets that state
// their own lengths. From the last pack start in the file's tail the chain
// of lengths is followed: ending past the file's end means the file was cut
// inside a packet; ending exactly at it (or at the end code) means it was not.
// Anything that does not parse says nothing.
bool ProgramStreamRunsPast(const ReadBytesAt& read, int64_t fileSize) {
  constexpr int kTail = 256 * 1024;
  const int64_t tailStart = std::max<int64_t>(0, fileSize - kTail);
  std::vector<uint8_t> tail(static_cast<std::size_t>(fileSize - tailStart));
  if (!ReadExactly(read, tailStart, tail.data(), static_cast<int>(tail.size()))) return false;
  const auto size = static_cast<int64_t>(tail.size());
  int64_t at = -1;
  for (int64_t i = size - 4; i >= 0 && at < 0; --i) {
    if (tail[i] == 0 && tail[i + 1] == 0 && tail[i + 2] == 1 && tail[i + 3] == 0xBA) at = i;
  }
  if (at < 0) return false;
  while (at < size) {
    if (at + 4 > size) return true;  // a start code cut in two
    if (tail[at] != 0 || tail[at + 1] != 0 || tail[at + 2] != 1) return false;
    const uint8_t code = tail[at + 3];
    if (code == 0xB9) return false;  // the end code
    if (code == 0xBA) {
      if (at + 14 > size) return true;
      const bool mpeg2 = (tail[at + 4] & 0xC0) == 0x40;
      at += mpeg2 ? 14 + (tail[at + 13] & 0x07) : 12;
    } else if (code >= 0xBB) {
      if (at + 6 > size) return true;
      at += 6 + ((tail[at + 4] << 8) | tail[at + 5]);
    } else {
      return false;
    }
  }
  return at > size;
}

}  // namespace

bool DeclaresMoreThanPresent(std::string_view formatName, const ReadBytesAt& read, int64_t fileSize) {
  if (fileSize <= 0) return false;
  if (formatName == "mov,mp4,m4a,3gp,3g2,mj2") return ChunkRunsPast(read, fileSize, IsoBoxLength);
  if (formatName == "avi") return ChunkRunsPast(read, fileSize, RiffChunkLength);
  if (formatName == "matroska,webm") return MatroskaSegmentRunsPast(read, fileSize);
  if (formatName == "mpegts") return TransportPidCutByFileEnd(read, fileSize).has_value();
  if (formatName == "mpeg") return ProgramStreamRunsPast(read, fileSize);
  return false;
}

std::optional<int> TransportPidCutByFileEnd(const ReadBytesAt& read, int64_t fileSize) {
  const std::optional<TransportLayout> layout = DetectTransportLayout(read);
  if (!layout || fileSize % layout->packetSize == 0) return std::nullopt;
  const int64_t header = fileSize - fileSize % layout->packetSize + layout->syncOffset;
  std::array<uint8_t, 3> bytes{};
  if (!ReadExactly(read, header, bytes.data(), 3)) return -1;
  // A packet that starts a new payload cuts nothing that came before it.
  const bool startsPayload = (bytes[1] & 0x40) != 0;
  return startsPayload ? -1 : ((bytes[1] & 0x1F) << 8) | bytes[2];
}

bool IndexReachesPast(const AVFormatContext& context, int64_t fileSize) {
  for (unsigned i = 0; i < context.nb_streams; ++i) {
    AVStream* stream = context.streams[i];
    const int count = avformat_index_get_entries_count(stream);
    for (int entry = 0; entry < count; ++entry) {
      const AVIndexEntry* at = avformat_index_get_entry(stream, entry);
      if (at && at->pos > fileSize - at->size) return true;
    }
  }
  return false;
}

int IndexedPacketsInside(AVStream* stream, int64_t fileSize) {
  const int count = avformat_index_get_entries_count(stream);
  int inside = 0;
  for (int entry = 0; entry < count; ++entry) {
    const AVIndexEntry* at = avformat_index_get_entry(stream, entry);
    inside += at && at->size > 0 && at->pos >= 0 && at->pos <= fileSize - at->size ? 1 : 0;
  }
  return inside;
}

bool CutByFileEnd(std::string_view formatName, const ReadBytesAt& read, int64_t fileSize, AVStream* stream,
                  const AVPacket& packet) {
  if (packet.pos < 0 || fileSize <= 0) return false;
  const bool reachesEnd = packet.pos >= fileSize - packet.size;
  if (reachesEnd && (packet.flags & AV_PKT_FLAG_CORRUPT)) return true;
  if (reachesEnd && formatName == "avi" && AviChunkLongerThan(read, packet)) return true;
  if (packet.dts == AV_NOPTS_VALUE) return false;
  const AVIndexEntry* entry =
      avformat_index_get_entry_from_timestamp(stream, packet.dts, AVSEEK_FLAG_ANY | AVSEEK_FLAG_BACKWARD);
  return entry && entry->pos == packet.pos && entry->size > packet.size &&
         entry->pos > fileSize - entry->size;
}
