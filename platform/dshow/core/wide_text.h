// UTF-16 text as DirectShow hands it around: fixed name buffers, task-memory
// copies, and the conversion to the platform's UTF-8 paths.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/com/hresult.h"

// Copies `text` into `buffer` of `capacity` characters, cut to fit, always
// terminated.
void CopyWideName(WCHAR* buffer, std::size_t capacity, std::u16string_view text);
// A CoTaskMemAlloc'd, terminated copy; null when out of memory.
LPWSTR TaskMemWideCopy(std::u16string_view text);
// The length of a terminated wide string; 0 for null.
std::u16string_view WideView(LPCWSTR text);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::u16string_view text);
