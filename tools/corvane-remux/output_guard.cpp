#include "tools/corvane-remux/output_guard.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "engine/same_file.h"

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// The output is first written to a hidden file beside it, so its folder must
// exist and take new files; said before any work is done.
RemuxResult CheckOutputFolder(const std::string& outputPath) {
  const std::string folder = std::filesystem::path(outputPath).parent_path().string();
  const std::string shown = folder.empty() ? "." : folder;
  struct stat info {};
  if (stat(shown.c_str(), &info) != 0) {
    if (errno == ENOENT) return Refused("the output folder " + shown + " does not exist");
    return Refused("cannot use the output folder " + shown + ": " + SystemReason(errno));
  }
  if (!S_ISDIR(info.st_mode)) return Refused("the output folder " + shown + " is not a folder");
  if (access(shown.c_str(), W_OK | X_OK) != 0)
    return Refused("cannot write into the output folder " + shown + ": " + SystemReason(errno));
  return {};
}

}  // namespace

RemuxResult CheckRemuxPaths(const std::string& sourcePath, const std::string& outputPath, bool overwrite) {
  struct stat source {};
  if (stat(sourcePath.c_str(), &source) != 0) {
    return Refused("cannot read the source " + sourcePath + ": " + SystemReason(errno));
  }
  if (S_ISDIR(source.st_mode)) return Refused("the source " + sourcePath + " is a folder, not a video file");

  const RemuxResult folder = CheckOutputFolder(outputPath);
  if (!folder.GoesOn()) return folder;
  struct stat output {};
  if (stat(outputPath.c_str(), &output) != 0) {
    if (errno == ENOENT) return {};
    return Refused("cannot use the output " + outputPath + ": " + SystemReason(errno));
  }
  // The same file under another name (a link, "./x", "dir/../x") would be
  // truncated before it is read.
  if (IsSameFile(sourcePath.c_str(), outputPath.c_str())) {
    return Refused("the output " + outputPath + " is the source itself; choose another output file");
  }
  if (S_ISDIR(output.st_mode)) return Refused("the output " + outputPath + " is a folder; give a file name");
  // Matroska is finished by seeking back to its start, which a pipe or a
  // socket cannot do.
  if (S_ISFIFO(output.st_mode) || S_ISSOCK(output.st_mode)) {
    return Refused("the output " + outputPath + " is a pipe or socket; Matroska needs a file it can seek in");
  }
  if (!overwrite) {
    return Refused("the output " + outputPath + " exists; pass --overwrite to replace it");
  }
  return {};
}
