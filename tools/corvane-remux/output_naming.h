// Where each source is written, and whether an output's name tells players
// what it holds.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/corvane-remux/remux_result.h"

struct RemuxOptions;

struct RemuxJob {
  std::string sourcePath;
  std::string outputPath;
};

struct RemuxPlan {
  std::vector<RemuxJob> jobs;
  // Goes on when the jobs can be run; otherwise refused.
  RemuxResult result;
};

// One job per source: the output named on the command line, or NAME.mkv in
// the folder given with -o. Several sources need a folder, and two sources
// must not share an output.
RemuxPlan PlanRemuxJobs(const RemuxOptions& options);

struct StreamKinds {
  bool video = false;
  bool audio = false;
  bool subtitles = false;
};

// Empty when the name of `outputPath` fits: ".mkv" always, ".mka" for a
// source with audio only and ".mks" for subtitles only. `probeSource` is
// asked only when the answer depends on the source (nullopt: unknown).
std::string ExtensionWarning(const std::string& outputPath,
                             const std::function<std::optional<StreamKinds>()>& probeSource);
