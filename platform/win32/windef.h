// Basic Win32 types, handles and limits shared by the user, shell and kernel
// stand-ins.
#pragma once

#include <climits>
#include <cstdint>

#include "platform/com/hresult.h"

// Handles are opaque pointers, distinct per kind so that they do not mix.
struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WORD = std::uint16_t;

// Paths here may be as long as the file system allows, so every fixed path
// buffer is sized from the platform's limit rather than Windows' 260.
inline constexpr int MAX_PATH = PATH_MAX;

// Win32 error codes beyond those HRESULT_FROM_WIN32 users already know.
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_INVALID_FLAGS = 1004;
constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_INVALID_THREAD_ID = 1444;

// The calling thread's last error, as Win32 functions leave it.
DWORD GetLastError();
void SetLastError(DWORD error);
