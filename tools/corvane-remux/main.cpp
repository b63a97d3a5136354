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
#include "tools/corvane-remux/remux_options.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

constexpr int kExitUsage = 2;
constexpr const char* kProgram = kProgramName;

// What a batch did, for its summary and its exit status.
class BatchTally {
 public:
  void Count(const RemuxJob& job, JobOutcome outcome) {
    m_sources[static_cast<int>(outcome)].push_back(job.sourcePath);
    if (Severity(outcome) > Severity(m_worst)) m_worst = outcome;
  }
  void CountNotStarted(std::size_t count) { m_notStarted = count; }

  void PrintSummary() const {
    std::fprintf(stderr, "%s: %zu converted, %zu skipped (output exists)", kProgram,
                 Of(JobOutcome::kConverted).size(), Of(JobOutcome::kSkipped).size());
    PrintNamed("incomplete", Of(JobOutcome::kIncomplete));
    std::vector<std::string> failed = Of(JobOutcome::kFailed);
    failed.insert(failed.end(), Of(JobOutcome::kRefused).begin(), Of(JobOutcome::kRefused).end());
    PrintNamed("failed", failed);
    if (m_notStarted > 0) std::fprintf(stderr, ", %zu not started (stopped)", m_notStarted);
    std::fputs("\n", stderr);
  }
  int ExitStatus() const { return ExitStatusOf(m_worst); }

 private:
  const std::vector<std::string>& Of(JobOutcome outcome) const {
    return m_sources[static_cast<int>(outcome)];
  }

  static void PrintNamed(const char* what, const std::vector<std::string>& sources) {
    std::fprintf(stderr, ", %zu %s", sources.size(), what);
    for (std::size_t i = 0; i < sources.size(); ++i)
      std::fprintf(stderr, "%s%s", i ? ", " : ": ", sources[i].c_str());
  }

  std::array<std::vector<std::string>, static_cast<int>(JobOutcome::kStopped) + 1> m_sources;
  JobOutcome m_worst = JobOutcome::kConverted;
  std::size_t m_notStarted = 0;
};

int RunBatch(const RemuxPlan& plan, JobSettings settings) {
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
    tally.Count(job, RunRemuxJob(job, settings));
  }
  if (!settings.quiet) tally.PrintSummary();
  return tally.ExitStatus();
}

// Prints the help or version text. A text that did not reach its reader (a
// full disk, for one) is an error like any other, not a success.
int PrintText(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
  std::fprintf(stderr, "%s: write error: %s\n", kProgram, std::strerror(errno));
  return 1;
}

void PrintLibraryLine(int /*level*/, const std::string& line) {
  std::fprintf(stderr, "%s: media library: %s\n", kProgram, line.c_str());
}

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
  if (options.showHelp) return PrintText(RemuxUsageText(kProgram));
  if (options.showVersion) return PrintText(RemuxVersionText(kProgram, CORVANE_VERSION));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", kProgram, parsed.error.c_str(), kProgram);
    return kExitUsage;
  }
  const RemuxPlan plan = PlanRemuxJobs(options);
  if (!plan.error.empty()) {
    std::fprintf(stderr, "%s: %s\n", kProgram, plan.error.c_str());
    return kExitUsage;
  }

  PrepareForConverting(options.verbose);
  JobSettings settings;
  settings.overwrite = options.overwrite;
  settings.verify = options.verify;
  settings.quiet = options.quiet;
  settings.verbose = options.verbose;
  settings.progress = !options.quiet && isatty(STDERR_FILENO) != 0;
  if (plan.jobs.size() > 1) return RunBatch(plan, settings);
  return ExitStatusOf(RunRemuxJob(plan.jobs.front(), settings));
}
