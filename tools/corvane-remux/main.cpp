// corvane-remux: the conversion engine on the command line.

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

extern "C" {
#include <libavutil/log.h>
}

#include "engine/convert_to_matroska.h"
#include "platform/com/com_runtime.h"
#include "platform/dshow/media/install.h"
#include "tools/corvane-remux/output_guard.h"
#include "tools/corvane-remux/progress_line.h"
#include "tools/corvane-remux/remux_options.h"

namespace {

constexpr int kExitConverted = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

std::uint64_t FileSize(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// Runs the conversion on a thread of its own with COM, as the engine expects
// of its caller, so that this thread can draw the progress line.
class ConversionRun {
 public:
  explicit ConversionRun(const RemuxOptions& options) : m_options(options) {
    m_thread = std::thread([this] { Convert(); });
  }
  ~ConversionRun() { m_thread.join(); }

  // Waits at most `timeout`; true once the conversion has ended.
  bool WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_lock);
    return m_ended.wait_for(lock, timeout, [this] { return m_done; });
  }
  HRESULT Result() {
    std::lock_guard lock(m_lock);
    return m_result;
  }

 private:
  void Convert() {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(hr)) {
      hr = ConvertToMatroska(m_options.sourcePath.c_str(), m_options.outputPath.c_str());
      CoUninitialize();
    }
    std::lock_guard lock(m_lock);
    m_result = hr;
    m_done = true;
    m_ended.notify_all();
  }

  const RemuxOptions m_options;
  std::mutex m_lock;
  std::condition_variable m_ended;
  bool m_done = false;
  HRESULT m_result = E_FAIL;
  std::thread m_thread;
};

HRESULT ConvertShowingProgress(const RemuxOptions& options) {
  const bool drawProgress = isatty(STDERR_FILENO) != 0;
  const std::uint64_t sourceBytes = FileSize(options.sourcePath);
  const auto started = std::chrono::steady_clock::now();
  ConversionRun run(options);
  while (!run.WaitFor(std::chrono::milliseconds(250))) {
    if (!drawProgress) continue;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const std::string line = FormatProgressLine(FileSize(options.outputPath), sourceBytes, elapsed.count());
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    std::fflush(stderr);
  }
  if (drawProgress) std::fputs("\r\033[K", stderr);
  return run.Result();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string programName = "corvane-remux";
  const ParsedCommandLine parsed = ParseRemuxCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.options.showHelp) {
    std::fputs(RemuxUsageText(programName).c_str(), stdout);
    return kExitConverted;
  }
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", programName.c_str(), parsed.error.c_str(),
                 programName.c_str());
    return kExitUsage;
  }
  const RemuxOptions& options = parsed.options;
  const std::string refusal = CheckRemuxPaths(options.sourcePath, options.outputPath, options.overwrite);
  if (!refusal.empty()) {
    std::fprintf(stderr, "%s: %s\n", programName.c_str(), refusal.c_str());
    return kExitUsage;
  }

  // Every packet allocates a few small blocks and one packet-sized buffer;
  // glibc's fast bins then have to be consolidated on nearly every packet.
  // Without them a packet-heavy file converts about 15% faster.
  mallopt(M_MXFAST, 0);
  // The engine reports failures in its own words; FFmpeg's warnings about
  // odd but readable files would only bury them.
  av_log_set_level(AV_LOG_ERROR);
  InstallMediaFilters();
  const HRESULT hr = ConvertShowingProgress(options);
  if (hr != S_OK) {
    std::fprintf(stderr, "%s: the conversion of %s failed (hr=0x%x); %s is not complete\n", programName.c_str(),
                 options.sourcePath.c_str(), static_cast<unsigned>(hr), options.outputPath.c_str());
    return kExitFailed;
  }
  return kExitConverted;
}
