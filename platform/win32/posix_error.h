// How a failed POSIX call reads as a Win32 error code, for the kernel
// functions built on POSIX.
#pragma once

#include "platform/win32/windef.h"

// The Win32 code for `posixError` (an errno value) met while working on `path`.
// A missing entry is ERROR_FILE_NOT_FOUND when the folder that should hold it
// exists and ERROR_PATH_NOT_FOUND otherwise, the distinction Windows makes.
DWORD Win32ErrorOfPathFailure(int posixError, LPCSTR path);
