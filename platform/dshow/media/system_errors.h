// System and FFmpeg error numbers as the HRESULTs a Windows user would see.
#pragma once

#include "platform/com/hresult.h"

// errno values to HRESULT_FROM_WIN32 codes (ENOENT → ERROR_FILE_NOT_FOUND,
// ENOSPC → ERROR_DISK_FULL, ...); anything unknown becomes E_FAIL.
HRESULT HResultFromErrno(int error);
// An AVERROR code: negated errno values map as above, FFmpeg's own codes to
// the closest DirectShow code.
HRESULT HResultFromAvError(int averror);
