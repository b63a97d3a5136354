#include "engine/convert_to_matroska_file.h"

#include <sys/stat.h>

#include "engine/conversion_reports.h"
#include "engine/convert_to_matroska.h"
#include "engine/report_message.h"
#include "engine/temporary_output.h"
#include "platform/com/translatable.h"

namespace {

// An output name that cannot become a file, found before anything is
// written: none at all, a folder's, or a device's or pipe's, which renaming
// the written file would replace rather than write to.
HRESULT CheckOutputName(const char* outputPath) {
  if (!outputPath || !*outputPath) return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
  struct stat info {};
  if (stat(outputPath, &info) != 0) return S_OK;
  if (S_ISDIR(info.st_mode)) return HRESULT_FROM_WIN32(ERROR_DIRECTORY);
  if (!S_ISREG(info.st_mode)) return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  return S_OK;
}

ConversionEnd EndOf(HRESULT hr) {
  if (hr == S_OK) return ConversionEnd::kComplete;
  if (hr == kConvertedIncomplete) return ConversionEnd::kIncomplete;
  if (hr == kConversionStopped) return ConversionEnd::kStopped;
  return ConversionEnd::kFailed;
}

FileConversionResult NotNamed(HRESULT hr) {
  ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Failed to set target filename!  hr=0x%x\n"), HexCode(hr));
  return {ConversionEnd::kFailed, hr, false};
}

// Renames the written file over the output once the listener keeps it.
FileConversionResult Keep(TemporaryOutput& written, const char* outputPath, ConversionEnd end, HRESULT hr,
                          ConversionListener& listener) {
  if (!listener.KeepWrittenFile(written.Path(), end)) return {end, hr, false};
  const HRESULT committed = written.Commit();
  if (committed == S_OK) return {end, hr, true};
  ReportFailure(committed, QT_TRANSLATE_NOOP("Corvane", "Failed to save the Matroska file as %s!  hr=0x%x\n"),
                outputPath, HexCode(committed));
  return {end == ConversionEnd::kStopped ? end : ConversionEnd::kFailed, committed, false};
}

}  // namespace

FileConversionResult ConvertToMatroskaFile(const char* sourcePath, const char* outputPath,
                                           ConversionListener& listener) {
  const ReportingTo reporting(listener);
  if (const HRESULT unusable = CheckOutputName(outputPath); unusable != S_OK) return NotNamed(unusable);
  TemporaryOutput written(outputPath);
  if (written.Created() != S_OK) return NotNamed(written.Created());
  listener.OnWrittenFile(written.Path().c_str());
  const HRESULT hr = ConvertToMatroska(sourcePath, written.Path().c_str(), listener);
  const ConversionEnd end = EndOf(hr);
  const FileConversionResult result = end == ConversionEnd::kFailed
                                          ? FileConversionResult{end, hr, false}
                                          : Keep(written, outputPath, end, hr, listener);
  // Told before the unkept file is removed, so that nobody else removes it
  // meanwhile; once renamed, the path names nothing.
  listener.OnWrittenFile(nullptr);
  return result;
}
