// What intelligent connection and RenderFile know of installed filters:
// their merit, and which source filter opens which file extension.
#pragma once

#include <string>
#include <vector>

#include "platform/dshow/core/dshow.h"

constexpr DWORD MERIT_PREFERRED = 0x800000;
constexpr DWORD MERIT_NORMAL = 0x600000;
constexpr DWORD MERIT_UNLIKELY = 0x400000;
constexpr DWORD MERIT_DO_NOT_USE = 0x200000;

struct FilterRegistration {
  CLSID clsid;
  std::u16string name;
  // Intelligent connection only tries filters above MERIT_DO_NOT_USE.
  DWORD merit;
};

// Filters are also registered as COM classes (CoRegisterClass); this table
// only ranks them. Re-registering a class replaces its entry.
void RegisterFilter(const FilterRegistration& registration);
void UnregisterFilter(REFCLSID clsid);
// Highest merit first; equal merits keep registration order.
std::vector<FilterRegistration> FiltersByMerit();

// Extension (lower-case, with its dot: ".wmv") opened by a source filter
// that splits by itself. Files with other extensions go to CLSID_AsyncReader.
void RegisterSourceExtension(const std::string& extension, REFCLSID sourceClsid);
void UnregisterSourceExtension(const std::string& extension);
// The source for `path`, by its extension (case-insensitive); CLSID_AsyncReader
// when the table has none.
CLSID SourceFilterForPath(const std::string& utf8Path);

// Installs the Filter Graph Manager (CLSID_FilterGraph) and the system clock
// (CLSID_SystemClock) as COM classes. Idempotent.
void InstallCoreClasses();
