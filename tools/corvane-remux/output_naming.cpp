#include "tools/corvane-remux/output_naming.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "tools/corvane-remux/remux_options.h"

namespace {

namespace fs = std::filesystem;

std::string LowerExtension(const std::string& path) {
  std::string extension = fs::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string OutputInFolder(const std::string& folder, const std::string& sourcePath) {
  return (fs::path(folder) / fs::path(sourcePath).filename().replace_extension(".mkv")).string();
}

}  // namespace

RemuxPlan PlanRemuxJobs(const RemuxOptions& options) {
  RemuxPlan plan;
  const bool intoFolder = options.outputIsOption && IsFolder(options.outputPath);
  if (options.sourcePaths.size() > 1 && !intoFolder) {
    plan.result = Refused("with several sources, -o must name an existing folder");
    return plan;
  }
  std::set<std::string> outputs;
  for (const std::string& source : options.sourcePaths) {
    const std::string output = intoFolder ? OutputInFolder(options.outputPath, source) : options.outputPath;
    if (!outputs.insert(fs::path(output).lexically_normal().string()).second) {
      plan.result = Refused("two sources would both be written to " + output);
      return plan;
    }
    plan.jobs.push_back({source, output});
  }
  return plan;
}

std::string ExtensionWarning(const std::string& outputPath,
                             const std::function<std::optional<StreamKinds>()>& probeSource) {
  const std::string extension = LowerExtension(outputPath);
  if (extension == ".mkv") return {};
  if (extension == ".mka" || extension == ".mks") {
    const std::optional<StreamKinds> kinds = probeSource();
    if (!kinds) return {};
    const bool audioOnly = kinds->audio && !kinds->video && !kinds->subtitles;
    const bool subtitlesOnly = kinds->subtitles && !kinds->video && !kinds->audio;
    if (extension == ".mka" ? audioOnly : subtitlesOnly) return {};
    return outputPath + " ends in " + extension + ", which players take for " +
           (extension == ".mka" ? "audio" : "subtitles") + " only, but the source holds more; .mkv fits it";
  }
  return outputPath + " does not end in .mkv, so players and file managers may not recognise it as Matroska";
}
