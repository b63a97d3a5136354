#include "platform/win32/posix_error.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <string_view>

#include "platform/win32/kernel.h"

namespace {

// The folder that holds `path`'s last entry; trailing separators belong to
// the entry.
std::string FolderOf(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return std::string(slash == 0 ? "/" : path.substr(0, slash));
}

bool IsFolder(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

DWORD MissingEntryError(LPCSTR path) {
  if (!path || !*path) return ERROR_PATH_NOT_FOUND;
  return IsFolder(FolderOf(path)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

}  // namespace

DWORD Win32ErrorOfPathFailure(int posixError, LPCSTR path) {
  switch (posixError) {
    case ENOENT:
      return MissingEntryError(path);
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
    case ENXIO:
    case ENODEV:
      return ERROR_ACCESS_DENIED;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case EBUSY:
      return ERROR_SHARING_VIOLATION;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case ELOOP:
      return ERROR_CANT_RESOLVE_FILENAME;
    case EMFILE:
    case ENFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case ENOSPC:
    case EDQUOT:
      return ERROR_DISK_FULL;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    default:
      return ERROR_GEN_FAILURE;
  }
}
