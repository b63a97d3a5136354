// Checks a stream's codec description (the parameter sets an H.264 avcC or
// HEVC hvcC record carries) before the Matroska writer sees it.
#pragma once

extern "C" {
#include <libavcodec/codec_par.h>
}

// False when the description is damaged. libavformat's Matroska muxer
// re-parses these records in avformat_write_header without bounds on the
// counts they state, and a damaged one can keep it busy for minutes; the
// decoder's parser checks every count and id, so a description it refuses
// is left out instead of reaching the writer. True for codecs whose
// description the muxer copies as it is.
bool CodecDescriptionIsSound(const AVCodecParameters& params);
