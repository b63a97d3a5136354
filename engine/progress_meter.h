// How far a running conversion has got: the share done and the time left,
// from what the running graph and the file system tell. Both front ends show
// these same figures.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/conversion_listener.h"
#include "platform/dshow/core/dshow.h"

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

// The time the rest will take at the pace so far; nothing while no share is
// done yet.
std::optional<double> SecondsLeft(double shareDone, double elapsedSeconds);

class ProgressMeter {
 public:
  // Measures the conversion of `sourcePath` writing `writtenPath`, started now.
  ProgressMeter(const char* sourcePath, const char* writtenPath);

  ConversionProgress Read(IGraphBuilder* graph) const;

 private:
  std::string m_writtenPath;
  std::uint64_t m_sourceBytes;
  std::chrono::steady_clock::time_point m_start;
};
