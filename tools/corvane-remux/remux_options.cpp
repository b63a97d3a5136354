#include "tools/corvane-remux/remux_options.h"

namespace {

constexpr char kExpected[] = "expected SOURCE OUTPUT.mkv, or SOURCE... -o FOLDER";

// Sets the flag an option names; false for anything that is not a flag.
bool TakeFlag(const std::string& argument, RemuxOptions& options) {
  bool* const flag = argument == "--help" || argument == "-h"        ? &options.showHelp
                     : argument == "--version"                       ? &options.showVersion
                     : argument == "--overwrite" || argument == "-y" ? &options.overwrite
                     : argument == "--quiet" || argument == "-q"     ? &options.quiet
                     : argument == "--verify"                        ? &options.verify
                     : argument == "--verbose" || argument == "-v"   ? &options.verbose
                                                                     : nullptr;
  if (flag) *flag = true;
  return flag != nullptr;
}

std::string SetOutput(const std::string& value, RemuxOptions& options) {
  if (options.outputIsOption) return "-o is given twice";
  if (value.empty()) return "-o needs a file or folder name";
  options.outputPath = value;
  options.outputIsOption = true;
  return {};
}

std::string TakePaths(std::vector<std::string> paths, RemuxOptions& options) {
  for (const std::string& path : paths) {
    if (path.empty()) return "a file name is empty";
  }
  if (!options.outputIsOption) {
    if (paths.size() != 2)
      return paths.size() < 2 ? kExpected : std::string("too many arguments: ") + kExpected;
    options.outputPath = paths.back();
    paths.pop_back();
  }
  if (paths.empty()) return std::string("no source given: ") + kExpected;
  options.sourcePaths = std::move(paths);
  return {};
}

}  // namespace

ParsedCommandLine ParseRemuxCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  RemuxOptions& options = parsed.options;
  std::vector<std::string> paths;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      paths.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "-o" || argument == "--output") {
      parsed.error =
          i + 1 < arguments.size() ? SetOutput(arguments[++i], options) : argument + " needs a name";
    } else if (argument.rfind("--output=", 0) == 0) {
      parsed.error = SetOutput(argument.substr(9), options);
    } else if (!TakeFlag(argument, options)) {
      parsed.error = "unknown option: " + argument;
    }
  }
  if (parsed.error.empty() && !options.showHelp && !options.showVersion)
    parsed.error = TakePaths(paths, options);
  return parsed;
}

std::string RemuxUsageText(const std::string& programName) {
  return "Usage: " + programName +
         " [OPTIONS] SOURCE OUTPUT.mkv\n"
         "       " +
         programName +
         " [OPTIONS] SOURCE... -o FOLDER\n"
         "\n"
         "Rewraps SOURCE into the Matroska file OUTPUT.mkv without decoding or\n"
         "re-encoding anything: every stream is copied bit for bit, with its\n"
         "timestamps, languages, titles, chapters and tags. Several sources are\n"
         "converted one after another, each to FOLDER/NAME.mkv.\n"
         "\n"
         "  -o, --output NAME  the output file, or the folder for the outputs\n"
         "  --overwrite, -y    replace existing outputs (without it an existing\n"
         "                     file is left alone: refused for one source,\n"
         "                     skipped in a batch)\n"
         "  --verify           read the written file back and compare every\n"
         "                     packet with the source's; a difference fails\n"
         "  --quiet, -q        print only errors and warnings\n"
         "  --verbose, -v      also print the engine's steps and the media\n"
         "                     libraries' own warnings\n"
         "  --version          show the version\n"
         "  --help, -h         show this text\n"
         "\n"
         "SOURCE is only read, never changed. The output is written to a hidden\n"
         "file beside it and takes the output's name only when it is complete,\n"
         "so a failure leaves an existing output as it was. Ctrl+C stops\n"
         "cleanly, keeping what was written as a valid file; a second Ctrl+C\n"
         "ends at once and keeps nothing.\n"
         "\n"
         "Exit status: 0 when every output was written completely, 1 when a\n"
         "conversion or its verification failed, 2 for a wrong command line or\n"
         "a refused output, 3 when an output was written but is incomplete (a\n"
         "stream Matroska cannot carry, or a damaged or cut-off source: a warning\n"
         "says what is missing), 130 (143) when stopped by Ctrl+C (SIGTERM). A\n"
         "batch exits with the worst status of its files.\n";
}
