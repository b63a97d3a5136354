#include "tools/corvane-remux/remux_options.h"

ParsedCommandLine ParseRemuxCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  std::vector<std::string> paths;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
      parsed.options.showHelp = true;
    } else if (!optionsEnded && (argument == "--overwrite" || argument == "-y")) {
      parsed.options.overwrite = true;
    } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      parsed.error = "unknown option: " + argument;
      return parsed;
    } else {
      paths.push_back(argument);
    }
  }
  if (parsed.options.showHelp) return parsed;
  if (paths.size() != 2) {
    parsed.error = paths.size() < 2 ? "expected a source file and an output file"
                                    : "too many arguments: expected a source file and an output file";
    return parsed;
  }
  if (paths[0].empty() || paths[1].empty()) {
    parsed.error = "a file name is empty";
    return parsed;
  }
  parsed.options.sourcePath = paths[0];
  parsed.options.outputPath = paths[1];
  return parsed;
}

std::string RemuxUsageText(const std::string& programName) {
  return "Usage: " + programName + " [--overwrite] SOURCE OUTPUT.mkv\n"
         "\n"
         "Rewraps SOURCE into the Matroska file OUTPUT.mkv without decoding or\n"
         "re-encoding anything: every stream is copied bit for bit, with its\n"
         "timestamps, languages, titles, chapters and tags.\n"
         "\n"
         "  --overwrite, -y  replace OUTPUT.mkv if it exists (without it an\n"
         "                   existing file is left alone and nothing is done)\n"
         "  --help, -h       show this text\n"
         "\n"
         "SOURCE is only read, never changed. Problems are reported on standard\n"
         "error; while converting on a terminal a progress line shows the share\n"
         "done, the speed and the time left.\n"
         "\n"
         "Exit status: 0 when OUTPUT.mkv was written completely, 1 when the\n"
         "conversion failed, 2 for a wrong command line or a refused output.\n";
}
