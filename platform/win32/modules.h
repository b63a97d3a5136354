// LoadLibraryA and GetProcAddress over the modules this platform builds in:
// a program that finds a system function at run time, as it would in a
// Windows DLL, finds ours.
#pragma once

#include "platform/win32/windef.h"

// Win32 error codes of the module functions.
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;

using HMODULE = HINSTANCE;
// Callers cast an export to its real type before calling it; a function
// without parameters or result is the type compilers accept such casts from
// without a warning.
using FARPROC = void (*)();

// Returns the built-in module `name` names ("shell32.dll"; case does not
// matter, and a name without an extension means the ".dll"), counting one more
// use of it; nullptr with ERROR_MOD_NOT_FOUND for any other name.
HMODULE LoadLibraryA(LPCSTR name);

// The export `name` of a loaded `module` (names match exactly, as on Windows);
// nullptr with ERROR_PROC_NOT_FOUND when it has none, or with
// ERROR_INVALID_HANDLE when `module` is not loaded.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);

// Counts one use of `module` less; once every LoadLibraryA is matched the
// handle is no longer loaded. ERROR_INVALID_HANDLE when it is not loaded.
BOOL FreeLibrary(HMODULE module);
