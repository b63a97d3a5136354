#include "tools/corvane-remux/conversion_run.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/com/com_runtime.h"
#include "tools/corvane-remux/progress_line.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

class ConversionThread {
 public:
  ConversionThread(const std::string& sourcePath, const std::string& outputPath, RemuxListener& listener)
      : m_sourcePath(sourcePath), m_outputPath(outputPath), m_listener(listener) {
    // The conversion thread and the streaming threads it starts leave the
    // stop signals to the main thread.
    const StopSignalsBlockedForNewThreads blocked;
    m_thread = std::thread([this] { Convert(); });
  }
  ~ConversionThread() { m_thread.join(); }
  ConversionThread(const ConversionThread&) = delete;
  ConversionThread& operator=(const ConversionThread&) = delete;

  // Waits at most `timeout`; true once the conversion has ended.
  bool WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_lock);
    return m_ended.wait_for(lock, timeout, [this] { return m_done; });
  }
  FileConversionResult Result() {
    const std::lock_guard lock(m_lock);
    return m_result;
  }

 private:
  void Convert() {
    FileConversionResult result;
    result.hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result.hr)) {
      result = ConvertToMatroskaFile(m_sourcePath.c_str(), m_outputPath.c_str(), m_listener);
      CoUninitialize();
    }
    const std::lock_guard lock(m_lock);
    m_result = result;
    m_done = true;
    m_ended.notify_all();
  }

  const std::string& m_sourcePath;
  const std::string& m_outputPath;
  RemuxListener& m_listener;
  std::mutex m_lock;
  std::condition_variable m_ended;
  bool m_done = false;
  FileConversionResult m_result;
  std::thread m_thread;
};

}  // namespace

FileConversionResult ConvertShowingProgress(const std::string& sourcePath, const std::string& outputPath,
                                            RemuxListener& listener, const ProgressDisplay& progress) {
  ConversionThread run(sourcePath, outputPath, listener);
  bool drawn = false;
  while (!run.WaitFor(std::chrono::milliseconds(250))) {
    if (!progress.enabled) continue;
    const std::optional<ConversionProgress> reading = listener.LatestProgress();
    if (!reading) {
      // Verifying, or not yet running: no figures to show.
      if (drawn) std::fputs("\r\033[K", stderr);
      drawn = false;
      continue;
    }
    std::fprintf(stderr, "\r%s%s%s\033[K", progress.label.c_str(), FormatProgressLine(*reading).c_str(),
                 RequestedStopSignal() ? "  stopping..." : "");
    std::fflush(stderr);
    drawn = true;
  }
  if (drawn) std::fputs("\r\033[K", stderr);
  return run.Result();
}
