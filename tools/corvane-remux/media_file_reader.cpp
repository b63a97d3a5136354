#include "tools/corvane-remux/media_file_reader.h"

extern "C" {
#include <libavutil/error.h>
}

RemuxResult MediaFileReader::Open(const std::string& path, Demuxer::StreamProbe probe) {
  if (FAILED(m_file.Open(path))) return {RemuxOutcome::kFailed, "cannot open " + path};
  const int err = Demuxer::Open(
      [this](int64_t position, uint8_t* buffer, int size) { return m_file.ReadAt(position, buffer, size); },
      m_file.Size(), &m_demuxer, probe);
  if (err < 0) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(err, reason, sizeof reason);
    return {RemuxOutcome::kFailed, "cannot read " + path + " as media: " + reason};
  }
  return {};
}
