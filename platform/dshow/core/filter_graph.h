// The Filter Graph Manager (CLSID_FilterGraph): one object that holds the
// filters, connects them (directly or by merit through installed filters),
// drives their states and collects their events.
//
// Enumeration order (EnumFilters, and "first" wherever the graph looks for a
// filter): most recently added first, as DirectShow does.
//
// Threads: the application calls everything; filters' streaming threads only
// Notify (IMediaEventSink), which takes the event lock and never the graph
// lock, so Stop may join streaming threads while holding the graph lock.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "platform/dshow/core/graph_events.h"

class FilterGraph : public RefCount,
                    public IGraphBuilder,
                    public IMediaFilter,
                    public IMediaControl,
                    public IMediaEvent,
                    public IMediaEventSink,
                    public IVideoWindow,
                    public IMediaSeeking {
 public:
  FilterGraph();
  // Stops, disconnects and releases every filter.
  ~FilterGraph() override;

  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED

  // IFilterGraph (filter_graph_members.cpp)
  HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) override;
  // VFW_E_NOT_STOPPED unless the graph is stopped.
  HRESULT RemoveFilter(IBaseFilter* filter) override;
  HRESULT EnumFilters(IEnumFilters** out) override;
  HRESULT FindFilterByName(LPCWSTR name, IBaseFilter** filter) override;
  HRESULT ConnectDirect(IPin* out, IPin* in, const AM_MEDIA_TYPE* mt) override;
  HRESULT Reconnect(IPin* pin) override;
  HRESULT Disconnect(IPin* pin) override;
  HRESULT SetDefaultSyncSource() override;

  // IGraphBuilder (filter_graph_build.cpp)
  HRESULT Connect(IPin* out, IPin* in) override;
  HRESULT Render(IPin* out) override;
  HRESULT RenderFile(LPCWSTR file, LPCWSTR playList) override;
  HRESULT AddSourceFilter(LPCWSTR file, LPCWSTR name, IBaseFilter** filter) override;
  HRESULT Abort() override;

  // IPersist, IMediaFilter, IMediaControl (filter_graph_state.cpp). Stop and
  // Pause serve both interfaces.
  HRESULT GetClassID(CLSID* clsid) override;
  HRESULT Stop() override;
  HRESULT Pause() override;
  HRESULT Run(REFERENCE_TIME start) override;
  HRESULT GetState(DWORD timeoutMs, FILTER_STATE* state) override;
  HRESULT SetSyncSource(IReferenceClock* clock) override;
  HRESULT GetSyncSource(IReferenceClock** clock) override;
  HRESULT Run() override;
  HRESULT GetState(LONG timeoutMs, OAFilterState* state) override;

  // IMediaEvent, IMediaEventSink (see GraphEvents)
  HRESULT GetEvent(LONG* eventCode, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) override;
  HRESULT WaitForCompletion(LONG timeoutMs, LONG* eventCode) override;
  HRESULT FreeEventParams(LONG eventCode, LONG_PTR param1, LONG_PTR param2) override;
  HRESULT Notify(LONG eventCode, LONG_PTR param1, LONG_PTR param2) override;

  // IVideoWindow: forwarded to the first filter that has one; E_NOINTERFACE
  // when none does (filter_graph_forwarding.cpp).
  HRESULT put_AutoShow(LONG autoShow) override;
  HRESULT get_AutoShow(LONG* autoShow) override;
  HRESULT put_Visible(LONG visible) override;
  HRESULT get_Visible(LONG* visible) override;
  HRESULT put_Owner(OAHWND owner) override;
  HRESULT get_Owner(OAHWND* owner) override;

  // IMediaSeeking: the longest duration of the filters that answer; the
  // position of the most upstream one that answers; E_NOTIMPL when none does.
  HRESULT GetCapabilities(DWORD* capabilities) override;
  HRESULT GetDuration(LONGLONG* duration) override;
  HRESULT GetCurrentPosition(LONGLONG* current) override;

 private:
  struct Member {
    ComPtr<IBaseFilter> filter;
    std::u16string name;
  };

  // Membership
  bool Contains(IBaseFilter* filter) const;
  bool PinInGraph(IPin* pin) const;
  std::u16string UniqueName(std::u16string_view requested, bool* duplicate) const;
  bool NameTaken(std::u16string_view name) const;

  // Building
  HRESULT RenderVia(IPin* out, int depth);
  ComPtr<IBaseFilter> AddCandidateFor(IPin* out, REFCLSID clsid, const std::u16string& name);
  HRESULT RenderOutputsOf(IBaseFilter* filter, int depth);
  HRESULT LoadSource(LPCWSTR file, LPCWSTR name, ComPtr<IBaseFilter>& source);

  // State
  std::vector<ComPtr<IBaseFilter>> UpstreamFirst() const;
  int CountSinks() const;
  HRESULT StopAll();
  void ShareClock();

  template <typename Call>
  HRESULT WithVideoWindow(Call call);

  mutable std::recursive_mutex m_lock;
  std::vector<Member> m_filters;  // most recently added first
  ComPtr<IReferenceClock> m_clock;
  FILTER_STATE m_state = State_Stopped;
  GraphEvents m_events;
};

// The class factory InstallCoreClasses registers for CLSID_FilterGraph.
HRESULT CreateFilterGraphInstance(REFIID riid, void** ppv);
