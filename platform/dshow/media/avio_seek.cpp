#include "platform/dshow/media/avio_seek.h"

#include <cstdio>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
}

int64_t ApplyAvioSeek(int64_t* position, int64_t size, int64_t offset, int whence) {
  int64_t target = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
      return size >= 0 ? size : AVERROR(ENOSYS);
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = *position + offset;
      break;
    case SEEK_END:
      if (size < 0) return AVERROR(ENOSYS);
      target = size + offset;
      break;
    default:
      return AVERROR(EINVAL);
  }
  if (target < 0) return AVERROR(EINVAL);
  *position = target;
  return target;
}
