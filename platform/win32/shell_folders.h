// SHGetFolderPathA: the user's special folders, where the desktop keeps them
// (the XDG user directories).
#pragma once

#include "platform/win32/kernel.h"

constexpr int CSIDL_MYVIDEO = 0x000E;
// Flags combined with the folder's value.
constexpr int CSIDL_FLAG_DONT_VERIFY = 0x4000;
constexpr int CSIDL_FLAG_CREATE = 0x8000;
constexpr int CSIDL_FLAG_MASK = 0xFF00;

constexpr DWORD SHGFP_TYPE_CURRENT = 0;
constexpr DWORD SHGFP_TYPE_DEFAULT = 1;

// The type a caller gives GetProcAddress's result for "SHGetFolderPathA".
using PFNSHGETFOLDERPATHA = HRESULT (*)(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path);

// Writes the folder `csidl` names into `path`, a buffer of MAX_PATH bytes, and
// returns S_OK. CSIDL_MYVIDEO is the user's videos folder (XDG_VIDEOS_DIR in
// user-dirs.dirs under $XDG_CONFIG_HOME, else $HOME/Videos).
// SHGFP_TYPE_DEFAULT gives the default place whatever the user chose. Nothing
// is created unless CSIDL_FLAG_CREATE asks, so a missing folder fails with
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) (unless CSIDL_FLAG_DONT_VERIFY
// skips the check). A path that would not fit fails with
// HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE), another folder or a null
// `path` with E_INVALIDARG; `path` is empty after a failure. Only the calling
// user's folders are known: `owner` and `token` are ignored.
HRESULT SHGetFolderPathA(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path);
