#include "engine/progress_meter.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/com/com_ptr.h"

namespace {

// The share at most claimed from byte counts, which only approximate the end.
constexpr double kByteEstimateCeiling = 0.99;

std::uint64_t FileBytes(const char* path) {
  struct stat info {};
  return path && stat(path, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// Position and duration from the graph's seeking interface; both stay 0 when
// the graph cannot tell them.
void ReadGraphPosition(IGraphBuilder* graph, ProgressReading& reading) {
  ComPtr<IMediaSeeking> seeking;
  if (!graph || FAILED(graph->QueryInterface(IMediaSeeking::iid,
                                             reinterpret_cast<void**>(seeking.ReleaseAndGetAddressOf())))) {
    return;
  }
  LONGLONG duration = 0;
  LONGLONG position = 0;
  if (FAILED(seeking->GetDuration(&duration)) || FAILED(seeking->GetCurrentPosition(&position))) return;
  reading.duration = duration;
  reading.position = position;
}

}  // namespace

double ShareDone(const ProgressReading& reading) {
  if (reading.duration > 0) {
    return std::clamp(static_cast<double>(reading.position) / static_cast<double>(reading.duration), 0.0,
                      1.0);
  }
  if (reading.sourceBytes == 0) return 0.0;
  const double share = static_cast<double>(reading.bytesWritten) / static_cast<double>(reading.sourceBytes);
  return std::min(share, kByteEstimateCeiling);
}

std::optional<double> SecondsLeft(double shareDone, double elapsedSeconds) {
  const double share = std::clamp(shareDone, 0.0, 1.0);
  if (share <= 0.0 || elapsedSeconds <= 0.0) return std::nullopt;
  return elapsedSeconds * (1.0 - share) / share;
}

ProgressMeter::ProgressMeter(const char* sourcePath, const char* writtenPath)
    : m_writtenPath(writtenPath ? writtenPath : ""),
      m_sourceBytes(FileBytes(sourcePath)),
      m_start(std::chrono::steady_clock::now()) {}

ConversionProgress ProgressMeter::Read(IGraphBuilder* graph) const {
  ProgressReading reading;
  ReadGraphPosition(graph, reading);
  reading.bytesWritten = FileBytes(m_writtenPath.c_str());
  reading.sourceBytes = m_sourceBytes;
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_start;
  return {ShareDone(reading), elapsed.count(), reading.bytesWritten, reading.sourceBytes};
}
