// Kernel functions the program calls: the system version, opening and closing
// files, deleting them, and the process's error mode.
#pragma once

#include "platform/win32/windef.h"

// Win32 error codes the kernel functions leave beyond those windef.h names.
constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr DWORD ERROR_BAD_FORMAT = 11;
constexpr DWORD ERROR_GEN_FAILURE = 31;
constexpr DWORD ERROR_CANT_RESOLVE_FILENAME = 1921;

// --- Version ---------------------------------------------------------------

constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;  // the caller sets it to the size of the structure it passes
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148, "callers size the structure as Windows does");

// Reports Windows 10.0, so callers take the branches meant for current
// systems. Fails with ERROR_INVALID_PARAMETER when dwOSVersionInfoSize is
// smaller than the structure.
BOOL GetVersionExA(OSVERSIONINFOA* info);

// --- Files -----------------------------------------------------------------

using HANDLE = void*;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

struct SECURITY_ATTRIBUTES {
  DWORD nLength;
  void* lpSecurityDescriptor;
  BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// Access.
constexpr DWORD GENERIC_READ = 0x80000000;
// Sharing: POSIX files are always shared, so these are accepted and change nothing.
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;
// Creation disposition.
constexpr DWORD OPEN_EXISTING = 3;
// Attributes and flags; the access pattern hints reach the kernel's read-ahead.
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_FLAG_RANDOM_ACCESS = 0x10000000;
constexpr DWORD FILE_FLAG_SEQUENTIAL_SCAN = 0x08000000;

// Opens an existing regular file for GENERIC_READ with OPEN_EXISTING; other
// access or dispositions fail with ERROR_INVALID_PARAMETER. Anything but a
// regular file (a folder, a FIFO, a device) is refused with
// ERROR_ACCESS_DENIED, and opening never waits on such a file. A missing file
// fails with ERROR_FILE_NOT_FOUND, a missing folder on its path with
// ERROR_PATH_NOT_FOUND. The handle is never inherited by programs this process
// starts. Security attributes and the template file are ignored.
HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD disposition, DWORD flagsAndAttributes, HANDLE templateFile);

// Closes a handle CreateFileA returned; ERROR_INVALID_HANDLE for anything else.
BOOL CloseHandle(HANDLE handle);

// Deletes a file or a symbolic link (never what it points to). A folder or any
// other kind of entry is refused with ERROR_ACCESS_DENIED.
BOOL DeleteFileA(LPCSTR path);

// --- Error mode ------------------------------------------------------------

constexpr UINT SEM_FAILCRITICALERRORS = 0x0001;
constexpr UINT SEM_NOGPFAULTERRORBOX = 0x0002;
constexpr UINT SEM_NOALIGNMENTFAULTEXCEPT = 0x0004;
constexpr UINT SEM_NOOPENFILEERRORBOX = 0x8000;

// This platform never shows a dialog for a missing disk or a failed open, so
// the mode changes no behaviour; it is kept per process so that a caller can
// restore the mode it replaced.
UINT SetErrorMode(UINT mode);
UINT GetErrorMode();
