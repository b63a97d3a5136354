// Small conversions every media filter needs: UTF-16 file names to the UTF-8
// the system takes, and system or FFmpeg error numbers to the HRESULTs a
// Windows user would see.
#pragma once

#include <string>

#include "platform/com/hresult.h"

std::string Utf16ToUtf8(const std::u16string& text);
std::u16string Utf8ToUtf16(const std::string& text);

// errno values to HRESULT_FROM_WIN32 codes (ENOENT → ERROR_FILE_NOT_FOUND,
// ENOSPC → ERROR_DISK_FULL, ...); anything unknown becomes E_FAIL.
HRESULT HResultFromErrno(int error);
// An AVERROR code: negated errno values map as above, FFmpeg's own codes to
// the closest DirectShow code.
HRESULT HResultFromAvError(int averror);
