#include "engine/wide_path.h"

#include "engine/conversion_reports.h"
#include "engine/report_message.h"
#include "platform/com/translatable.h"
#include "platform/win32/string_conversion.h"

HRESULT WidenPath(const char* path, WidePath& wide) {
  if (MultiByteToWideChar(CP_ACP, 0, path, -1, wide.text, MAX_PATH) != 0) return S_OK;
  const DWORD error = GetLastError();
  if (error == ERROR_INSUFFICIENT_BUFFER) {
    const HRESULT hr = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Path is too long!  hr=0x%x\n"), HexCode(hr));
    return hr;
  }
  const HRESULT hr = HRESULT_FROM_WIN32(error != ERROR_SUCCESS ? error : ERROR_INVALID_NAME);
  ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Path is not valid text!  hr=0x%x\n"), HexCode(hr));
  return hr;
}
