#include "platform/dshow/core/media_sample.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaSampleTest, WrapsWithoutCopyingAndKeepsTheOwner) {
  auto payload = std::make_shared<std::vector<BYTE>>(16, 7);
  std::weak_ptr<std::vector<BYTE>> watch = payload;
  auto sample = MediaSample::Wrap(payload->data(), 16, payload);
  BYTE* data = nullptr;
  ASSERT_EQ(sample->GetPointer(&data), S_OK);
  EXPECT_EQ(data, payload->data());
  payload.reset();
  EXPECT_FALSE(watch.expired());
  EXPECT_EQ(sample->GetSize(), 16);
  EXPECT_EQ(sample->GetActualDataLength(), 16);
  EXPECT_EQ(sample->SetActualDataLength(17), E_INVALIDARG);
  EXPECT_EQ(sample->SetActualDataLength(4), S_OK);
  EXPECT_EQ(sample->GetActualDataLength(), 4);
  sample = nullptr;
  EXPECT_TRUE(watch.expired());
}

}  // namespace
