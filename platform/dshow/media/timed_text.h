// MP4 and QuickTime timed text (mov_text, 'tx3g' samples) has no Matroska
// codec. It is the one stream whose payload Corvane changes instead of copying
// it bit for bit: each cue becomes a Matroska plain-text subtitle
// (S_TEXT/UTF8, which libavformat writes for the SubRip codec) with its text,
// start and duration kept and its styling dropped. Cues with no text, the gaps
// between subtitles, are left out.
#pragma once

#include <cstdint>
#include <span>
#include <string>

extern "C" {
#include <libavcodec/codec_par.h>
#include <libavcodec/packet.h>
}

// Whether a rewrap converts this codec's stream to plain-text subtitles.
bool IsTimedText(AVCodecID codec);

// Describes a timed text stream as the plain-text subtitles it becomes: the
// codec changes and the sample description (default styling) goes.
void DescribeAsPlainText(AVCodecParameters* params);

// The text of one timed text sample as UTF-8 (a sample holds a 16-bit
// big-endian length, the text in UTF-8, or in UTF-16 after a byte-order mark,
// then styling boxes). Empty for an empty cue. Never reads past the sample: a
// length beyond it keeps the text the sample does hold.
std::string TimedTextToPlainText(std::span<const uint8_t> sample);

// Replaces the packet's payload with the plain text of its cue; timestamps
// and duration stay. Returns 1 when the packet carries a cue, 0 for an empty
// cue (to be left out), or a negative AVERROR.
int ReplaceWithPlainText(AVPacket* packet);
