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

TEST(MediaSampleTest, TimesAndFlags) {
  auto sample = MediaSample::Allocate(8);
  REFERENCE_TIME start = 0, end = 0;
  EXPECT_EQ(sample->GetTime(&start, &end), VFW_E_SAMPLE_TIME_NOT_SET);
  REFERENCE_TIME s = 100;
  EXPECT_EQ(sample->SetTime(&s, nullptr), S_OK);
  EXPECT_EQ(sample->GetTime(&start, &end), VFW_S_NO_STOP_TIME);
  EXPECT_EQ(start, 100);
  REFERENCE_TIME e = 200;
  sample->SetTime(&s, &e);
  EXPECT_EQ(sample->GetTime(&start, &end), S_OK);
  EXPECT_EQ(end, 200);
  EXPECT_EQ(sample->IsSyncPoint(), S_FALSE);
  sample->SetSyncPoint(TRUE);
  EXPECT_EQ(sample->IsSyncPoint(), S_OK);
  LONGLONG ms = 0, me = 0;
  EXPECT_EQ(sample->GetMediaTime(&ms, &me), VFW_E_MEDIA_TIME_NOT_SET);
  AM_MEDIA_TYPE* mt = nullptr;
  EXPECT_EQ(sample->GetMediaType(&mt), S_FALSE);
  EXPECT_EQ(mt, nullptr);
}

TEST(MediaSampleTest, StreamTimesDefaultToNoStreamTime) {
  auto sample = MediaSample::Allocate(1);
  ComPtr<IStreamSampleTimes> times;
  ASSERT_EQ(ComPtr<IMediaSample>(sample.Get()).As(times), S_OK);
  LONGLONG pts = 0, dts = 0, duration = 0;
  ASSERT_EQ(times->GetStreamTimes(&pts, &dts, &duration), S_OK);
  EXPECT_EQ(pts, NO_STREAM_TIME);
  EXPECT_EQ(dts, NO_STREAM_TIME);
  EXPECT_EQ(duration, NO_STREAM_TIME);
  times->SetStreamTimes(3, 1, 2);
  times->GetStreamTimes(&pts, &dts, &duration);
  EXPECT_EQ(pts, 3);
  EXPECT_EQ(dts, 1);
  EXPECT_EQ(duration, 2);
}

}  // namespace
