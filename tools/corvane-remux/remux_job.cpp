#include "tools/corvane-remux/remux_job.h"

#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <optional>

#include "engine/failure_cause.h"
#include "tools/corvane-remux/conversion_run.h"
#include "tools/corvane-remux/media_file_reader.h"
#include "tools/corvane-remux/output_guard.h"
#include "tools/corvane-remux/program_name.h"
#include "tools/corvane-remux/remux_listener.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

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

// What became of the output when nothing new took its name.
std::string Untouched(const std::string& outputPath) {
  return Exists(outputPath) ? outputPath + " was left as it was" : outputPath + " was not written";
}

const char* SignalName() { return RequestedStopSignal() == SIGTERM ? "SIGTERM" : "Ctrl+C"; }

JobOutcome Stopped(const RemuxJob& job, const FileConversionResult& result, const RemuxListener& listener) {
  if (!result.outputReplaced) {
    std::fprintf(stderr, "%s: stopped by %s before anything usable was written; %s\n", kProgramName,
                 SignalName(), Untouched(job.outputPath).c_str());
  } else {
    std::fprintf(stderr, "%s: stopped by %s; %s is a valid Matroska file holding the first %s of %s\n",
                 kProgramName, SignalName(), job.outputPath.c_str(), listener.StoppedDuration().c_str(),
                 job.sourcePath.c_str());
  }
  return JobOutcome::kStopped;
}

// A run that ended well but whose file --verify did not keep, or kept only
// because a stop cut the check short; nullopt when the check passed.
std::optional<JobOutcome> Unverified(const RemuxJob& job, const FileConversionResult& result,
                                     const RemuxListener& listener) {
  const std::optional<VerificationResult>& verification = listener.Verification();
  if (!verification || verification->verdict == VerificationResult::Verdict::kSame) return std::nullopt;
  if (verification->verdict == VerificationResult::Verdict::kInterrupted && result.outputReplaced) {
    std::fprintf(stderr, "%s: stopped by %s while verifying; %s is complete but was not verified\n",
                 kProgramName, SignalName(), job.outputPath.c_str());
    return JobOutcome::kStopped;
  }
  std::fprintf(stderr, "%s: verifying %s failed: %s; %s\n", kProgramName, job.sourcePath.c_str(),
               verification->detail.c_str(), Untouched(job.outputPath).c_str());
  return JobOutcome::kFailed;
}

JobOutcome OutcomeOf(const RemuxJob& job, const FileConversionResult& result, const RemuxListener& listener) {
  if (result.end == ConversionEnd::kStopped) return Stopped(job, result, listener);
  if (result.end == ConversionEnd::kFailed) {
    std::fprintf(stderr, "%s: the conversion of %s failed: %s (hr=0x%x); %s\n", kProgramName,
                 job.sourcePath.c_str(), PlainCause(result.hr).c_str(), static_cast<unsigned>(result.hr),
                 Untouched(job.outputPath).c_str());
    return JobOutcome::kFailed;
  }
  if (std::optional<JobOutcome> unverified = Unverified(job, result, listener)) return *unverified;
  if (result.end == ConversionEnd::kComplete) return JobOutcome::kConverted;
  std::fprintf(stderr, "%s: warning: %s was written, but it does not hold all of %s (see above)\n",
               kProgramName, job.outputPath.c_str(), job.sourcePath.c_str());
  return JobOutcome::kIncomplete;
}

std::optional<JobOutcome> CheckBeforeWriting(const RemuxJob& job, const JobSettings& settings) {
  const std::string refusal =
      CheckRemuxPaths(job.sourcePath, job.outputPath, settings.overwrite || settings.inBatch);
  if (!refusal.empty()) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, refusal.c_str());
    return JobOutcome::kRefused;
  }
  if (settings.inBatch && !settings.overwrite && Exists(job.outputPath)) {
    if (!settings.quiet)
      std::fprintf(stderr, "%s: skipped %s: %s exists\n", kProgramName, job.sourcePath.c_str(),
                   job.outputPath.c_str());
    return JobOutcome::kSkipped;
  }
  const std::string warning =
      ExtensionWarning(job.outputPath, [&] { return ProbeStreamKinds(job.sourcePath); });
  if (!warning.empty()) std::fprintf(stderr, "%s: warning: %s\n", kProgramName, warning.c_str());
  return std::nullopt;
}

}  // namespace

JobOutcome RunRemuxJob(const RemuxJob& job, const JobSettings& settings) {
  if (std::optional<JobOutcome> refused = CheckBeforeWriting(job, settings)) return *refused;
  RemuxListener listener({job.sourcePath, settings.verbose, settings.verify});
  const FileConversionResult result = ConvertShowingProgress(job.sourcePath, job.outputPath, listener,
                                                             {settings.progress, settings.progressLabel});
  return OutcomeOf(job, result, listener);
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

int Severity(JobOutcome outcome) {
  // A batch's status is that of its worst job: a stop outranks a refusal, a
  // refusal a failure, a failure an incomplete file.
  switch (outcome) {
    case JobOutcome::kConverted:
    case JobOutcome::kSkipped:
      return 0;
    case JobOutcome::kIncomplete:
      return 1;
    case JobOutcome::kFailed:
      return 2;
    case JobOutcome::kRefused:
      return 3;
    case JobOutcome::kStopped:
      return 4;
  }
  return 2;
}
