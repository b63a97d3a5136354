// The window title while a conversion runs: the share done and the time left,
// from what the running graph and the file system tell.
#pragma once

#include <cstdint>
#include <string>

struct ProgressReading {
  std::int64_t position = 0;  // the graph's current position, in 100 ns units
  std::int64_t duration = 0;  // the source's duration; 0 when it has none
  std::uint64_t bytesWritten = 0;
  std::uint64_t sourceBytes = 0;
};

// The share of the conversion done, 0 to 1: the position against the
// duration, else the bytes written against the source's size. A rewrapped file
// is only about as large as its source, so that estimate stays below 1 until
// the end.
double ShareDone(const ProgressReading& reading);

// "Corvane - 42% - 0:12 left" for `caption` "Corvane": the time left follows
// from the pace so far and is left out while nothing is done yet.
std::string ProgressTitle(const std::string& caption, double shareDone, double elapsedSeconds);
