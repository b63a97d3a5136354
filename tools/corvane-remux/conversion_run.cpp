#include "tools/corvane-remux/conversion_run.h"

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "engine/completion_wait_observer.h"
#include "engine/convert_to_matroska.h"
#include "platform/com/com_ptr.h"
#include "platform/com/com_runtime.h"
#include "tools/corvane-remux/progress_line.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

std::uint64_t FileSize(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// Called between the engine's waits: a signal handler cannot stop a graph
// itself, so it only raises a flag that is turned into Stop here.
void StopOnSignal(IGraphBuilder* graph, bool* stopped) {
  if (*stopped || RequestedStopSignal() == 0) return;
  ComPtr<IMediaControl> control;
  if (SUCCEEDED(graph->QueryInterface(IMediaControl::iid,
                                      reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()))))
    control->Stop();
  *stopped = true;
}

class ConversionThread {
 public:
  ConversionThread(std::string sourcePath, std::string writtenPath)
      : m_sourcePath(std::move(sourcePath)), m_writtenPath(std::move(writtenPath)) {
    // The conversion thread and the streaming threads it starts leave the
    // stop signals to the main thread.
    const StopSignalsBlockedForNewThreads blocked;
    m_thread = std::thread([this] { Convert(); });
  }
  ~ConversionThread() { m_thread.join(); }

  // Waits at most `timeout`; true once the conversion has ended.
  bool WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_lock);
    return m_ended.wait_for(lock, timeout, [this] { return m_done; });
  }
  ConversionResult Result() {
    std::lock_guard lock(m_lock);
    return m_result;
  }

 private:
  void Convert() {
    bool stopped = false;
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(hr)) {
      SetCompletionWaitObserver([&stopped](IGraphBuilder* graph) { StopOnSignal(graph, &stopped); });
      hr = ConvertToMatroska(m_sourcePath.c_str(), m_writtenPath.c_str());
      SetCompletionWaitObserver({});
      CoUninitialize();
    }
    std::lock_guard lock(m_lock);
    m_result = {hr, stopped};
    m_done = true;
    m_ended.notify_all();
  }

  const std::string m_sourcePath;
  const std::string m_writtenPath;
  std::mutex m_lock;
  std::condition_variable m_ended;
  bool m_done = false;
  ConversionResult m_result;
  std::thread m_thread;
};

}  // namespace

ConversionResult ConvertShowingProgress(const std::string& sourcePath, const std::string& writtenPath,
                                        const ProgressDisplay& progress) {
  const std::uint64_t sourceBytes = FileSize(sourcePath);
  const auto started = std::chrono::steady_clock::now();
  ConversionThread run(sourcePath, writtenPath);
  while (!run.WaitFor(std::chrono::milliseconds(250))) {
    if (!progress.enabled) continue;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const std::string line = FormatProgressLine(FileSize(writtenPath), sourceBytes, elapsed.count());
    std::fprintf(stderr, "\r%s%s%s\033[K", progress.label.c_str(), line.c_str(),
                 RequestedStopSignal() ? "  stopping..." : "");
    std::fflush(stderr);
  }
  if (progress.enabled) std::fputs("\r\033[K", stderr);
  return run.Result();
}
