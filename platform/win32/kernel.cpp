#include "platform/win32/kernel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>

#include "platform/win32/posix_error.h"

namespace {

// Windows 10 22H2, the last release of Windows 10.
constexpr DWORD kMajorVersion = 10;
constexpr DWORD kMinorVersion = 0;
constexpr DWORD kBuildNumber = 19045;

std::atomic<UINT> g_errorMode{0};

BOOL Refuse(DWORD error) {
  SetLastError(error);
  return FALSE;
}

HANDLE NoHandle(DWORD error) {
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

// A descriptor shows as a handle one above it, so that no handle is null.
HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd) + 1); }

// -1 for a value CreateFileA cannot have returned.
int DescriptorOf(HANDLE handle) {
  const std::intptr_t fd = reinterpret_cast<std::intptr_t>(handle) - 1;
  return fd >= 0 && fd <= INT_MAX ? static_cast<int>(fd) : -1;
}

// Checks again after opening, for an entry replaced since it was looked at,
// and gives the descriptor ordinary blocking reads and writes.
bool KeepsRegularFileOnly(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  return fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0;
}

void AdviseAccessPattern(int fd, DWORD flagsAndAttributes) {
  if (flagsAndAttributes & FILE_FLAG_SEQUENTIAL_SCAN) posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  if (flagsAndAttributes & FILE_FLAG_RANDOM_ACCESS) posix_fadvise(fd, 0, 0, POSIX_FADV_RANDOM);
}

}  // namespace

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) return Refuse(ERROR_INVALID_PARAMETER);
  info->dwMajorVersion = kMajorVersion;
  info->dwMinorVersion = kMinorVersion;
  info->dwBuildNumber = kBuildNumber;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  info->szCSDVersion[0] = '\0';
  return TRUE;
}

// A folder, FIFO or device is refused before it is opened, so that opening has
// no side effect on a device; O_NONBLOCK keeps an entry that turns into a FIFO
// meanwhile from stopping the caller until a writer comes.
HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD /*shareMode*/, LPSECURITY_ATTRIBUTES /*security*/,
                   DWORD disposition, DWORD flagsAndAttributes, HANDLE /*templateFile*/) {
  if (!path || access != GENERIC_READ || disposition != OPEN_EXISTING)
    return NoHandle(ERROR_INVALID_PARAMETER);
  struct stat before {};
  if (stat(path, &before) == 0 && !S_ISREG(before.st_mode)) return NoHandle(ERROR_ACCESS_DENIED);
  const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return NoHandle(Win32ErrorOfPathFailure(errno, path));
  if (!KeepsRegularFileOnly(fd)) {
    close(fd);
    return NoHandle(ERROR_ACCESS_DENIED);
  }
  AdviseAccessPattern(fd, flagsAndAttributes);
  SetLastError(ERROR_SUCCESS);
  return HandleOf(fd);
}

BOOL CloseHandle(HANDLE handle) {
  const int fd = DescriptorOf(handle);
  if (fd < 0) return Refuse(ERROR_INVALID_HANDLE);
  // Linux releases the descriptor even when close is interrupted.
  if (close(fd) == 0 || errno == EINTR) return TRUE;
  return Refuse(errno == EBADF ? ERROR_INVALID_HANDLE : ERROR_WRITE_FAULT);
}

BOOL DeleteFileA(LPCSTR path) {
  if (!path) return Refuse(ERROR_INVALID_PARAMETER);
  struct stat status {};
  if (lstat(path, &status) != 0) return Refuse(Win32ErrorOfPathFailure(errno, path));
  if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) return Refuse(ERROR_ACCESS_DENIED);
  if (unlink(path) != 0) return Refuse(Win32ErrorOfPathFailure(errno, path));
  return TRUE;
}

UINT SetErrorMode(UINT mode) { return g_errorMode.exchange(mode); }

UINT GetErrorMode() { return g_errorMode.load(); }
