// A small scratch file system of a test's own, for full and read-only disks;
// needs root (CI and the development machines run as root). Unmounted when
// the test ends.
#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <string>

class ScratchMount {
 public:
  ScratchMount(const std::filesystem::path& where, const std::string& options) : m_where(where) {
    std::filesystem::create_directories(where);
    m_mounted = ::mount("corvane-test", where.c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~ScratchMount() {
    if (m_mounted) ::umount(m_where.c_str());
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool Mounted() const { return m_mounted; }
  void MakeReadOnly() {
    if (m_mounted) ::mount("corvane-test", m_where.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
  }

 private:
  std::filesystem::path m_where;
  bool m_mounted = false;
};
