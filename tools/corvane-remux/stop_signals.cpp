#include "tools/corvane-remux/stop_signals.h"

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace {

std::atomic<int> g_stopSignal{0};
std::atomic<const char*> g_fileToRemove{nullptr};

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<const char*>::is_always_lock_free,
              "a signal handler may only touch lock-free atomics");

void WriteToStderr(const char* text) {
  const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
  static_cast<void>(ignored);
}

// Only async-signal-safe calls: unlink, write and _exit.
void OnStopSignal(int signalNumber) {
  int expected = 0;
  if (g_stopSignal.compare_exchange_strong(expected, signalNumber)) return;
  if (const char* path = g_fileToRemove.load()) ::unlink(path);
  WriteToStderr("\ncorvane-remux: stopped at once; the unfinished output was removed\n");
  ::_exit(ExitStatusForSignal(expected));
}

}  // namespace

void InstallStopSignals() {
  struct sigaction action {};
  action.sa_handler = &OnStopSignal;
  // One handler at a time, so the first signal is the one that counts.
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  // Reads and writes interrupted by the signal carry on.
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

StopSignalsBlockedForNewThreads::StopSignalsBlockedForNewThreads() {
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGINT);
  sigaddset(&stops, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stops, &m_previous);
}

StopSignalsBlockedForNewThreads::~StopSignalsBlockedForNewThreads() {
  pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

int RequestedStopSignal() { return g_stopSignal.load(); }

void SetFileToRemoveOnAbandon(const char* path) { g_fileToRemove.store(path); }
