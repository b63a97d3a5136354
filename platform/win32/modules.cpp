#include "platform/win32/modules.h"

#include <strings.h>

#include <cstring>
#include <mutex>
#include <span>
#include <string>

#include "platform/win32/shell_folders.h"

namespace {

struct Export {
  const char* name;
  FARPROC address;
};

struct BuiltInModule {
  const char* name;
  std::span<const Export> exports;
  int loads = 0;  // LoadLibraryA calls not yet matched by FreeLibrary
};

const Export kShell32Exports[] = {
    {"SHGetFolderPathA", reinterpret_cast<FARPROC>(&SHGetFolderPathA)},
};

BuiltInModule g_modules[] = {
    {"shell32.dll", kShell32Exports},
};
std::mutex g_modulesMutex;  // guards the load counts

HMODULE HandleOf(BuiltInModule& module) { return reinterpret_cast<HMODULE>(&module); }

// The module behind `handle` while it is loaded; handles are compared, never
// followed, so that any value is safe to pass.
BuiltInModule* LoadedModule(HMODULE handle) {
  for (BuiltInModule& module : g_modules)
    if (HandleOf(module) == handle && module.loads > 0) return &module;
  return nullptr;
}

// Windows adds ".dll" to a module name without an extension.
std::string ModuleFileName(const char* name) {
  std::string fileName(name);
  const std::size_t lastDot = fileName.rfind('.');
  if (lastDot == std::string::npos || fileName.find_first_of("/\\", lastDot) != std::string::npos)
    fileName += ".dll";
  return fileName;
}

// Ordinals (values below 0x10000 in place of a name) name no export here.
bool IsOrdinal(const char* name) { return reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF; }

}  // namespace

HMODULE LoadLibraryA(LPCSTR name) {
  if (!name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::string fileName = ModuleFileName(name);
  const std::lock_guard lock(g_modulesMutex);
  for (BuiltInModule& module : g_modules) {
    if (strcasecmp(module.name, fileName.c_str()) != 0) continue;
    ++module.loads;
    return HandleOf(module);
  }
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

FARPROC GetProcAddress(HMODULE handle, LPCSTR name) {
  const std::lock_guard lock(g_modulesMutex);
  const BuiltInModule* module = LoadedModule(handle);
  if (!module) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!IsOrdinal(name))
    for (const Export& entry : module->exports)
      if (std::strcmp(entry.name, name) == 0) return entry.address;
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}

BOOL FreeLibrary(HMODULE handle) {
  const std::lock_guard lock(g_modulesMutex);
  BuiltInModule* module = LoadedModule(handle);
  if (!module) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  --module->loads;
  return TRUE;
}
