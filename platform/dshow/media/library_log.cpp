#include "platform/dshow/media/library_log.h"

#include <atomic>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace {

LibraryLogSink g_sink;
std::atomic<int> g_maxLevel{AV_LOG_QUIET};
std::mutex g_sinkLock;

// FFmpeg builds a line from several calls; the prefix ("[mov @ 0x...] ")
// belongs only at the start of one, which this remembers per thread.
void LogCallback(void* object, int level, const char* format, va_list args) {
  if (level > g_maxLevel) return;
  thread_local int printPrefix = 1;
  thread_local std::string pending;
  char part[1024];
  av_log_format_line2(object, level, format, args, part, sizeof part, &printPrefix);
  pending += part;
  if (pending.empty() || pending.back() != '\n') return;
  pending.pop_back();
  std::lock_guard lock(g_sinkLock);
  if (g_sink) g_sink(level, pending);
  pending.clear();
}

}  // namespace

void RouteLibraryLog(LibraryLogSink sink, int maxLevel) {
  {
    std::lock_guard lock(g_sinkLock);
    g_sink = std::move(sink);
    g_maxLevel = g_sink ? maxLevel : AV_LOG_QUIET;
  }
  av_log_set_callback(&LogCallback);
}
