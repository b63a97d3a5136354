// The hand-over between a splitter's reading and delivering threads: every
// sample arrives once and in order however the two threads race, a full
// queue holds the reader back, and a stop frees both sides at once.
#include "platform/dshow/media/sample_batch_queue.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/dshow/core/media_sample.h"

namespace {

ComPtr<IMediaSample> SampleOf(LONG size) {
  ComPtr<MediaSample> sample = MediaSample::Allocate(size);
  return ComPtr<IMediaSample>(static_cast<IMediaSample*>(sample.Get()));
}

TEST(SampleBatchQueue, EverySampleArrivesOnceAndInOrderThenTheQueueEnds) {
  SampleBatchQueue queue;
  queue.Reset();
  constexpr int kBatches = 200;
  // Batches of a quarter of the bound: the reader must wait for the deliverer.
  constexpr LONG kBytes = SampleBatchQueue::kMaxQueuedBytes / 4;
  std::thread reader([&] {
    SampleBatchQueue::Batch batch;
    for (int n = 0; n < kBatches; ++n) {
      batch.push_back({2 * n, SampleOf(kBytes)});
      batch.push_back({2 * n + 1, SampleOf(0)});
      ASSERT_TRUE(queue.Push(&batch, kBytes));
      ASSERT_TRUE(batch.empty());
    }
    queue.Finish();
  });
  SampleBatchQueue::Batch batch;
  int next = 0;
  while (queue.Pop(&batch)) {
    for (const SampleBatchQueue::Item& item : batch) EXPECT_EQ(item.pin, next++);
  }
  reader.join();
  EXPECT_EQ(next, 2 * kBatches);
  EXPECT_FALSE(queue.Pop(&batch));
}

TEST(SampleBatchQueue, CloseWakesAWaitingReaderAndDeliverersAndReleasesWhatWasQueued) {
  SampleBatchQueue queue;
  queue.Reset();
  ComPtr<IMediaSample> kept = SampleOf(16);
  SampleBatchQueue::Batch batch{{0, kept}};
  ASSERT_TRUE(queue.Push(&batch, SampleBatchQueue::kMaxQueuedBytes));
  bool pushed = true;
  std::thread reader([&] {
    SampleBatchQueue::Batch more{{1, SampleOf(16)}};
    pushed = queue.Push(&more, 1);  // waits: the queue is full
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  queue.Close();
  reader.join();
  EXPECT_FALSE(pushed);
  EXPECT_EQ(kept.Get()->AddRef(), 2u);  // only `kept` and this probe hold it
  kept.Get()->Release();
  EXPECT_FALSE(queue.Pop(&batch));

  // A deliverer waiting on an empty queue is woken too.
  queue.Reset();
  bool popped = true;
  std::thread deliverer([&] {
    SampleBatchQueue::Batch got;
    popped = queue.Pop(&got);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  queue.Close();
  deliverer.join();
  EXPECT_FALSE(popped);
}

}  // namespace
