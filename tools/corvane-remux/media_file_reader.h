// A media file read through the same demuxer the conversion uses, so that
// what is checked afterwards is what the conversion itself saw.
#pragma once

#include <memory>
#include <string>

#include "platform/dshow/media/demuxer.h"
#include "platform/dshow/media/read_only_file.h"
#include "tools/corvane-remux/remux_result.h"

class MediaFileReader {
 public:
  // Goes on once the file reads as media; otherwise failed, saying why.
  RemuxResult Open(const std::string& path, Demuxer::StreamProbe probe = Demuxer::StreamProbe::kFirstFrames);
  Demuxer& Media() { return *m_demuxer; }

 private:
  ReadOnlyFile m_file;
  std::unique_ptr<Demuxer> m_demuxer;
};
