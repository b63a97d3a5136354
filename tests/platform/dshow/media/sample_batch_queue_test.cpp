// The hand-over between a splitter's reading and delivering threads: a full
// queue holds the reader back, a batch larger than the bound still passes,
// and a stop frees both sides at once. That every sample arrives once and in
// order shows in every conversion's packets.
#include "platform/dshow/media/sample_batch_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/dshow/core/media_sample.h"
#include "tests/support/probe.h"

namespace {

using test_support::ThreadIsBlocked;
using test_support::WaitUntil;

ComPtr<IMediaSample> SampleOf(LONG size) {
  ComPtr<MediaSample> sample = MediaSample::Allocate(size);
  return ComPtr<IMediaSample>(static_cast<IMediaSample*>(sample.Get()));
}

TEST(SampleBatchQueue, CloseWakesAWaitingReaderAndDeliverersAndReleasesWhatWasQueued) {
  SampleBatchQueue queue;
  queue.Reset();
  ComPtr<IMediaSample> kept = SampleOf(16);
  SampleBatchQueue::Batch batch{{0, kept}};
  ASSERT_TRUE(queue.Push(&batch, SampleBatchQueue::kMaxQueuedBytes));
  bool pushed = true;
  std::atomic<pid_t> readerId{0};
  std::thread reader([&] {
    SampleBatchQueue::Batch more{{1, SampleOf(16)}};
    readerId = test_support::CurrentThreadId();
    pushed = queue.Push(&more, 1);  // waits: the queue is full
  });
  EXPECT_TRUE(WaitUntil([&] { return readerId != 0 && ThreadIsBlocked(readerId); }));
  queue.Close();
  reader.join();
  EXPECT_FALSE(pushed);
  EXPECT_EQ(kept.Get()->AddRef(), 2u);  // only `kept` and this probe hold it
  kept.Get()->Release();
  EXPECT_FALSE(queue.Pop(&batch));

  // A deliverer waiting on an empty queue is woken too.
  queue.Reset();
  bool popped = true;
  std::atomic<pid_t> delivererId{0};
  std::thread deliverer([&] {
    SampleBatchQueue::Batch got;
    delivererId = test_support::CurrentThreadId();
    popped = queue.Pop(&got);
  });
  EXPECT_TRUE(WaitUntil([&] { return delivererId != 0 && ThreadIsBlocked(delivererId); }));
  queue.Close();
  deliverer.join();
  EXPECT_FALSE(popped);
}

// A packet larger than the bound, such as a big key frame, must still pass:
// an empty queue takes a batch of any size, or the reader would wait for room
// that never comes and the splitter would hang.
TEST(SampleBatchQueue, AnEmptyQueueTakesABatchLargerThanItsBound) {
  SampleBatchQueue queue;
  queue.Reset();
  std::atomic<bool> returned{false};
  bool pushed = false;
  std::thread reader([&] {
    SampleBatchQueue::Batch batch{{0, SampleOf(16)}};
    pushed = queue.Push(&batch, 2 * SampleBatchQueue::kMaxQueuedBytes);
    returned = true;
  });
  const bool admitted = WaitUntil([&] { return returned.load(); }, std::chrono::seconds(10));
  if (!admitted) queue.Close();  // frees the waiting reader so that the test ends
  reader.join();
  ASSERT_TRUE(admitted) << "the oversized batch waited for room in an empty queue";
  EXPECT_TRUE(pushed);
  SampleBatchQueue::Batch got;
  ASSERT_TRUE(queue.Pop(&got));
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].pin, 0);
}

}  // namespace
