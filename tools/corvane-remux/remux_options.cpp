#include "tools/corvane-remux/remux_options.h"

#include <getopt.h>

#include "tools/corvane-remux/program_name.h"

namespace {

constexpr char kExpected[] = "expected SOURCE OUTPUT.mkv, or SOURCE... -o FOLDER";

// Long options without a short form take values no character has.
enum LongOnlyOption : int { kVerifyOption = 256, kVersionOption };

constexpr option kLongOptions[] = {{"output", required_argument, nullptr, 'o'},
                                   {"overwrite", no_argument, nullptr, 'y'},
                                   {"quiet", no_argument, nullptr, 'q'},
                                   {"verbose", no_argument, nullptr, 'v'},
                                   {"verify", no_argument, nullptr, kVerifyOption},
                                   {"version", no_argument, nullptr, kVersionOption},
                                   {"help", no_argument, nullptr, 'h'},
                                   {nullptr, 0, nullptr, 0}};
// The leading '-' hands back every operand in place (so that "SOURCE... -o
// FOLDER" works even under POSIXLY_CORRECT); ':' tells a missing value apart.
constexpr char kShortOptions[] = "-:o:yqvh";

RemuxResult SetOutput(const std::string& value, RemuxOptions& options) {
  if (options.outputIsOption) return Refused("-o is given twice");
  if (value.empty()) return Refused("-o needs a file or folder name");
  options.outputPath = value;
  options.outputIsOption = true;
  return {};
}

RemuxResult TakePaths(std::vector<std::string> paths, RemuxOptions& options) {
  for (const std::string& path : paths) {
    if (path.empty()) return Refused("a file name is empty");
  }
  if (!options.outputIsOption) {
    if (paths.size() != 2)
      return Refused(paths.size() < 2 ? kExpected : std::string("too many arguments: ") + kExpected);
    options.outputPath = paths.back();
    paths.pop_back();
  }
  if (paths.empty()) return Refused(std::string("no source given: ") + kExpected);
  options.sourcePaths = std::move(paths);
  return {};
}

// The message for what getopt_long refused. `argument` is the last command
// line element it took; for a bad short option inside a bundle only the
// option character is known.
RemuxResult RefusedOption(int code, int option, const std::string& argument) {
  const bool isLong = argument.rfind("--", 0) == 0;
  if (code == ':') return Refused((isLong ? argument.substr(0, argument.find('=')) : "-o") + " needs a name");
  if (option == 0) return Refused("unknown or ambiguous option: " + argument);
  // A known option character here means a long option given a value it does
  // not take ("--verify=yes"); anything else is an unknown short option.
  if (option > 255 || std::string("oyqvh").find(static_cast<char>(option)) != std::string::npos)
    return Refused("option takes no value: " + argument);
  return Refused(std::string("unknown option: -") + static_cast<char>(option));
}

// Applies one option getopt_long recognised.
RemuxResult TakeOption(int code, const char* value, RemuxOptions& options) {
  switch (code) {
    case 'o':
      return SetOutput(value, options);
    case 'y':
      options.overwrite = true;
      break;
    case 'q':
      options.quiet = true;
      break;
    case 'v':
      options.verbose = true;
      break;
    case 'h':
      options.showHelp = true;
      break;
    case kVerifyOption:
      options.verify = true;
      break;
    case kVersionOption:
      options.showVersion = true;
      break;
  }
  return {};
}

}  // namespace

ParsedCommandLine ParseRemuxCommandLine(const std::vector<std::string>& arguments) {
  // getopt_long wants a mutable argv with the program's name first.
  std::vector<std::string> storage{kProgramName};
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : storage) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(storage.size());

  ParsedCommandLine parsed;
  std::vector<std::string> paths;
  optind = 0;  // glibc: start afresh, forgetting any earlier command line
  opterr = 0;  // the caller reports errors in its own words
  int code = 0;
  while (parsed.result.GoesOn() &&
         (code = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr)) != -1) {
    if (code == 1)
      paths.emplace_back(optarg);
    else if (code == '?' || code == ':')
      parsed.result = RefusedOption(code, optopt, storage[optind - 1]);
    else
      parsed.result = TakeOption(code, optarg, parsed.options);
  }
  // What follows "--" is all operands.
  if (code == -1) paths.insert(paths.end(), storage.begin() + optind, storage.end());
  if (parsed.result.GoesOn() && !parsed.options.showHelp && !parsed.options.showVersion)
    parsed.result = TakePaths(paths, parsed.options);
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
         "  -y, --overwrite    replace existing outputs (without it an existing\n"
         "                     file is left alone: refused for one source,\n"
         "                     skipped in a batch)\n"
         "      --verify       read the written file back and compare every\n"
         "                     packet with the source's; a difference fails\n"
         "  -q, --quiet        print only errors and warnings\n"
         "  -v, --verbose      also print the engine's steps and the media\n"
         "                     libraries' own warnings\n"
         "      --version      show the version and the licence\n"
         "  -h, --help         show this text\n"
         "  --                 end the options: what follows are file names\n"
         "\n"
         "Short options can be bundled (-qy), and a long option can be shortened\n"
         "as long as it stays unambiguous (--verb).\n"
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

std::string RemuxVersionText(const std::string& programName, const std::string& version) {
  return programName + " (Corvane) " + version +
         "\n"
         "Copyright (C) 2026 Quillon Studio\n"
         "License GPLv3+: GNU GPL version 3 or later.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}
