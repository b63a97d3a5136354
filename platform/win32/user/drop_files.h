// Files dropped on a window, as the Win32 shell hands them over: a window
// that accepts files gets WM_DROPFILES with an HDROP naming the dropped
// paths, reads them with DragQueryFileA and releases the handle with
// DragFinish.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/user/winuser.h"

struct HDROP__;
using HDROP = HDROP__*;

constexpr UINT WM_DROPFILES = 0x0233;

// With `index` 0xFFFFFFFF: the number of dropped paths. Otherwise the length
// of path `index` without its terminator; with a buffer, it also copies at
// most `capacity` - 1 bytes of it and a terminator and returns the bytes
// copied. 0 for an index out of range or a null handle.
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT capacity);
// Releases a handle a window received with WM_DROPFILES.
void DragFinish(HDROP drop);
// Whether the window takes files dropped on it (or on its controls).
void DragAcceptFiles(HWND hwnd, BOOL accept);

// A new handle naming `paths` (UTF-8), to be posted with WM_DROPFILES and
// released by its receiver with DragFinish.
HDROP CreateDropHandle(std::vector<std::string> paths);
