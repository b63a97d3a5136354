#include "tools/corvane-remux/remux_job.h"

#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>

#include "engine/clock_text.h"
#include "engine/convert_to_matroska.h"
#include "tools/corvane-remux/conversion_run.h"
#include "tools/corvane-remux/failure_cause.h"
#include "tools/corvane-remux/media_file_reader.h"
#include "tools/corvane-remux/output_guard.h"
#include "tools/corvane-remux/rewrap_verifier.h"
#include "tools/corvane-remux/stop_signals.h"
#include "tools/corvane-remux/temporary_output.h"

namespace {

constexpr char kProgram[] = "corvane-remux";

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::optional<StreamKinds> ProbeStreamKinds(const std::string& path) {
  MediaFileReader reader;
  if (!reader.Open(path).empty()) return std::nullopt;
  StreamKinds kinds;
  for (int i = 0; i < reader.Media().StreamCount(); ++i) {
    const AVMediaType type = reader.Media().Stream(i).codecpar->codec_type;
    kinds.video |= type == AVMEDIA_TYPE_VIDEO;
    kinds.audio |= type == AVMEDIA_TYPE_AUDIO;
    kinds.subtitles |= type == AVMEDIA_TYPE_SUBTITLE;
  }
  return kinds;
}

// The playing time a closed Matroska file holds, as "m:ss.s"; empty when the
// file does not read as media.
std::string WrittenDuration(const std::string& path) {
  MediaFileReader reader;
  if (!reader.Open(path).empty()) return {};
  return ClockText(static_cast<double>(reader.Media().Container()->durationUs) / 1e6, true);
}

// What became of the output when nothing new took its name.
std::string Untouched(const std::string& outputPath) {
  return Exists(outputPath) ? outputPath + " was left as it was" : outputPath + " was not written";
}

const char* SignalName() { return RequestedStopSignal() == SIGTERM ? "SIGTERM" : "Ctrl+C"; }

// Keeps what a stopped conversion wrote, when it reads as a valid file.
JobOutcome KeepStopped(const RemuxJob& job, TemporaryOutput& written) {
  const std::string duration = WrittenDuration(written.Path());
  if (duration.empty() || !written.Commit().empty()) {
    std::fprintf(stderr, "%s: stopped by %s before anything usable was written; %s\n", kProgram, SignalName(),
                 Untouched(job.outputPath).c_str());
  } else {
    std::fprintf(stderr, "%s: stopped by %s; %s is a valid Matroska file holding the first %s of %s\n",
                 kProgram, SignalName(), job.outputPath.c_str(), duration.c_str(), job.sourcePath.c_str());
  }
  return JobOutcome::kStopped;
}

// Compares the written file with the source before it takes the output's
// name; nullopt when they match.
std::optional<JobOutcome> Verify(const RemuxJob& job, TemporaryOutput& written) {
  const VerificationResult result =
      VerifyRewrap(job.sourcePath, written.Path(), [] { return RequestedStopSignal() != 0; });
  switch (result.verdict) {
    case VerificationResult::Verdict::kSame:
      return std::nullopt;
    case VerificationResult::Verdict::kInterrupted:
      written.Commit();
      std::fprintf(stderr, "%s: stopped by %s while verifying; %s is complete but was not verified\n",
                   kProgram, SignalName(), job.outputPath.c_str());
      return JobOutcome::kStopped;
    default:
      std::fprintf(stderr, "%s: verifying %s failed: %s; %s\n", kProgram, job.sourcePath.c_str(),
                   result.detail.c_str(), Untouched(job.outputPath).c_str());
      return JobOutcome::kFailed;
  }
}

std::optional<JobOutcome> CheckBeforeWriting(const RemuxJob& job, const JobSettings& settings) {
  const std::string refusal =
      CheckRemuxPaths(job.sourcePath, job.outputPath, settings.overwrite || settings.inBatch);
  if (!refusal.empty()) {
    std::fprintf(stderr, "%s: %s\n", kProgram, refusal.c_str());
    return JobOutcome::kRefused;
  }
  if (settings.inBatch && !settings.overwrite && Exists(job.outputPath)) {
    if (!settings.quiet)
      std::fprintf(stderr, "%s: skipped %s: %s exists\n", kProgram, job.sourcePath.c_str(),
                   job.outputPath.c_str());
    return JobOutcome::kSkipped;
  }
  const std::string warning =
      ExtensionWarning(job.outputPath, [&] { return ProbeStreamKinds(job.sourcePath); });
  if (!warning.empty()) std::fprintf(stderr, "%s: warning: %s\n", kProgram, warning.c_str());
  return std::nullopt;
}

JobOutcome ConvertThroughTemporary(const RemuxJob& job, const JobSettings& settings,
                                   TemporaryOutput& written) {
  const ConversionResult run =
      ConvertShowingProgress(job.sourcePath, written.Path(), {settings.progress, settings.progressLabel});
  if (run.stoppedBySignal) return KeepStopped(job, written);
  const bool incomplete = run.hr == kConvertedIncomplete;
  if (run.hr != S_OK && !incomplete) {
    std::fprintf(stderr, "%s: the conversion of %s failed: %s (hr=0x%x); %s\n", kProgram,
                 job.sourcePath.c_str(), PlainCause(run.hr).c_str(), static_cast<unsigned>(run.hr),
                 Untouched(job.outputPath).c_str());
    return JobOutcome::kFailed;
  }
  if (settings.verify) {
    if (std::optional<JobOutcome> failed = Verify(job, written)) return *failed;
  }
  if (const std::string error = written.Commit(); !error.empty()) {
    std::fprintf(stderr, "%s: %s\n", kProgram, error.c_str());
    return JobOutcome::kFailed;
  }
  if (!incomplete) return JobOutcome::kConverted;
  std::fprintf(stderr, "%s: warning: %s was written, but it does not hold all of %s (see above)\n", kProgram,
               job.outputPath.c_str(), job.sourcePath.c_str());
  return JobOutcome::kIncomplete;
}

}  // namespace

JobOutcome RunRemuxJob(const RemuxJob& job, const JobSettings& settings) {
  if (std::optional<JobOutcome> refused = CheckBeforeWriting(job, settings)) return *refused;
  TemporaryOutput written(job.outputPath);
  if (!written.IsCreated()) {
    std::fprintf(stderr, "%s: %s\n", kProgram, written.Error().c_str());
    return JobOutcome::kFailed;
  }
  SetFileToRemoveOnAbandon(written.Path().c_str());
  const JobOutcome outcome = ConvertThroughTemporary(job, settings, written);
  SetFileToRemoveOnAbandon(nullptr);
  return outcome;
}

int ExitStatusOf(JobOutcome outcome) {
  switch (outcome) {
    case JobOutcome::kConverted:
    case JobOutcome::kSkipped:
      return 0;
    case JobOutcome::kIncomplete:
      return 3;
    case JobOutcome::kFailed:
      return 1;
    case JobOutcome::kRefused:
      return 2;
    case JobOutcome::kStopped:
      return ExitStatusForSignal(RequestedStopSignal());
  }
  return 1;
}

int Severity(JobOutcome outcome) { return static_cast<int>(outcome); }
