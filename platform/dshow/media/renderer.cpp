#include "platform/dshow/media/renderer.h"

#include <chrono>

#include "platform/dshow/media/stream_format.h"

RendererInputPin::RendererInputPin(Renderer* renderer)
    : BaseInputPin(renderer, u"In"), m_renderer(renderer) {}

void RendererInputPin::Inactive() { m_renderer->ReleaseWaits(); }

HRESULT RendererInputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  return mt.subtype == m_renderer->m_rawSubtype ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT RendererInputPin::OnReceive(IMediaSample* sample) {
  const HRESULT hr = m_renderer->WaitUntilDue(sample);
  if (hr == S_OK) ++m_renderer->m_rendered;
  return hr;
}

HRESULT RendererInputPin::OnEndOfStream() { return m_renderer->NotifyEvent(EC_COMPLETE, S_OK, 0); }

HRESULT RendererInputPin::OnBeginFlush() {
  m_renderer->ReleaseWaits();
  return S_OK;
}

HRESULT RendererInputPin::OnEndFlush() {
  m_renderer->AllowWaits();
  return S_OK;
}

Renderer::Renderer(const CLSID& clsid, const GUID& rawSubtype)
    : BaseFilter(clsid), m_rawSubtype(rawSubtype), m_input(this) {}

HRESULT Renderer::OnPause() {
  if (State() == State_Paused) AllowWaits();
  m_rendered = 0;
  return S_OK;
}

// Samples held while paused become due against the new start time.
HRESULT Renderer::OnRun(REFERENCE_TIME /*start*/) {
  std::lock_guard lock(m_waitLock);
  m_wake.notify_all();
  return S_OK;
}

void Renderer::ReleaseWaits() {
  std::lock_guard lock(m_waitLock);
  m_released = true;
  m_wake.notify_all();
}

void Renderer::AllowWaits() {
  std::lock_guard lock(m_waitLock);
  m_released = false;
}

HRESULT Renderer::WaitUntilDue(IMediaSample* sample) {
  const ComPtr<IReferenceClock> clock = Clock();
  REFERENCE_TIME start = 0, stop = 0;
  if (!clock || FAILED(sample->GetTime(&start, &stop))) return S_OK;
  std::unique_lock lock(m_waitLock);
  while (!m_released) {
    // A stopped renderer takes no more samples; nothing would wake the wait.
    if (State() == State_Stopped) return S_FALSE;
    if (State() == State_Running && DueOrReleased(clock.Get(), StartTime() + start, lock)) break;
    if (State() == State_Paused) m_wake.wait(lock);
  }
  return m_released ? S_FALSE : S_OK;
}

// Waits on the condition variable until the clock reaches `due` (true) or
// something wakes the wait early (false: look at the state again).
bool Renderer::DueOrReleased(IReferenceClock* clock, REFERENCE_TIME due, std::unique_lock<std::mutex>& lock) {
  REFERENCE_TIME now = 0;
  if (FAILED(clock->GetTime(&now)) || now >= due) return true;
  m_wake.wait_for(lock, std::chrono::microseconds((due - now) / 10 + 1));
  return false;
}

VideoRenderer::VideoRenderer() : Renderer(CLSID_CorvaneVideoRenderer, MEDIASUBTYPE_CorvaneRawVideo) {}

HRESULT VideoRenderer::put_AutoShow(LONG autoShow) {
  m_autoShow = autoShow ? OATRUE : OAFALSE;
  return S_OK;
}

HRESULT VideoRenderer::get_AutoShow(LONG* autoShow) {
  if (!autoShow) return E_POINTER;
  *autoShow = m_autoShow;
  return S_OK;
}

HRESULT VideoRenderer::put_Visible(LONG visible) {
  m_visible = visible ? OATRUE : OAFALSE;
  return S_OK;
}

HRESULT VideoRenderer::get_Visible(LONG* visible) {
  if (!visible) return E_POINTER;
  *visible = m_visible;
  return S_OK;
}

HRESULT VideoRenderer::put_Owner(OAHWND owner) {
  m_owner = owner;
  return S_OK;
}

HRESULT VideoRenderer::get_Owner(OAHWND* owner) {
  if (!owner) return E_POINTER;
  *owner = m_owner;
  return S_OK;
}

HRESULT VideoRenderer::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IVideoWindow>(this, riid, ppv)) return S_OK;
  return Renderer::QueryExtraInterface(riid, ppv);
}

AudioRenderer::AudioRenderer() : Renderer(CLSID_CorvaneAudioRenderer, MEDIASUBTYPE_CorvaneRawAudio) {}
