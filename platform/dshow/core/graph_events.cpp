#include "platform/dshow/core/graph_events.h"

#include <chrono>

void GraphEvents::BeginRun(int sinks) {
  std::lock_guard lock(m_lock);
  m_inRun = true;
  ++m_runNumber;
  m_sinks = sinks;
  m_completedSinks.clear();
  m_completeQueued = false;
  m_endCode = 0;
}

void GraphEvents::Running() {
  {
    std::lock_guard lock(m_lock);
    QueueCompletionIfDone();
  }
  m_changed.notify_all();
}

void GraphEvents::EndRun() {
  {
    std::lock_guard lock(m_lock);
    m_inRun = false;
    m_sinks = 0;
    m_completedSinks.clear();
    m_completeQueued = false;
  }
  m_changed.notify_all();
}

void GraphEvents::Queue(LONG code, LONG_PTR param1, LONG_PTR param2) {
  m_queue.push_back({code, param1, param2});
  if (m_endCode == 0 && (code == EC_COMPLETE || code == EC_ERRORABORT || code == EC_USERABORT))
    m_endCode = code;
}

void GraphEvents::QueueCompletionIfDone() {
  if (!m_inRun || m_completeQueued || static_cast<int>(m_completedSinks.size()) < m_sinks) return;
  m_completeQueued = true;
  Queue(EC_COMPLETE, S_OK, 0);
}

HRESULT GraphEvents::Notify(LONG code, LONG_PTR param1, LONG_PTR param2) {
  {
    std::lock_guard lock(m_lock);
    if (code == EC_COMPLETE) {
      if (!m_inRun) return S_OK;  // a late word from a run that was stopped
      m_completedSinks.insert(param2 != 0 ? param2 : -(++m_anonymousSinks));
      QueueCompletionIfDone();
    } else {
      Queue(code, param1, param2);
    }
  }
  m_changed.notify_all();
  return S_OK;
}

template <typename Ready>
bool GraphEvents::WaitUntil(std::unique_lock<std::mutex>& lock, LONG timeoutMs, Ready ready) {
  if (timeoutMs < 0) {
    m_changed.wait(lock, ready);
    return true;
  }
  return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
}

HRESULT GraphEvents::GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) {
  if (!code || !param1 || !param2) return E_POINTER;
  std::unique_lock lock(m_lock);
  if (!WaitUntil(lock, timeoutMs, [&] { return !m_queue.empty(); })) {
    *code = 0;
    *param1 = *param2 = 0;
    return E_ABORT;
  }
  const Event event = m_queue.front();
  m_queue.pop_front();
  *code = event.code;
  *param1 = event.param1;
  *param2 = event.param2;
  return S_OK;
}

HRESULT GraphEvents::WaitForCompletion(LONG timeoutMs, LONG* code) {
  if (!code) return E_POINTER;
  *code = 0;
  std::unique_lock lock(m_lock);
  if (!m_inRun) return VFW_E_WRONG_STATE;
  const unsigned run = m_runNumber;
  // A run that ended before a Stop woke this wait still reports how it ended.
  const auto ended = [&] { return m_runNumber == run && m_endCode != 0; };
  const auto stopped = [&] { return !m_inRun || m_runNumber != run; };
  if (!WaitUntil(lock, timeoutMs, [&] { return ended() || stopped(); })) return E_ABORT;
  if (!ended()) return VFW_E_WRONG_STATE;
  *code = m_endCode;
  return S_OK;
}
