#include "tools/corvane-remux/remux_job.h"

#include <sys/stat.h>

#include <csignal>
#include <optional>

#include "engine/failure_cause.h"
#include "engine/formatted_text.h"
#include "tools/corvane-remux/conversion_run.h"
#include "tools/corvane-remux/media_file_reader.h"
#include "tools/corvane-remux/output_guard.h"
#include "tools/corvane-remux/remux_listener.h"
#include "tools/corvane-remux/remux_messages.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::optional<StreamKinds> ProbeStreamKinds(const std::string& path) {
  MediaFileReader reader;
  const RemuxResult opened = reader.Open(path);
  if (!opened.GoesOn()) return std::nullopt;
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

std::string SignalName() { return RequestedStopSignal() == SIGTERM ? "SIGTERM" : "Ctrl+C"; }

RemuxResult Stopped(const RemuxJob& job, const FileConversionResult& result, const RemuxListener& listener) {
  if (!result.outputReplaced) {
    return {RemuxOutcome::kStopped, "stopped by " + SignalName() + " before anything usable was written; " +
                                        Untouched(job.outputPath)};
  }
  return {RemuxOutcome::kStopped, "stopped by " + SignalName() + "; " + job.outputPath +
                                      " is a valid Matroska file holding the first " +
                                      listener.StoppedDuration() + " of " + job.sourcePath};
}

// A run that ended well but whose file --verify did not keep, or kept only
// because a stop cut the check short; nullopt when the check passed.
std::optional<RemuxResult> Unverified(const RemuxJob& job, const FileConversionResult& result,
                                      const RemuxListener& listener) {
  const std::optional<VerificationResult>& verification = listener.Verification();
  if (!verification || verification->verdict == VerificationResult::Verdict::kSame) return std::nullopt;
  if (verification->verdict == VerificationResult::Verdict::kInterrupted && result.outputReplaced) {
    return RemuxResult{RemuxOutcome::kStopped, "stopped by " + SignalName() + " while verifying; " +
                                                   job.outputPath + " is complete but was not verified"};
  }
  return RemuxResult{RemuxOutcome::kFailed, "verifying " + job.sourcePath + " failed: " +
                                                verification->detail + "; " + Untouched(job.outputPath)};
}

RemuxResult OutcomeOf(const RemuxJob& job, const FileConversionResult& result,
                      const RemuxListener& listener) {
  if (result.end == ConversionEnd::kStopped) return Stopped(job, result, listener);
  if (result.end == ConversionEnd::kFailed) {
    return {RemuxOutcome::kFailed,
            "the conversion of " + job.sourcePath + " failed: " + PlainCause(result.hr) +
                FormattedText(" (hr=0x%x); ", static_cast<unsigned>(result.hr)) + Untouched(job.outputPath)};
  }
  std::optional<RemuxResult> unverified = Unverified(job, result, listener);
  if (unverified) return *unverified;
  if (result.end == ConversionEnd::kComplete) return {};
  return {RemuxOutcome::kIncomplete, "warning: " + job.outputPath +
                                         " was written, but it does not hold all of " + job.sourcePath +
                                         " (see above)"};
}

RemuxResult CheckBeforeWriting(const RemuxJob& job, const JobSettings& settings) {
  const RemuxResult paths =
      CheckRemuxPaths(job.sourcePath, job.outputPath, settings.overwrite || settings.inBatch);
  if (!paths.GoesOn()) return paths;
  if (settings.inBatch && !settings.overwrite && Exists(job.outputPath))
    return {RemuxOutcome::kSkipped, "skipped " + job.sourcePath + ": " + job.outputPath + " exists"};
  const std::string warning =
      ExtensionWarning(job.outputPath, [&] { return ProbeStreamKinds(job.sourcePath); });
  if (!warning.empty()) PrintWarning(warning);
  return {};
}

}  // namespace

RemuxResult RunRemuxJob(const RemuxJob& job, const JobSettings& settings) {
  const RemuxResult checked = CheckBeforeWriting(job, settings);
  if (!checked.GoesOn()) return checked;
  RemuxListener listener({job.sourcePath, settings.verbose, settings.verify});
  const FileConversionResult result = ConvertShowingProgress(job.sourcePath, job.outputPath, listener,
                                                             {settings.progress, settings.progressLabel});
  return OutcomeOf(job, result, listener);
}
