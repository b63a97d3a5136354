// A sample that points at a payload it does not copy: whoever made the
// payload hands over a shared owner that keeps it alive as long as any
// filter holds the sample.
#pragma once

#include <memory>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/core/media_type.h"

class MediaSample : public RefCount, public IMediaSample, public IStreamSampleTimes {
 public:
  // `data` stays valid while `owner` lives.
  static ComPtr<MediaSample> Wrap(BYTE* data, LONG size, std::shared_ptr<void> owner);
  // A sample that owns a fresh buffer of `size` bytes.
  static ComPtr<MediaSample> Allocate(LONG size);

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED

  HRESULT GetPointer(BYTE** buffer) override;
  LONG GetSize() override;
  HRESULT GetTime(REFERENCE_TIME* start, REFERENCE_TIME* end) override;
  HRESULT SetTime(const REFERENCE_TIME* start, const REFERENCE_TIME* end) override;
  HRESULT IsSyncPoint() override;
  HRESULT SetSyncPoint(BOOL sync) override;
  HRESULT IsPreroll() override;
  HRESULT SetPreroll(BOOL preroll) override;
  LONG GetActualDataLength() override;
  HRESULT SetActualDataLength(LONG length) override;
  HRESULT GetMediaType(AM_MEDIA_TYPE** mt) override;
  HRESULT SetMediaType(AM_MEDIA_TYPE* mt) override;
  HRESULT IsDiscontinuity() override;
  HRESULT SetDiscontinuity(BOOL discontinuity) override;
  HRESULT GetMediaTime(LONGLONG* start, LONGLONG* end) override;
  HRESULT SetMediaTime(LONGLONG* start, LONGLONG* end) override;

  HRESULT GetStreamTimes(LONGLONG* pts, LONGLONG* dts, LONGLONG* duration) override;
  HRESULT SetStreamTimes(LONGLONG pts, LONGLONG dts, LONGLONG duration) override;

 protected:
  // A derived sample may own its payload itself and pass no `owner`.
  MediaSample(BYTE* data, LONG size, std::shared_ptr<void> owner);

 private:
  BYTE* m_data;
  LONG m_size;
  LONG m_length;
  std::shared_ptr<void> m_owner;
  // GetTime: S_OK with both times, VFW_S_NO_STOP_TIME with start only,
  // VFW_E_SAMPLE_TIME_NOT_SET with neither.
  bool m_hasStart = false;
  bool m_hasStop = false;
  REFERENCE_TIME m_start = 0;
  REFERENCE_TIME m_stop = 0;
  bool m_hasMediaTime = false;
  LONGLONG m_mediaStart = 0;
  LONGLONG m_mediaStop = 0;
  bool m_sync = false;
  bool m_preroll = false;
  bool m_discontinuity = false;
  LONGLONG m_pts = NO_STREAM_TIME;
  LONGLONG m_dts = NO_STREAM_TIME;
  LONGLONG m_duration = NO_STREAM_TIME;
  // A type change announced with this sample (SetMediaType), or null.
  std::unique_ptr<MediaType> m_type;
};

constexpr HRESULT VFW_S_NO_STOP_TIME = MakeHResult(0x00040270);
constexpr HRESULT VFW_E_SAMPLE_TIME_NOT_SET = MakeHResult(0x80040249);
constexpr HRESULT VFW_E_MEDIA_TIME_NOT_SET = MakeHResult(0x80040251);
