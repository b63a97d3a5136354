// The graph's event queue and its notion of when a run has ended.
//
// Threads: Notify comes from any thread (streaming threads included);
// GetEvent and WaitForCompletion from the application; BeginRun, Running and
// EndRun from the graph's state changes. One mutex guards everything, a
// condition variable wakes waiters; nothing polls.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>

#include "platform/dshow/core/dshow.h"

class GraphEvents {
 public:
  // A run begins (the graph leaves Stopped) with `sinks` filters expected to
  // post EC_COMPLETE.
  void BeginRun(int sinks);
  // The graph entered Running: with no sinks the run is complete at once.
  void Running();
  // The graph stopped: the sink count resets, queued events stay, and a
  // WaitForCompletion in progress returns.
  void EndRun();

  // EC_COMPLETE counts once per filter (param2) during a run; when every sink
  // has completed, one EC_COMPLETE (param1 S_OK) is queued. Other events are
  // queued as posted; EC_ERRORABORT and EC_USERABORT also end the run.
  HRESULT Notify(LONG code, LONG_PTR param1, LONG_PTR param2);
  // Takes the next event; E_ABORT when none came within timeoutMs (negative: wait forever).
  HRESULT GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs);
  // Waits for the run to end without touching the queue. VFW_E_WRONG_STATE
  // when the graph is stopped, or gets stopped during the wait: a stopped run
  // never completes, so waiting on it would never return.
  HRESULT WaitForCompletion(LONG timeoutMs, LONG* code);

 private:
  struct Event {
    LONG code;
    LONG_PTR param1;
    LONG_PTR param2;
  };
  template <typename Ready>
  bool WaitUntil(std::unique_lock<std::mutex>& lock, LONG timeoutMs, Ready ready);
  void Queue(LONG code, LONG_PTR param1, LONG_PTR param2);
  void QueueCompletionIfDone();

  std::mutex m_lock;
  std::condition_variable m_changed;
  std::deque<Event> m_queue;
  bool m_inRun = false;
  unsigned m_runNumber = 0;  // counts BeginRun, so a waiter sees a stop even when a new run began
  int m_sinks = 0;
  std::set<LONG_PTR> m_completedSinks;
  LONG_PTR m_anonymousSinks = 0;
  bool m_completeQueued = false;
  LONG m_endCode = 0;  // how the last run ended; 0 while it goes on
};
