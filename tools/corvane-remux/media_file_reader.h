// A media file read through the same demuxer the conversion uses, so that
// what is checked afterwards is what the conversion itself saw.
#pragma once

#include <memory>
#include <string>

#include "platform/dshow/media/demuxer.h"
#include "platform/dshow/media/read_only_file.h"

class MediaFileReader {
 public:
  // Empty on success, otherwise why the file cannot be read as media.
  std::string Open(const std::string& path);
  Demuxer& Media() { return *m_demuxer; }

 private:
  ReadOnlyFile m_file;
  std::unique_ptr<Demuxer> m_demuxer;
};
