// The command line of corvane-remux.
#pragma once

#include <string>
#include <vector>

struct RemuxOptions {
  std::string sourcePath;
  std::string outputPath;
  bool overwrite = false;
  bool showHelp = false;
};

struct ParsedCommandLine {
  RemuxOptions options;
  // Empty when the command line is usable.
  std::string error;
};

ParsedCommandLine ParseRemuxCommandLine(const std::vector<std::string>& arguments);

std::string RemuxUsageText(const std::string& programName);
