// The engine's way of telling the user that a step failed: one modal box with
// no owner window, the caption "Pellumbra" and an OK button.
#pragma once

#include "platform/com/hresult.h"

// Formats like printf into a 1024-byte text; longer texts are cut at 1023
// characters.
void ReportMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// HRESULTs are shown as the unsigned hexadecimal codes Windows users know.
constexpr unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }
