// MultiByteToWideChar: narrow strings are UTF-8 on this platform (its "ANSI
// code page"), wide strings UTF-16.
#pragma once

#include "platform/win32/windef.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;

// Converts `srcLen` bytes of `src` (-1: up to and including its terminator)
// into `dst` and returns the number of UTF-16 units written; with `dstCap` 0 it
// only returns how many would be written. Returns 0 with GetLastError() set on
// failure: ERROR_INSUFFICIENT_BUFFER when `dst` is too small (its content is
// then unspecified, never overrun), ERROR_NO_UNICODE_TRANSLATION for input
// that is not UTF-8, ERROR_INVALID_PARAMETER for bad arguments or another code
// page. Input that is not UTF-8 is refused whatever the flags: Windows would
// put U+FFFD in its place, which for a path names a different file.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcLen, LPWSTR dst, int dstCap);
