// A conversion that never leaves a torn or lost file: the output is written
// to a hidden file beside it and takes the output's name only once it is
// worth keeping.
#pragma once

#include "engine/conversion_listener.h"
#include "platform/com/hresult.h"

struct FileConversionResult {
  ConversionEnd end = ConversionEnd::kFailed;
  // The conversion's result, or the failure to create or rename the file.
  HRESULT hr = E_FAIL;
  bool outputReplaced = false;  // the written file took the output's name
};

// Converts `sourcePath` as ConvertToMatroska does into a hidden file in the
// folder of `outputPath`, which takes the output's name only when the run
// ended complete or incomplete (or stopped) and the listener keeps it. So an
// existing output is either replaced by a whole new file or stays byte for
// byte as it was, and a failed run leaves nothing behind. The caller has
// settled with the user that an existing output may be replaced, and made
// sure that it is not the source. Runs on the calling thread, as
// ConvertToMatroska does.
FileConversionResult ConvertToMatroskaFile(const char* sourcePath, const char* outputPath,
                                           ConversionListener& listener);
