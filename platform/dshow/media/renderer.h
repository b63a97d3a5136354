// The video and audio renderers of a playback graph. They show and play
// nothing (the program only builds and inspects the playback graph); they
// keep the graph's timing: with a reference clock each sample is held until
// its presentation time, without one it is taken at once. End of stream
// posts EC_COMPLETE.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "platform/dshow/core/base_filter.h"

constexpr CLSID CLSID_CorvaneVideoRenderer{
    0xEDA71A35, 0xBB60, 0x4DED, {0xA7, 0x37, 0x5E, 0x1C, 0xF9, 0xAA, 0x1E, 0x46}};
constexpr CLSID CLSID_CorvaneAudioRenderer{
    0x181E2227, 0xA940, 0x4FD6, {0x9D, 0xBC, 0x88, 0x84, 0x8E, 0x4F, 0xE7, 0x4E}};

class Renderer;

class RendererInputPin : public BaseInputPin {
 public:
  explicit RendererInputPin(Renderer* renderer);
  void Inactive() override;

 protected:
  HRESULT CheckMediaType(const AM_MEDIA_TYPE& mt) override;
  HRESULT OnReceive(IMediaSample* sample) override;
  HRESULT OnEndOfStream() override;
  HRESULT OnBeginFlush() override;
  HRESULT OnEndFlush() override;

 private:
  Renderer* const m_renderer;
};

class Renderer : public BaseFilter {
 public:
  Renderer(const CLSID& clsid, const GUID& rawSubtype);

  int GetPinCount() override { return 1; }
  BasePin* GetPin(int index) override { return index == 0 ? &m_input : nullptr; }
  // Samples taken since the graph last left Stopped.
  long RenderedCount() const { return m_rendered; }

 protected:
  HRESULT OnPause() override;
  HRESULT OnRun(REFERENCE_TIME start) override;

 private:
  friend class RendererInputPin;
  // Streaming thread: S_OK once due, S_FALSE when a flush or Stop cut the wait.
  HRESULT WaitUntilDue(IMediaSample* sample);
  bool DueOrReleased(IReferenceClock* clock, REFERENCE_TIME due, std::unique_lock<std::mutex>& lock);
  // Any thread: ends every wait (flush, Stop).
  void ReleaseWaits();
  void AllowWaits();

  const GUID m_rawSubtype;
  RendererInputPin m_input;
  std::mutex m_waitLock;
  std::condition_variable m_wake;
  bool m_released = false;
  std::atomic<long> m_rendered{
      0};  // counted on the streaming thread, read and reset on the application thread
};

class VideoRenderer : public Renderer, public IVideoWindow {
 public:
  VideoRenderer();

  HRESULT QueryInterface(REFIID riid, void** ppv) override { return Renderer::QueryInterface(riid, ppv); }
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }

  // IVideoWindow: the window's state, kept but shown nowhere.
  HRESULT put_AutoShow(LONG autoShow) override;
  HRESULT get_AutoShow(LONG* autoShow) override;
  HRESULT put_Visible(LONG visible) override;
  HRESULT get_Visible(LONG* visible) override;
  HRESULT put_Owner(OAHWND owner) override;
  HRESULT get_Owner(OAHWND* owner) override;

 protected:
  HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;

 private:
  LONG m_autoShow = OATRUE;
  LONG m_visible = OAFALSE;
  OAHWND m_owner = 0;
};

class AudioRenderer : public Renderer {
 public:
  AudioRenderer();
};
