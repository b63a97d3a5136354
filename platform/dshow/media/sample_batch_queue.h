// Carries samples from a splitter's reading thread to its delivering thread.
// Samples travel in batches: a hand-over through a lock costs about as much
// as a small packet's whole trip through the graph, so the threads meet once
// per few hundred packets, not once per packet. The queue is bounded by bytes,
// so reading ahead costs a fixed, small amount of memory whatever the file.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"

class SampleBatchQueue {
 public:
  struct Item {
    int pin;  // index of the output pin the sample goes out on
    ComPtr<IMediaSample> sample;
  };
  using Batch = std::vector<Item>;

  // A batch is handed over once it holds this many samples or bytes.
  static constexpr std::size_t kBatchSamples = 256;
  static constexpr std::size_t kBatchBytes = 128 * 1024;
  // Reading waits while this much is queued (one batch always fits).
  static constexpr std::size_t kMaxQueuedBytes = 512 * 1024;

  // Any thread, while neither side runs: an empty, open queue.
  void Reset();

  // Reading thread: queues the batch, waiting while the queue is full, and
  // leaves `batch` empty (a recycled vector). False once the queue is closed.
  bool Push(Batch* batch, std::size_t bytes);
  // Reading thread: nothing more will come.
  void Finish();

  // Delivering thread: the next batch, waiting for one; false when the queue
  // is finished and drained, or closed. What `batch` held is released and
  // its storage goes back for reuse.
  bool Pop(Batch* batch);

  // Any thread: both sides return at once and queued samples are released.
  void Close();

 private:
  struct Queued {
    Batch batch;
    std::size_t bytes;
  };

  std::mutex m_lock;
  std::condition_variable m_changed;
  std::deque<Queued> m_queue;
  std::vector<Batch> m_spare;
  std::size_t m_queuedBytes = 0;
  bool m_finished = false;
  bool m_closed = false;
};
