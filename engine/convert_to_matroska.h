// The whole conversion: one source video rewrapped into one Matroska file
// without decoding or encoding any stream.
#pragma once

#include "engine/conversion_listener.h"
#include "platform/com/hresult.h"

// The page that tells users how to install the Matroska multiplexer, opened
// when it cannot be created.
inline constexpr char kMatroskaSupportPageUrl[] = "https://corvane.app/mkv-support";

// The result of a run that wrote a valid file holding less than the source:
// streams left out, or a damaged or cut-off source read as far as it goes.
// The user has been told which.
inline constexpr HRESULT kConvertedIncomplete = MakeHResult(0x00040A01);

// The result of a run the listener asked to stop: the output holds what was
// written until then, closed as a valid file.
inline constexpr HRESULT kConversionStopped = E_ABORT;

// Builds the playback graph for `sourcePath`, strips it behind the splitter,
// connects the splitter's streams to the Matroska multiplexer writing
// `outputPath`, runs it without a clock and waits, keeping the thread's
// windows alive. Failures are told to `listener` as they happen, with its
// progress between the waits and the source notes after the run. Returns the
// result of stopping the graph after a clean run, S_FALSE when the graph has
// no source filter, kConvertedIncomplete after a clean run that could not
// carry all of the source, kConversionStopped when the listener stopped it,
// otherwise the failure. The caller's thread has initialised COM as a
// single-threaded apartment; both paths are UTF-8. The output is written in
// place: ConvertToMatroskaFile keeps an existing file until a new one is
// complete.
HRESULT ConvertToMatroska(const char* sourcePath, const char* outputPath, ConversionListener& listener);

// The same with a MessageBoxListener: failures and an incomplete source are
// shown in message boxes, the narration goes to standard output.
HRESULT ConvertToMatroska(const char* sourcePath, const char* outputPath);
