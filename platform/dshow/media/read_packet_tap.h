// A look at every packet a splitter reads from its source, as it reads it,
// for a check that must not read the source a second time.
#pragma once

#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/com/unknown.h"

class ReadPacketObserver {
 public:
  // Reading thread, before the first packet: the streams whose packets
  // follow (those with a connected pin), in source order.
  virtual void OnReadingStarts(const std::vector<const AVStream*>& carried) = 0;
  // Reading thread: a packet of one of those streams, as the demuxer gave it.
  virtual void OnPacketRead(const AVStream& stream, const AVPacket& packet) = 0;

 protected:
  ~ReadPacketObserver() = default;
};

// Offered by the splitters. Set while the graph is stopped; the observer must
// outlive the run, and nullptr ends the looking.
struct IReadPacketTap : IUnknown {
  static constexpr IID iid{0x52B7C0D4, 0x1E6F, 0x4A83, {0x9C, 0x27, 0x6D, 0x41, 0xF0, 0x8B, 0x35, 0xA9}};
  virtual HRESULT SetReadPacketObserver(ReadPacketObserver* observer) = 0;

 protected:
  ~IReadPacketTap() = default;
};
