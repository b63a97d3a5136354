// Signs that a source stops before its own end (a download or copy that was
// cut off), and that a packet libavformat handed over lies only partly in it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

extern "C" {
#include <libavformat/avformat.h>
}

using ReadBytesAt = std::function<int(int64_t position, uint8_t* buffer, int size)>;

// The container says how long it is (RIFF and ISO box sizes, the Matroska
// segment size, whole MPEG-TS packets, MPEG program stream packet lengths)
// and the file is shorter. `formatName`
// is libavformat's demuxer name; formats that declare no length say false.
bool DeclaresMoreThanPresent(std::string_view formatName, const ReadBytesAt& read, int64_t fileSize);

// An MPEG-TS file that ends inside a transport packet: that packet's PID
// when it continues a payload (the stream whose packet in progress the cut
// went through), else -1 (a payload only begun, or too little left to
// tell). nullopt when the file ends between packets or is not MPEG-TS.
std::optional<int> TransportPidCutByFileEnd(const ReadBytesAt& read, int64_t fileSize);

// Some stream's index places a packet (partly) beyond the end of the file.
bool IndexReachesPast(const AVFormatContext& context, int64_t fileSize);

// How many of the stream's index entries lie whole inside the file (empty
// ones, which some writers index for dropped frames, do not count).
int IndexedPacketsInside(AVStream* stream, int64_t fileSize);

// The packet was cut by the end of the file: libavformat read what was there
// and marked it corrupt, or the stream's index or (in AVI) the packet's own
// chunk header gives it more bytes than are left in the file.
bool CutByFileEnd(std::string_view formatName, const ReadBytesAt& read, int64_t fileSize, AVStream* stream,
                  const AVPacket& packet);
