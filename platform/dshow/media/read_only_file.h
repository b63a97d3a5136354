// A media file opened for reading only: sources never modify what they read.
// Reads are positioned (pread), so any thread may read at any offset.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/hresult.h"

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) for a missing file,
  // ERROR_PATH_NOT_FOUND when its folder is missing, ERROR_ACCESS_DENIED,
  // ERROR_DIRECTORY for a folder. Anything else that is not a regular file
  // (a FIFO, a device such as /dev/zero, a socket) is refused at once with
  // ERROR_ACCESS_DENIED: it has no size and cannot be read at random places.
  HRESULT Open(const std::string& utf8Path);
  void Close();
  bool IsOpen() const { return m_fd >= 0; }
  int64_t Size() const { return m_size; }
  // Bytes read (fewer only at the end), or -errno.
  int ReadAt(int64_t position, uint8_t* buffer, int size) const;

 private:
  int m_fd = -1;
  int64_t m_size = 0;
};
