// Scratch folders and environment settings for the kernel and shell tests,
// undone when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes `content` into `path`, creating the folders on its way.
inline std::string WriteFile(const std::string& path, std::string_view content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

// The whole content of the file at `path`; empty when it cannot be read.
inline std::string Contents(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The names of the entries of `folder`, sorted.
inline std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

struct ScratchFolder {
  ScratchFolder() {
    path = (std::filesystem::temp_directory_path() / "corvane-XXXXXX").string();
    if (!mkdtemp(path.data())) ADD_FAILURE() << "cannot create a scratch folder";
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string Path(std::string_view name) const { return path + '/' + std::string(name); }
  std::string path;
};

// Sets (or, with nullptr, unsets) an environment variable for its lifetime.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : m_name(name) {
    if (const char* previous = std::getenv(name)) m_previous = previous;
    Set(value);
  }
  ~ScopedVariable() { Set(m_previous ? m_previous->c_str() : nullptr); }

 private:
  void Set(const char* value) { value ? setenv(m_name.c_str(), value, 1) : unsetenv(m_name.c_str()); }
  std::string m_name;
  std::optional<std::string> m_previous;
};

// A user whose home and configuration folders are scratch folders.
class ScratchUserTest : public testing::Test {
 protected:
  ScratchFolder m_home;
  ScopedVariable m_homeVariable{"HOME", m_home.path.c_str()};
  ScopedVariable m_configVariable{"XDG_CONFIG_HOME", m_home.Path("config").c_str()};
};
