#include "paths/path_operations.h"

#include <cstring>

CString GetPathFolder(const CString& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? CString() : CString(path.substr(0, slash + 1));
}

CString GetPathFileTail(const CString& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? CString() : CString(path.substr(slash));
}

BOOL GetPathFileName(LPCSTR path, LPSTR name, std::size_t capacity) {
  if (!path || !*path || !name) return FALSE;
  const char* start = path;
  for (const char* p = path; *p; ++p) {
    if (*p == '/' || *p == '\\') start = p + 1;
  }
  const std::size_t length = std::strlen(start);
  if (length >= capacity) return FALSE;
  std::memcpy(name, start, length + 1);
  return TRUE;
}
