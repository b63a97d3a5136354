#include "tools/corvane-remux/remux_messages.h"

#include <cstdio>
#include <string_view>

#include "tools/corvane-remux/program_name.h"

void PrintProgramLines(const std::string& text) {
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    if (!line.empty() && line != "\r")
      std::fprintf(stderr, "%s: %.*s\n", kProgramName, static_cast<int>(line.size()), line.data());
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  std::fflush(stderr);
}

void PrintWarning(const std::string& text) { PrintProgramLines("warning: " + text); }

void PrintResult(const RemuxResult& result, bool quiet) {
  if (quiet && result.outcome == RemuxOutcome::kSkipped) return;
  PrintProgramLines(result.message);
}

void PrintUsageRefusal(const RemuxResult& refusal) {
  PrintProgramLines(refusal.message);
  std::fprintf(stderr, "Try '%s --help'.\n", kProgramName);
}
