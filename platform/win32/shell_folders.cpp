#include "platform/win32/shell_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kVideosKey = "XDG_VIDEOS_DIR";
constexpr std::string_view kHomeVariable = "$HOME";

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
    return found->pw_dir;
  return {};
}

// The XDG rules ignore a relative setting.
std::string ConfigFolder(const std::string& home) {
  const char* configured = std::getenv("XDG_CONFIG_HOME");
  return configured && configured[0] == '/' ? std::string(configured) : home + "/.config";
}

// Reads a quoted user-dirs.dirs value, in which a backslash takes the next
// character as it is. Only "$HOME/..." and absolute paths are valid there.
std::optional<std::string> UserDirValue(std::string_view quoted, const std::string& home) {
  if (!quoted.starts_with('"')) return std::nullopt;
  std::string value;
  std::size_t i = 1;
  for (; i < quoted.size() && quoted[i] != '"'; ++i) {
    if (quoted[i] == '\\' && i + 1 < quoted.size()) ++i;
    value += quoted[i];
  }
  if (i == quoted.size()) return std::nullopt;  // no closing quote
  if (value.starts_with(kHomeVariable) &&
      (value.size() == kHomeVariable.size() || value[kHomeVariable.size()] == '/'))
    return home + value.substr(kHomeVariable.size());
  if (value.starts_with('/')) return value;
  return std::nullopt;
}

// The folder the user chose for `key`; the last valid line wins, as when the
// desktop's shell scripts source the file.
std::optional<std::string> ChosenUserDir(std::string_view key, const std::string& home) {
  std::ifstream file(ConfigFolder(home) + "/user-dirs.dirs");
  std::optional<std::string> chosen;
  for (std::string line; std::getline(file, line);) {
    std::string_view text(line);
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    if (!text.starts_with(key) || text.substr(key.size(), 1) != "=") continue;
    if (auto value = UserDirValue(text.substr(key.size() + 1), home)) chosen = std::move(value);
  }
  return chosen;
}

std::string Tidy(const std::string& path) {
  std::string tidy = std::filesystem::path(path).lexically_normal().string();
  if (tidy.size() > 1 && tidy.back() == '/') tidy.pop_back();
  return tidy;
}

// Empty when the user's home is unknown; nullopt for a folder this platform
// does not have.
std::optional<std::string> FolderOf(int folder, DWORD flags) {
  const std::string home = HomeFolder();
  if (home.empty()) return std::string();
  switch (folder) {
    case CSIDL_MYVIDEO: {
      std::optional<std::string> chosen;
      if (flags != SHGFP_TYPE_DEFAULT) chosen = ChosenUserDir(kVideosKey, home);
      return Tidy(chosen.value_or(home + "/Videos"));
    }
    default:
      return std::nullopt;
  }
}

}  // namespace

HRESULT SHGetFolderPathA(HWND /*owner*/, int csidl, HANDLE /*token*/, DWORD flags, LPSTR path) {
  if (!path) return E_INVALIDARG;
  path[0] = '\0';
  const std::optional<std::string> folder = FolderOf(csidl & ~CSIDL_FLAG_MASK, flags);
  if (!folder) return E_INVALIDARG;
  if (folder->empty()) return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
  if (folder->size() >= static_cast<std::size_t>(MAX_PATH))
    return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
  std::error_code error;
  if (csidl & CSIDL_FLAG_CREATE) std::filesystem::create_directories(*folder, error);
  if (!(csidl & CSIDL_FLAG_DONT_VERIFY) && !std::filesystem::is_directory(*folder, error))
    return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  std::memcpy(path, folder->c_str(), folder->size() + 1);
  return S_OK;
}
