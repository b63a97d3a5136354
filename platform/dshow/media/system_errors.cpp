#include "platform/dshow/media/system_errors.h"

#include <cerrno>

extern "C" {
#include <libavutil/error.h>
}

#include "platform/dshow/core/dshow.h"

HRESULT HResultFromErrno(int error) {
  switch (error) {
    case 0:
      return S_OK;
    case ENOENT:
      return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    case ENOTDIR:
      return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    case EACCES:
    case EPERM:
    case EROFS:
      return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    case EISDIR:
      return HRESULT_FROM_WIN32(ERROR_DIRECTORY);
    case ENOSPC:
    case EDQUOT:
      return HRESULT_FROM_WIN32(ERROR_DISK_FULL);
    case ENAMETOOLONG:
      return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    case EEXIST:
      return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
    case ENOMEM:
      return E_OUTOFMEMORY;
    case EINVAL:
      return E_INVALIDARG;
    case EIO:
      return HRESULT_FROM_WIN32(ERROR_WRITE_FAULT);
    default:
      return E_FAIL;
  }
}

HRESULT HResultFromAvError(int averror) {
  if (averror >= 0) return S_OK;
  switch (averror) {
    case AVERROR_INVALIDDATA:
      return VFW_E_INVALID_FILE_FORMAT;
    case AVERROR_EOF:
      return HRESULT_FROM_WIN32(ERROR_HANDLE_EOF);
    case AVERROR_DECODER_NOT_FOUND:
    case AVERROR_DEMUXER_NOT_FOUND:
    case AVERROR_MUXER_NOT_FOUND:
    case AVERROR_PATCHWELCOME:
      return VFW_E_UNSUPPORTED_STREAM;
    default:
      break;
  }
  return HResultFromErrno(AVUNERROR(averror));
}
