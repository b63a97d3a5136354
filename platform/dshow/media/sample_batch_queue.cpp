#include "platform/dshow/media/sample_batch_queue.h"

void SampleBatchQueue::Reset() {
  std::lock_guard lock(m_lock);
  m_queue.clear();
  m_queuedBytes = 0;
  m_finished = m_closed = false;
}

bool SampleBatchQueue::Push(Batch* batch, std::size_t bytes) {
  Batch spare;
  {
    std::unique_lock lock(m_lock);
    m_changed.wait(lock,
                   [&] { return m_closed || m_queue.empty() || m_queuedBytes + bytes <= kMaxQueuedBytes; });
    if (m_closed) return false;
    m_queue.push_back({std::move(*batch), bytes});
    m_queuedBytes += bytes;
    if (!m_spare.empty()) {
      spare = std::move(m_spare.back());
      m_spare.pop_back();
    }
  }
  m_changed.notify_all();
  *batch = std::move(spare);
  batch->clear();
  return true;
}

void SampleBatchQueue::Finish() {
  {
    std::lock_guard lock(m_lock);
    m_finished = true;
  }
  m_changed.notify_all();
}

bool SampleBatchQueue::Pop(Batch* batch) {
  batch->clear();  // releases the samples outside the lock
  {
    std::unique_lock lock(m_lock);
    if (batch->capacity() != 0) m_spare.push_back(std::move(*batch));
    m_changed.wait(lock, [&] { return m_closed || m_finished || !m_queue.empty(); });
    if (m_closed || m_queue.empty()) return false;
    *batch = std::move(m_queue.front().batch);
    m_queuedBytes -= m_queue.front().bytes;
    m_queue.pop_front();
  }
  m_changed.notify_all();
  return true;
}

void SampleBatchQueue::Close() {
  std::deque<Queued> dropped;
  {
    std::lock_guard lock(m_lock);
    m_closed = true;
    dropped.swap(m_queue);
    m_queuedBytes = 0;
  }
  m_changed.notify_all();
}
