#include "platform/dshow/media/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/dshow/media/system_errors.h"

namespace {

// Windows tells a missing file from a missing folder; open() says ENOENT for both.
HRESULT MissingPathError(const std::string& utf8Path) {
  const std::filesystem::path parent = std::filesystem::path(utf8Path).parent_path();
  std::error_code ignored;
  const bool folderExists = parent.empty() || std::filesystem::is_directory(parent, ignored);
  return HRESULT_FROM_WIN32(folderExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
}

}  // namespace

ReadOnlyFile::~ReadOnlyFile() { Close(); }

HRESULT ReadOnlyFile::Open(const std::string& utf8Path) {
  Close();
  // Without O_NONBLOCK, opening a FIFO that nobody writes to waits forever;
  // the check below refuses it before any read. Reads of a regular file
  // ignore the flag.
  const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? MissingPathError(utf8Path) : HResultFromErrno(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool isFolder = S_ISDIR(info.st_mode);
    ::close(fd);
    return isFolder ? HRESULT_FROM_WIN32(ERROR_DIRECTORY) : HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  }
  m_fd = fd;
  m_size = info.st_size;
  return S_OK;
}

void ReadOnlyFile::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  m_size = 0;
}

int ReadOnlyFile::ReadAt(int64_t position, uint8_t* buffer, int size) const {
  int total = 0;
  while (total < size) {
    const ssize_t got = ::pread(m_fd, buffer + total, size - total, position + total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -errno;
    if (got == 0) break;
    total += static_cast<int>(got);
  }
  return total;
}
