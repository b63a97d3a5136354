// Splitting paths into folder, tail and file name. Paths are UTF-8, where a
// "/" byte is always a whole character, so scanning bytes is safe.
#pragma once

#include "platform/afx/afxwin.h"

// The leading part of `path` up to and including its last "/"; empty when
// there is none.
CString GetPathFolder(const CString& path);
// The trailing part of `path` from its last "/", that "/" included; empty
// when there is none.
CString GetPathFileTail(const CString& path);
// Writes the file name with its extension (the text after the last "/" or
// "\") into `name`, which holds `capacity` bytes. FALSE, with `name` left
// untouched, for an empty path or a name that does not fit.
BOOL GetPathFileName(LPCSTR path, LPSTR name, std::size_t capacity);
