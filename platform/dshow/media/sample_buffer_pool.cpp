#include "platform/dshow/media/sample_buffer_pool.h"

#include <cstring>

std::shared_ptr<SampleBufferPool> SampleBufferPool::Create(std::size_t bufferBytes) {
  return std::shared_ptr<SampleBufferPool>(new SampleBufferPool(bufferBytes));
}

ComPtr<MediaSample> SampleBufferPool::CopyIntoSample(const BYTE* data, LONG size) {
  const std::size_t bytes = size > 0 ? static_cast<std::size_t>(size) : 0;
  std::shared_ptr<BYTE> buffer = TakeBuffer(bytes);
  if (bytes != 0) std::memcpy(buffer.get(), data, bytes);
  BYTE* pointer = buffer.get();
  return MediaSample::Wrap(pointer, static_cast<LONG>(bytes), std::move(buffer));
}

std::shared_ptr<BYTE> SampleBufferPool::TakeBuffer(std::size_t size) {
  if (size > m_bufferBytes) return std::shared_ptr<BYTE>(new BYTE[size], std::default_delete<BYTE[]>());
  std::unique_ptr<BYTE[]> buffer;
  {
    std::lock_guard lock(m_lock);
    if (!m_free.empty()) {
      buffer = std::move(m_free.back());
      m_free.pop_back();
    }
  }
  if (!buffer) buffer.reset(new BYTE[m_bufferBytes]);
  // The deleter keeps the pool alive until the last of its buffers is back.
  return std::shared_ptr<BYTE>(buffer.release(), [pool = shared_from_this()](BYTE* b) { pool->GiveBack(b); });
}

void SampleBufferPool::GiveBack(BYTE* buffer) {
  std::unique_ptr<BYTE[]> owned(buffer);
  std::lock_guard lock(m_lock);
  m_free.push_back(std::move(owned));
}
