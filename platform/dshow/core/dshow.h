// The DirectShow interfaces the program and the platform's filters speak.
// Identifiers carry the values Windows gives them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/com/unknown.h"

// ---------------------------------------------------------------------------
// Media types

struct AM_MEDIA_TYPE {
  GUID majortype;
  GUID subtype;
  BOOL bFixedSizeSamples;
  BOOL bTemporalCompression;
  ULONG lSampleSize;
  GUID formattype;
  IUnknown* pUnk;  // optional object describing the format; AddRef'd on copy
  ULONG cbFormat;
  BYTE* pbFormat;  // owned format block of cbFormat bytes
};

// Major types.
constexpr GUID MEDIATYPE_Video{0x73646976, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr GUID MEDIATYPE_Audio{0x73647561, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr GUID MEDIATYPE_Text{0x73747874, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr GUID MEDIATYPE_Subtitle{
    0xE487EB08, 0x6B26, 0x4BE9, {0x9D, 0xD3, 0x99, 0x34, 0x34, 0xD3, 0x13, 0xFD}};
constexpr GUID MEDIATYPE_Stream{0xE436EB83, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr GUID MEDIATYPE_Midi{0x7364696D, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr GUID MEDIATYPE_File{0x656C6966, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
// Streams that are neither audio, video nor subtitles (data, attachments).
constexpr GUID MEDIATYPE_Data{0x73746164, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

constexpr GUID MEDIASUBTYPE_None{
    0xE436EB8E, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
// A muxed byte stream (what the File Source offers and the multiplexer writes).
constexpr GUID MEDIASUBTYPE_Matroska{
    0x1AC0BEBD, 0x4D2B, 0x45AD, {0xBC, 0xEB, 0xF2, 0xC4, 0x1C, 0x5E, 0x3C, 0x3F}};

constexpr GUID FORMAT_None{0x0F6417D6, 0xC318, 0x11D0, {0xA4, 0x3F, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};

// ---------------------------------------------------------------------------
// Filters and pins

enum PIN_DIRECTION { PINDIR_INPUT = 0, PINDIR_OUTPUT = 1 };
enum FILTER_STATE { State_Stopped = 0, State_Paused = 1, State_Running = 2 };

constexpr std::size_t MAX_PIN_NAME = 128;
constexpr std::size_t MAX_FILTER_NAME = 128;

struct IFilterGraph;
struct IBaseFilter;
struct IReferenceClock;

struct FILTER_INFO {
  WCHAR achName[MAX_FILTER_NAME];
  IFilterGraph* pGraph;  // AddRef'd; the caller releases it
};

struct PIN_INFO {
  IBaseFilter* pFilter;  // AddRef'd; the caller releases it
  PIN_DIRECTION dir;
  WCHAR achName[MAX_PIN_NAME];
};

struct IEnumMediaTypes : IUnknown {
  static constexpr IID iid{0x89C31040, 0x846B, 0x11CE, {0x97, 0xD3, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
  // Each type handed out is allocated with CreateMediaType; free with DeleteMediaType.
  virtual HRESULT Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) = 0;
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumMediaTypes** out) = 0;

 protected:
  ~IEnumMediaTypes() = default;
};

struct IPin : IUnknown {
  static constexpr IID iid{0x56A86891, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT Disconnect() = 0;
  virtual HRESULT ConnectedTo(IPin** pin) = 0;
  virtual HRESULT ConnectionMediaType(AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT QueryPinInfo(PIN_INFO* info) = 0;
  virtual HRESULT QueryDirection(PIN_DIRECTION* dir) = 0;
  virtual HRESULT QueryId(LPWSTR* id) = 0;  // CoTaskMemAlloc'd
  virtual HRESULT QueryAccept(const AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT EnumMediaTypes(IEnumMediaTypes** out) = 0;
  virtual HRESULT QueryInternalConnections(IPin** pins, ULONG* count) = 0;
  virtual HRESULT EndOfStream() = 0;
  virtual HRESULT BeginFlush() = 0;
  virtual HRESULT EndFlush() = 0;
  virtual HRESULT NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) = 0;

 protected:
  ~IPin() = default;
};

struct IEnumPins : IUnknown {
  static constexpr IID iid{0x56A86892, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Next(ULONG count, IPin** pins, ULONG* fetched) = 0;
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumPins** out) = 0;

 protected:
  ~IEnumPins() = default;
};

struct IPersist : IUnknown {
  static constexpr IID iid{0x0000010C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  virtual HRESULT GetClassID(CLSID* clsid) = 0;

 protected:
  ~IPersist() = default;
};

struct IMediaFilter : IPersist {
  static constexpr IID iid{0x56A86899, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Stop() = 0;
  virtual HRESULT Pause() = 0;
  virtual HRESULT Run(REFERENCE_TIME start) = 0;
  virtual HRESULT GetState(DWORD timeoutMs, FILTER_STATE* state) = 0;
  virtual HRESULT SetSyncSource(IReferenceClock* clock) = 0;
  virtual HRESULT GetSyncSource(IReferenceClock** clock) = 0;

 protected:
  ~IMediaFilter() = default;
};

struct IBaseFilter : IMediaFilter {
  static constexpr IID iid{0x56A86895, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT EnumPins(IEnumPins** out) = 0;
  virtual HRESULT FindPin(LPCWSTR id, IPin** pin) = 0;
  virtual HRESULT QueryFilterInfo(FILTER_INFO* info) = 0;
  // The graph is not AddRef'd: it owns the filter, not the other way round.
  virtual HRESULT JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) = 0;
  virtual HRESULT QueryVendorInfo(LPWSTR* info) = 0;

 protected:
  ~IBaseFilter() = default;
};

struct IEnumFilters : IUnknown {
  static constexpr IID iid{0x56A86893, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Next(ULONG count, IBaseFilter** filters, ULONG* fetched) = 0;
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumFilters** out) = 0;

 protected:
  ~IEnumFilters() = default;
};

// ---------------------------------------------------------------------------
// Clock

struct IReferenceClock : IUnknown {
  static constexpr IID iid{0x56A86897, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT GetTime(REFERENCE_TIME* time) = 0;

 protected:
  ~IReferenceClock() = default;
};

// ---------------------------------------------------------------------------
// Samples and streaming

struct IMediaSample : IUnknown {
  static constexpr IID iid{0x56A8689A, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT GetPointer(BYTE** buffer) = 0;
  virtual LONG GetSize() = 0;
  virtual HRESULT GetTime(REFERENCE_TIME* start, REFERENCE_TIME* end) = 0;
  virtual HRESULT SetTime(const REFERENCE_TIME* start, const REFERENCE_TIME* end) = 0;
  virtual HRESULT IsSyncPoint() = 0;
  virtual HRESULT SetSyncPoint(BOOL sync) = 0;
  virtual HRESULT IsPreroll() = 0;
  virtual HRESULT SetPreroll(BOOL preroll) = 0;
  virtual LONG GetActualDataLength() = 0;
  virtual HRESULT SetActualDataLength(LONG length) = 0;
  virtual HRESULT GetMediaType(AM_MEDIA_TYPE** mt) = 0;
  virtual HRESULT SetMediaType(AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT IsDiscontinuity() = 0;
  virtual HRESULT SetDiscontinuity(BOOL discontinuity) = 0;
  virtual HRESULT GetMediaTime(LONGLONG* start, LONGLONG* end) = 0;
  virtual HRESULT SetMediaTime(LONGLONG* start, LONGLONG* end) = 0;

 protected:
  ~IMediaSample() = default;
};

constexpr LONGLONG NO_STREAM_TIME = static_cast<LONGLONG>(0x8000000000000000ULL);

// Timestamps of a compressed packet in its stream's own time base (the one
// the connection's media type names), kept exactly so that a rewrap changes
// none of them. NO_STREAM_TIME where the container has none.
struct IStreamSampleTimes : IUnknown {
  static constexpr IID iid{0x6B0C1E52, 0x3F7A, 0x4C1D, {0x9A, 0x41, 0x2E, 0x55, 0x8B, 0x13, 0x70, 0x0C}};
  virtual HRESULT GetStreamTimes(LONGLONG* pts, LONGLONG* dts, LONGLONG* duration) = 0;
  virtual HRESULT SetStreamTimes(LONGLONG pts, LONGLONG dts, LONGLONG duration) = 0;

 protected:
  ~IStreamSampleTimes() = default;
};

struct IMemInputPin : IUnknown {
  static constexpr IID iid{0x56A8689D, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  // Takes its own reference to the sample if it keeps it past the call.
  virtual HRESULT Receive(IMediaSample* sample) = 0;
  // S_OK when Receive may block (the caller should not hold locks).
  virtual HRESULT ReceiveCanBlock() = 0;

 protected:
  ~IMemInputPin() = default;
};

// Random-access reads of a byte stream (File Source output pin).
struct IAsyncReader : IUnknown {
  static constexpr IID iid{0x56A868AA, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  // Reads exactly `length` bytes unless the end comes first: S_FALSE with
  // *read < length at the end of the stream; a failure on a read error.
  virtual HRESULT SyncRead(LONGLONG position, LONG length, BYTE* buffer, LONG* read) = 0;
  virtual HRESULT Length(LONGLONG* total, LONGLONG* available) = 0;

 protected:
  ~IAsyncReader() = default;
};

// ---------------------------------------------------------------------------
// The Filter Graph Manager

struct IFilterGraph : IUnknown {
  static constexpr IID iid{0x56A8689F, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) = 0;
  virtual HRESULT RemoveFilter(IBaseFilter* filter) = 0;
  virtual HRESULT EnumFilters(IEnumFilters** out) = 0;
  virtual HRESULT FindFilterByName(LPCWSTR name, IBaseFilter** filter) = 0;
  virtual HRESULT ConnectDirect(IPin* out, IPin* in, const AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT Reconnect(IPin* pin) = 0;
  virtual HRESULT Disconnect(IPin* pin) = 0;
  virtual HRESULT SetDefaultSyncSource() = 0;

 protected:
  ~IFilterGraph() = default;
};

struct IGraphBuilder : IFilterGraph {
  static constexpr IID iid{0x56A868A9, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Connect(IPin* out, IPin* in) = 0;
  virtual HRESULT Render(IPin* out) = 0;
  virtual HRESULT RenderFile(LPCWSTR file, LPCWSTR playList) = 0;
  virtual HRESULT AddSourceFilter(LPCWSTR file, LPCWSTR name, IBaseFilter** filter) = 0;
  virtual HRESULT Abort() = 0;

 protected:
  ~IGraphBuilder() = default;
};

using OAFilterState = LONG;
using OAEVENT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using OAHWND = std::intptr_t;
constexpr LONG OATRUE = -1;
constexpr LONG OAFALSE = 0;
constexpr LONG INFINITE = -1;

struct IMediaControl : IUnknown {
  static constexpr IID iid{0x56A868B1, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Run() = 0;
  virtual HRESULT Pause() = 0;
  virtual HRESULT Stop() = 0;
  virtual HRESULT GetState(LONG timeoutMs, OAFilterState* state) = 0;

 protected:
  ~IMediaControl() = default;
};

// Event codes.
constexpr LONG EC_COMPLETE = 0x01;
constexpr LONG EC_USERABORT = 0x02;
constexpr LONG EC_ERRORABORT = 0x03;
constexpr LONG EC_STREAM_ERROR_STOPPED = 0x06;

struct IMediaEvent : IUnknown {
  static constexpr IID iid{0x56A868B6, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  // Takes the next event off the queue; E_ABORT when none came in time.
  virtual HRESULT GetEvent(LONG* eventCode, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) = 0;
  // Waits until the run ends (EC_COMPLETE, EC_ERRORABORT, EC_USERABORT) or the
  // time-out passes (E_ABORT, *eventCode 0). Leaves the queue as it is.
  virtual HRESULT WaitForCompletion(LONG timeoutMs, LONG* eventCode) = 0;
  virtual HRESULT FreeEventParams(LONG eventCode, LONG_PTR param1, LONG_PTR param2) = 0;

 protected:
  ~IMediaEvent() = default;
};

// What filters use to post events to their graph.
struct IMediaEventSink : IUnknown {
  static constexpr IID iid{0x56A868A2, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Notify(LONG eventCode, LONG_PTR param1, LONG_PTR param2) = 0;

 protected:
  ~IMediaEventSink() = default;
};

struct IVideoWindow : IUnknown {
  static constexpr IID iid{0x56A868B4, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT put_AutoShow(LONG autoShow) = 0;
  virtual HRESULT get_AutoShow(LONG* autoShow) = 0;
  virtual HRESULT put_Visible(LONG visible) = 0;
  virtual HRESULT get_Visible(LONG* visible) = 0;
  virtual HRESULT put_Owner(OAHWND owner) = 0;
  virtual HRESULT get_Owner(OAHWND* owner) = 0;

 protected:
  ~IVideoWindow() = default;
};

// Seeking capabilities and time formats (only the 100-ns media time format).
constexpr DWORD AM_SEEKING_CanGetCurrentPos = 0x8;
constexpr DWORD AM_SEEKING_CanGetStopPos = 0x10;
constexpr DWORD AM_SEEKING_CanGetDuration = 0x100;

struct IMediaSeeking : IUnknown {
  static constexpr IID iid{0x36B73880, 0xC2C8, 0x11CF, {0x8B, 0x46, 0x00, 0x80, 0x5F, 0x6C, 0xEF, 0x60}};
  virtual HRESULT GetCapabilities(DWORD* capabilities) = 0;
  virtual HRESULT GetDuration(LONGLONG* duration) = 0;
  virtual HRESULT GetCurrentPosition(LONGLONG* current) = 0;

 protected:
  ~IMediaSeeking() = default;
};

// ---------------------------------------------------------------------------
// File sinks and sources, multiplexer control

struct IFileSinkFilter : IUnknown {
  static constexpr IID iid{0xA2104830, 0x7C70, 0x11CF, {0x8B, 0xCE, 0x00, 0xAA, 0x00, 0xA3, 0xF1, 0xA6}};
  virtual HRESULT SetFileName(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) = 0;
  // *fileName is CoTaskMemAlloc'd; free it with CoTaskMemFree.
  virtual HRESULT GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) = 0;

 protected:
  ~IFileSinkFilter() = default;
};

struct IFileSourceFilter : IUnknown {
  static constexpr IID iid{0x56A868A6, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
  virtual HRESULT Load(LPCWSTR fileName, const AM_MEDIA_TYPE* mt) = 0;
  virtual HRESULT GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) = 0;

 protected:
  ~IFileSourceFilter() = default;
};

enum InterleavingMode {
  INTERLEAVE_NONE = 0,
  INTERLEAVE_CAPTURE = 1,
  INTERLEAVE_FULL = 2,
  INTERLEAVE_NONE_BUFFERED = 3
};

struct IConfigInterleaving : IUnknown {
  static constexpr IID iid{0xBEE3D220, 0x157B, 0x11D0, {0xBD, 0x23, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
  virtual HRESULT put_Mode(InterleavingMode mode) = 0;
  virtual HRESULT get_Mode(InterleavingMode* mode) = 0;
  virtual HRESULT put_Interleaving(const REFERENCE_TIME* leave, const REFERENCE_TIME* preroll) = 0;
  virtual HRESULT get_Interleaving(REFERENCE_TIME* leave, REFERENCE_TIME* preroll) = 0;

 protected:
  ~IConfigInterleaving() = default;
};

// ---------------------------------------------------------------------------
// Class identifiers

constexpr CLSID CLSID_FilterGraph{
    0xE436EBB3, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr CLSID CLSID_SystemClock{
    0xE436EBB1, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr CLSID CLSID_FileWriter{
    0x8596E5F0, 0x0DA5, 0x11D0, {0xBD, 0x21, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
constexpr CLSID CLSID_AsyncReader{
    0xE436EBB5, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
// The Matroska multiplexer, an installed filter like any other.
constexpr CLSID CLSID_MatroskaMuxer{
    0xA28F324B, 0xDDC5, 0x4999, {0xAA, 0x25, 0xD3, 0xA7, 0xE2, 0x5E, 0xF7, 0xA8}};
