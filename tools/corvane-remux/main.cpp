// corvane-remux: the conversion engine on the command line.

#include <malloc.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

extern "C" {
#include <libavutil/log.h>
}

#include "platform/dshow/media/install.h"
#include "platform/dshow/media/library_log.h"
#include "tools/corvane-remux/output_naming.h"
#include "tools/corvane-remux/program_name.h"
#include "tools/corvane-remux/remux_job.h"
#include "tools/corvane-remux/remux_messages.h"
#include "tools/corvane-remux/remux_options.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

// What a batch did, for its summary and its exit status.
class BatchTally {
 public:
  void Count(const RemuxJob& job, RemuxOutcome outcome) {
    m_sources[static_cast<int>(outcome)].push_back(job.sourcePath);
    if (Severity(outcome) > Severity(m_worst)) m_worst = outcome;
  }
  void CountNotStarted(std::size_t count) { m_notStarted = count; }

  std::string Summary() const {
    std::string summary = std::to_string(Of(RemuxOutcome::kOk).size()) + " converted, " +
                          std::to_string(Of(RemuxOutcome::kSkipped).size()) + " skipped (output exists)";
    summary += Named("incomplete", Of(RemuxOutcome::kIncomplete));
    std::vector<std::string> failed = Of(RemuxOutcome::kFailed);
    failed.insert(failed.end(), Of(RemuxOutcome::kRefused).begin(), Of(RemuxOutcome::kRefused).end());
    summary += Named("failed", failed);
    if (m_notStarted > 0) summary += ", " + std::to_string(m_notStarted) + " not started (stopped)";
    return summary;
  }
  int ExitStatus() const { return ExitStatusOf(m_worst); }

 private:
  const std::vector<std::string>& Of(RemuxOutcome outcome) const {
    return m_sources[static_cast<int>(outcome)];
  }

  static std::string Named(const char* what, const std::vector<std::string>& sources) {
    std::string named = ", " + std::to_string(sources.size()) + " " + what;
    for (std::size_t i = 0; i < sources.size(); ++i) named += (i ? ", " : ": ") + sources[i];
    return named;
  }

  std::array<std::vector<std::string>, static_cast<int>(RemuxOutcome::kStopped) + 1> m_sources;
  RemuxOutcome m_worst = RemuxOutcome::kOk;
  std::size_t m_notStarted = 0;
};

int RunBatch(const RemuxPlan& plan, JobSettings settings, bool quiet) {
  settings.inBatch = true;
  BatchTally tally;
  const std::size_t total = plan.jobs.size();
  for (std::size_t i = 0; i < total; ++i) {
    if (RequestedStopSignal() != 0) {
      tally.CountNotStarted(total - i);
      break;
    }
    const RemuxJob& job = plan.jobs[i];
    std::string label = "[";
    label.append(std::to_string(i + 1)).append("/").append(std::to_string(total)).append("] ");
    label.append(std::filesystem::path(job.sourcePath).filename().string()).append(": ");
    settings.progressLabel = std::move(label);
    const RemuxResult result = RunRemuxJob(job, settings);
    PrintResult(result, quiet);
    tally.Count(job, result.outcome);
  }
  if (!quiet) PrintProgramLines(tally.Summary());
  return tally.ExitStatus();
}

// Prints the help or version text. A text that did not reach its reader (a
// full disk, for one) is an error like any other, not a success.
int PrintText(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  const RemuxResult failed{RemuxOutcome::kFailed, std::string("write error: ") + std::strerror(errno)};
  PrintResult(failed, false);
  return ExitStatusOf(failed.outcome);
}

void PrintLibraryLine(int /*level*/, const std::string& line) { PrintProgramLines("media library: " + line); }

void PrepareForConverting(bool verbose) {
  // Every packet allocates a few small blocks and one packet-sized buffer;
  // glibc's fast bins then have to be consolidated on nearly every packet.
  // Without them a packet-heavy file converts about 15% faster.
  mallopt(M_MXFAST, 0);
  InstallStopSignals();
  InstallMediaFilters();
  // The engine reports problems in its own words; FFmpeg's lines about odd
  // but readable files are shown only to those who ask.
  if (verbose) RouteLibraryLog(&PrintLibraryLine, AV_LOG_WARNING);
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseRemuxCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  const RemuxOptions& options = parsed.options;
  if (options.showHelp) return PrintText(RemuxUsageText(kProgramName));
  if (options.showVersion) return PrintText(RemuxVersionText(kProgramName, CORVANE_VERSION));
  if (!parsed.result.GoesOn()) {
    PrintUsageRefusal(parsed.result);
    return ExitStatusOf(parsed.result.outcome);
  }
  const RemuxPlan plan = PlanRemuxJobs(options);
  if (!plan.result.GoesOn()) {
    PrintResult(plan.result, options.quiet);
    return ExitStatusOf(plan.result.outcome);
  }

  PrepareForConverting(options.verbose);
  JobSettings settings;
  settings.overwrite = options.overwrite;
  settings.verify = options.verify;
  settings.verbose = options.verbose;
  settings.progress = !options.quiet && isatty(STDERR_FILENO) != 0;
  if (plan.jobs.size() > 1) return RunBatch(plan, settings, options.quiet);
  const RemuxResult result = RunRemuxJob(plan.jobs.front(), settings);
  PrintResult(result, options.quiet);
  return ExitStatusOf(result.outcome);
}
