#include "platform/dshow/media/codec_description_check.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// The codecs whose description libavformat's Matroska muxer parses into a
// configuration record of its own.
bool MuxerParsesDescription(AVCodecID codec) {
  return codec == AV_CODEC_ID_H264 || codec == AV_CODEC_ID_HEVC;
}

}  // namespace

bool CodecDescriptionIsSound(const AVCodecParameters& params) {
  if (!MuxerParsesDescription(params.codec_id) || params.extradata_size <= 0) return true;
  const AVCodec* decoder = avcodec_find_decoder(params.codec_id);
  // Without the decoder there is nothing to check with; the stream is
  // written as before.
  if (!decoder) return true;
  AVCodecContext* context = avcodec_alloc_context3(decoder);
  if (!context) return true;
  bool sound = avcodec_parameters_to_context(context, &params) >= 0;
  // Opening parses the description; with AV_EF_EXPLODE any parameter set the
  // parser refuses fails the opening instead of being skipped. One thread:
  // no frame threads are started for a parse.
  context->err_recognition = AV_EF_EXPLODE;
  context->thread_count = 1;
  sound = sound && avcodec_open2(context, decoder, nullptr) >= 0;
  avcodec_free_context(&context);
  return sound;
}
