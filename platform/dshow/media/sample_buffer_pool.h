// Buffers for the samples a filter fills itself, reused once downstream has
// let go of them, so that a steady stream of file blocks costs no allocation
// (and no page faults) per block.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/media_sample.h"

class SampleBufferPool : public std::enable_shared_from_this<SampleBufferPool> {
 public:
  // Blocks up to `bufferBytes` come from the pool; larger ones get a buffer
  // of their own.
  static std::shared_ptr<SampleBufferPool> Create(std::size_t bufferBytes);

  // A sample holding a copy of `size` bytes. Any thread.
  ComPtr<MediaSample> CopyIntoSample(const BYTE* data, LONG size);

 private:
  explicit SampleBufferPool(std::size_t bufferBytes) : m_bufferBytes(bufferBytes) {}
  std::shared_ptr<BYTE> TakeBuffer(std::size_t size);
  void GiveBack(BYTE* buffer);

  const std::size_t m_bufferBytes;
  std::mutex m_lock;
  std::vector<std::unique_ptr<BYTE[]>> m_free;
};
