// The whole conversion: one source video rewrapped into one Matroska file
// without decoding or encoding any stream.
#pragma once

#include "platform/com/hresult.h"

// The page that tells users how to install the Matroska multiplexer, opened
// when it cannot be created.
inline constexpr char kMatroskaSupportPageUrl[] = "https://corvane.app/mkv-support";

// The result of a run that wrote a valid file holding less than the source:
// streams left out, or a damaged or cut-off source read as far as it goes.
// The user has been told which.
inline constexpr HRESULT kConvertedIncomplete = MakeHResult(0x00040A01);

// Builds the playback graph for `sourcePath`, strips it behind the splitter,
// connects the splitter's streams to the Matroska multiplexer writing
// `outputPath`, runs it without a clock and waits, keeping the thread's
// windows alive. Failures are shown as they happen. Returns the result of
// stopping the graph after a clean run, S_FALSE when the graph has no source
// filter, kConvertedIncomplete after a clean run that could not carry all of
// the source (said in one message once the run has ended), otherwise the
// failure. The caller's thread has initialised COM as a
// single-threaded apartment; both paths are UTF-8.
HRESULT ConvertToMatroska(const char* sourcePath, const char* outputPath);
