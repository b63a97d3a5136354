// The one-line progress report drawn on a terminal while converting.
#pragma once

#include <cstdint>
#include <string>

// A remuxed file is about as large as its source, so the bytes written so far
// against the source's size give the share done; it stays below 100% until
// the conversion has really finished.
std::string FormatProgressLine(std::uint64_t bytesWritten, std::uint64_t sourceBytes, double elapsedSeconds);
