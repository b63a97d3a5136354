#include "platform/dshow/core/filter_registry.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

#include "platform/com/com_runtime.h"
#include "platform/dshow/core/system_clock.h"

// Defined with the Filter Graph Manager.
HRESULT CreateFilterGraphInstance(REFIID riid, void** ppv);

namespace {

struct Registry {
  std::mutex lock;
  std::vector<FilterRegistration> filters;  // registration order
  std::map<std::string, CLSID> sources;     // extension -> source filter
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// ".ext" of the path's last component, lower-case; empty without one.
std::string ExtensionOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return Lower(path.substr(dot));
}

}  // namespace

void RegisterFilter(const FilterRegistration& registration) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.lock);
  auto& filters = registry.filters;
  std::erase_if(filters, [&](const FilterRegistration& r) { return r.clsid == registration.clsid; });
  filters.push_back(registration);
}

void UnregisterFilter(REFCLSID clsid) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.lock);
  std::erase_if(registry.filters, [&](const FilterRegistration& r) { return r.clsid == clsid; });
}

std::vector<FilterRegistration> FiltersByMerit() {
  std::vector<FilterRegistration> filters;
  {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    filters = registry.filters;
  }
  std::stable_sort(
      filters.begin(), filters.end(),
      [](const FilterRegistration& a, const FilterRegistration& b) { return a.merit > b.merit; });
  return filters;
}

void RegisterSourceExtension(const std::string& extension, REFCLSID sourceClsid) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.lock);
  registry.sources[Lower(extension)] = sourceClsid;
}

void UnregisterSourceExtension(const std::string& extension) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.lock);
  registry.sources.erase(Lower(extension));
}

CLSID SourceFilterForPath(const std::string& utf8Path) {
  const std::string extension = ExtensionOf(utf8Path);
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.lock);
  const auto it = registry.sources.find(extension);
  return (extension.empty() || it == registry.sources.end()) ? CLSID_AsyncReader : it->second;
}

void InstallCoreClasses() {
  CoRegisterClass(CLSID_SystemClock, FactoryOf<SystemClock>());
  CoRegisterClass(CLSID_FilterGraph, CreateFilterGraphInstance);
}
