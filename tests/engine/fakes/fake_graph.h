// A strict fake Filter Graph Manager. RenderFile runs what the test scripted
// (normally: add a playback graph of fake filters); the run ends after the
// number of waits the test chose, with the event it chose left in the event
// queue.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"
#include "tests/engine/fakes/fake_filter.h"
#include "tests/engine/fakes/fake_object.h"

struct FakeEvent {
  LONG code;
  LONG_PTR param1;
  LONG_PTR param2;
};

class FakeGraph : public FakeObject,
                  public IGraphBuilder,
                  public IMediaFilter,
                  public IMediaControl,
                  public IMediaEvent,
                  public IVideoWindow {
 public:
  ~FakeGraph() override;
  ULONG AddRef() override { return AddRefImpl(); }
  ULONG Release() override { return ReleaseImpl(); }
  HRESULT QueryInterface(REFIID riid, void** ppv) override;

  // Adds a filter as if the graph had picked it while rendering.
  void Place(const ComPtr<FakeFilter>& filter);
  static void Link(FakePin* out, FakePin* in);
  std::vector<std::string> FilterNames() const;

  // What a test sets.
  bool offersMediaFilter = true;
  bool offersMediaEvent = true;
  bool offersMediaControl = true;
  HRESULT setSyncSourceResult = S_OK;
  HRESULT renderFileResult = S_OK;
  HRESULT enumFiltersResult = S_OK;
  std::map<std::string, HRESULT> addFilterResults;  // by the name the filter is added under
  HRESULT runResult = S_OK;
  HRESULT stopResult = S_OK;
  std::function<void(FakeGraph&)> onRenderFile;
  int waitsBeforeEnd = 1;                     // WaitForCompletion calls until the run ends
  HRESULT waitFailure = S_OK;                 // a failure other than the time-out, answered with code 0
  FakeEvent ending{EC_COMPLETE, 0, 0};        // queued when Run succeeds
  std::vector<FakeEvent> eventsBeforeEnding;  // queued before it

  // What the engine did.
  int waits = 0;
  int freedEvents = 0;
  int stops = 0;
  LONG autoShow = OATRUE;  // a playback window would pop up unless the engine turns this off

  // IFilterGraph and IGraphBuilder
  HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) override;
  HRESULT RemoveFilter(IBaseFilter* filter) override;
  HRESULT EnumFilters(IEnumFilters** out) override;
  HRESULT ConnectDirect(IPin* out, IPin* in, const AM_MEDIA_TYPE* mt) override;
  HRESULT Disconnect(IPin* pin) override;
  HRESULT RenderFile(LPCWSTR file, LPCWSTR playList) override;
  HRESULT FindFilterByName(LPCWSTR, IBaseFilter**) override { UNEXPECTED_CALL(); }
  HRESULT Reconnect(IPin*) override { UNEXPECTED_CALL(); }
  HRESULT SetDefaultSyncSource() override { UNEXPECTED_CALL(); }
  HRESULT Connect(IPin*, IPin*) override { UNEXPECTED_CALL(); }
  HRESULT Render(IPin*) override { UNEXPECTED_CALL(); }
  HRESULT AddSourceFilter(LPCWSTR, LPCWSTR, IBaseFilter**) override { UNEXPECTED_CALL(); }
  HRESULT Abort() override { UNEXPECTED_CALL(); }
  // IMediaFilter
  HRESULT SetSyncSource(IReferenceClock* clock) override;
  HRESULT GetClassID(CLSID*) override { UNEXPECTED_CALL(); }
  HRESULT Pause() override { UNEXPECTED_CALL(); }
  HRESULT Run(REFERENCE_TIME) override { UNEXPECTED_CALL(); }
  HRESULT GetState(DWORD, FILTER_STATE*) override { UNEXPECTED_CALL(); }
  HRESULT GetSyncSource(IReferenceClock**) override { UNEXPECTED_CALL(); }
  // IMediaControl (Stop is shared with IMediaFilter, whose Stop the engine never calls)
  HRESULT Run() override;
  HRESULT Stop() override;
  HRESULT GetState(LONG, OAFilterState*) override { UNEXPECTED_CALL(); }
  // IMediaEvent
  HRESULT GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) override;
  HRESULT WaitForCompletion(LONG timeoutMs, LONG* code) override;
  HRESULT FreeEventParams(LONG code, LONG_PTR param1, LONG_PTR param2) override;
  // IVideoWindow
  HRESULT put_AutoShow(LONG value) override {
    autoShow = value;
    return S_OK;
  }
  HRESULT get_AutoShow(LONG*) override { UNEXPECTED_CALL(); }
  HRESULT put_Visible(LONG) override { UNEXPECTED_CALL(); }
  HRESULT get_Visible(LONG*) override { UNEXPECTED_CALL(); }
  HRESULT put_Owner(OAHWND) override { UNEXPECTED_CALL(); }
  HRESULT get_Owner(OAHWND*) override { UNEXPECTED_CALL(); }

 private:
  std::vector<std::pair<ComPtr<FakeFilter>, std::string>> m_filters;  // with the name each was added under
  std::deque<FakeEvent> m_events;
};
