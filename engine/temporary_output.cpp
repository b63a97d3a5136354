#include "engine/temporary_output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/win32/posix_error.h"

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

HRESULT FailureOf(int error, const std::string& path) {
  return HRESULT_FROM_WIN32(Win32ErrorOfPathFailure(error, path.c_str()));
}

}  // namespace

TemporaryOutput::TemporaryOutput(std::string outputPath) : m_outputPath(std::move(outputPath)) {
  std::string name = HiddenSiblingTemplate(m_outputPath);
  const int fd = mkstemps(name.data(), static_cast<int>(std::strlen(kSuffix)));
  if (fd < 0) {
    m_created = FailureOf(errno, m_outputPath);
    return;
  }
  ::close(fd);
  m_path = std::move(name);
  m_created = S_OK;
}

TemporaryOutput::~TemporaryOutput() {
  if (m_created == S_OK && !m_committed) ::unlink(m_path.c_str());
}

HRESULT TemporaryOutput::Commit() {
  if (m_created != S_OK) return m_created;
  ::chmod(m_path.c_str(), PermissionsFor(m_outputPath));
  if (::rename(m_path.c_str(), m_outputPath.c_str()) != 0) return FailureOf(errno, m_outputPath);
  m_committed = true;
  return S_OK;
}
