// The command line of corvane-remux.
#pragma once

#include <string>
#include <vector>

#include "tools/corvane-remux/remux_result.h"

struct RemuxOptions {
  std::vector<std::string> sourcePaths;
  // The output file; with -o, a file or a folder (a folder for several
  // sources).
  std::string outputPath;
  bool outputIsOption = false;
  bool overwrite = false;
  bool quiet = false;
  bool verbose = false;
  bool verify = false;
  bool showHelp = false;
  bool showVersion = false;
};

struct ParsedCommandLine {
  RemuxOptions options;
  // Goes on when the command line is usable; otherwise refused.
  RemuxResult result;
};

ParsedCommandLine ParseRemuxCommandLine(const std::vector<std::string>& arguments);

std::string RemuxUsageText(const std::string& programName);
// The --version text: the version, the copyright and the licence.
std::string RemuxVersionText(const std::string& programName, const std::string& version);
