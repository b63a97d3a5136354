#include "tools/corvane-remux/temporary_output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

constexpr char kSuffix[] = ".part";

std::string HiddenSiblingTemplate(const std::string& outputPath) {
  const std::filesystem::path output(outputPath);
  std::string name = ".";
  name += output.filename().string();
  name += ".XXXXXX";
  name += kSuffix;
  return (output.parent_path() / name).string();
}

// A new file gets what the user's umask leaves of rw-rw-rw-; a replaced one
// keeps its own permissions.
mode_t PermissionsFor(const std::string& outputPath) {
  struct stat existing {};
  if (stat(outputPath.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

TemporaryOutput::TemporaryOutput(std::string outputPath) : m_outputPath(std::move(outputPath)) {
  std::string name = HiddenSiblingTemplate(m_outputPath);
  const int fd = mkstemps(name.data(), static_cast<int>(std::strlen(kSuffix)));
  if (fd < 0) {
    m_error = "cannot create a file next to " + m_outputPath + ": " + std::strerror(errno);
    return;
  }
  ::close(fd);
  m_path = std::move(name);
  m_created = true;
}

TemporaryOutput::~TemporaryOutput() {
  if (m_created && !m_committed) ::unlink(m_path.c_str());
}

std::string TemporaryOutput::Commit() {
  if (!m_created) return m_error;
  ::chmod(m_path.c_str(), PermissionsFor(m_outputPath));
  if (::rename(m_path.c_str(), m_outputPath.c_str()) != 0) {
    return "cannot rename " + m_path + " to " + m_outputPath + ": " + std::strerror(errno);
  }
  m_committed = true;
  return {};
}
