// Ctrl+C and SIGTERM while converting. The first one asks the conversion to
// stop at its next pause, so that the output is closed as a valid file; a
// second one ends the program at once, removing the unfinished file first so
// that nothing torn is left behind.
#pragma once

#include <csignal>

// Installs the handlers for SIGINT and SIGTERM.
void InstallStopSignals();

// While one lives, threads started on this thread (and the threads they
// start) never take SIGINT or SIGTERM. The signals then all reach the main
// thread, one at a time, so the first one sent is the one that counts: two
// threads handling two signals at once could see them the other way round.
class StopSignalsBlockedForNewThreads {
 public:
  StopSignalsBlockedForNewThreads();
  ~StopSignalsBlockedForNewThreads();
  StopSignalsBlockedForNewThreads(const StopSignalsBlockedForNewThreads&) = delete;
  StopSignalsBlockedForNewThreads& operator=(const StopSignalsBlockedForNewThreads&) = delete;

 private:
  sigset_t m_previous;
};

// The signal that asked for a stop, or 0.
int RequestedStopSignal();

// The exit status of a program stopped by `signalNumber`: 128 + the number,
// as shells report it (130 for SIGINT, 143 for SIGTERM).
constexpr int ExitStatusForSignal(int signalNumber) { return 128 + signalNumber; }

// The file a second signal removes before the program ends; nullptr for none.
// The text must stay valid until it is replaced.
void SetFileToRemoveOnAbandon(const char* path);
