// A fingerprint of one packet's content that survives what the Matroska
// muxer does to some bitstreams on the way: H.264 and HEVC start codes become
// length prefixes, ADTS headers are dropped from AAC, and subtitle text may
// change its line ends. Everything else must arrive byte for byte.
#pragma once

#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
}

// `params` describes the stream the packet belongs to.
uint64_t PayloadDigest(const AVCodecParameters& params, const uint8_t* data, int size);
