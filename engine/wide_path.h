// Paths widened for DirectShow, refused with a message when they do not fit.
#pragma once

#include "platform/win32/windef.h"

// The UTF-16 form of a UTF-8 path in a buffer of MAX_PATH units, terminator
// included.
struct WidePath {
  WCHAR text[MAX_PATH];
};

// Widens `path` into `wide`. A path that is too long, or not text, is shown to
// the user and its HRESULT returned; the buffer is never cut short into
// another path.
HRESULT WidenPath(const char* path, WidePath& wide);
