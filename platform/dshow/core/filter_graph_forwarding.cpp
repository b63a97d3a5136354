// IVideoWindow and IMediaSeeking on the graph answer for the filters that have them.
#include <algorithm>

#include "platform/dshow/core/filter_graph.h"

template <typename Call>
HRESULT FilterGraph::WithVideoWindow(Call call) {
  ComPtr<IVideoWindow> window;
  {
    std::lock_guard lock(m_lock);
    for (const Member& member : m_filters)
      if (SUCCEEDED(member.filter.As(window)) && window) break;
  }
  return window ? call(window.Get()) : E_NOINTERFACE;
}

HRESULT FilterGraph::put_AutoShow(LONG v) {
  return WithVideoWindow([&](IVideoWindow* w) { return w->put_AutoShow(v); });
}
HRESULT FilterGraph::get_AutoShow(LONG* v) {
  return WithVideoWindow([&](IVideoWindow* w) { return w->get_AutoShow(v); });
}
HRESULT FilterGraph::put_Visible(LONG v) {
  return WithVideoWindow([&](IVideoWindow* w) { return w->put_Visible(v); });
}
HRESULT FilterGraph::get_Visible(LONG* v) {
  return WithVideoWindow([&](IVideoWindow* w) { return w->get_Visible(v); });
}
HRESULT FilterGraph::put_Owner(OAHWND v) {
  return WithVideoWindow([&](IVideoWindow* w) { return w->put_Owner(v); });
}
HRESULT FilterGraph::get_Owner(OAHWND* v) {
  return WithVideoWindow([&](IVideoWindow* w) { return w->get_Owner(v); });
}

namespace {

// The filters' IMediaSeeking, most upstream first.
std::vector<ComPtr<IMediaSeeking>> SeekersOf(const std::vector<ComPtr<IBaseFilter>>& filters) {
  std::vector<ComPtr<IMediaSeeking>> seekers;
  for (const ComPtr<IBaseFilter>& filter : filters) {
    ComPtr<IMediaSeeking> seeking;
    if (SUCCEEDED(filter.As(seeking)) && seeking) seekers.push_back(std::move(seeking));
  }
  return seekers;
}

}  // namespace

HRESULT FilterGraph::GetCapabilities(DWORD* capabilities) {
  if (!capabilities) return E_POINTER;
  std::lock_guard lock(m_lock);
  bool answered = false;
  *capabilities = 0;
  for (const ComPtr<IMediaSeeking>& seeking : SeekersOf(UpstreamFirst())) {
    DWORD caps = 0;
    if (FAILED(seeking->GetCapabilities(&caps))) continue;
    *capabilities |= caps;
    answered = true;
  }
  return answered ? S_OK : E_NOTIMPL;
}

HRESULT FilterGraph::GetDuration(LONGLONG* duration) {
  if (!duration) return E_POINTER;
  std::lock_guard lock(m_lock);
  bool answered = false;
  *duration = 0;
  for (const ComPtr<IMediaSeeking>& seeking : SeekersOf(UpstreamFirst())) {
    LONGLONG d = 0;
    if (FAILED(seeking->GetDuration(&d))) continue;
    *duration = answered ? std::max(*duration, d) : d;
    answered = true;
  }
  return answered ? S_OK : E_NOTIMPL;
}

HRESULT FilterGraph::GetCurrentPosition(LONGLONG* current) {
  if (!current) return E_POINTER;
  std::lock_guard lock(m_lock);
  *current = 0;
  for (const ComPtr<IMediaSeeking>& seeking : SeekersOf(UpstreamFirst()))
    if (SUCCEEDED(seeking->GetCurrentPosition(current))) return S_OK;
  return E_NOTIMPL;
}
