#include "tools/corvane-remux/output_guard.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

}  // namespace

std::string CheckRemuxPaths(const std::string& sourcePath, const std::string& outputPath, bool overwrite) {
  struct stat source {};
  if (stat(sourcePath.c_str(), &source) != 0) {
    return "cannot read the source " + sourcePath + ": " + SystemReason(errno);
  }
  if (S_ISDIR(source.st_mode)) return "the source " + sourcePath + " is a folder, not a video file";

  struct stat output {};
  if (stat(outputPath.c_str(), &output) != 0) {
    if (errno == ENOENT) return {};
    return "cannot use the output " + outputPath + ": " + SystemReason(errno);
  }
  // The same file under another name (a link, "./x", "dir/../x") would be
  // truncated before it is read.
  if (output.st_dev == source.st_dev && output.st_ino == source.st_ino) {
    return "the output " + outputPath + " is the source itself; choose another output file";
  }
  if (S_ISDIR(output.st_mode)) return "the output " + outputPath + " is a folder; give a file name";
  // Matroska is finished by seeking back to its start, which a pipe or a
  // socket cannot do.
  if (S_ISFIFO(output.st_mode) || S_ISSOCK(output.st_mode)) {
    return "the output " + outputPath + " is a pipe or socket; Matroska needs a file it can seek in";
  }
  if (!overwrite) {
    return "the output " + outputPath + " exists; pass --overwrite to replace it";
  }
  return {};
}
