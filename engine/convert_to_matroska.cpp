#include "engine/convert_to_matroska.h"

#include <optional>

#include "engine/conversion_reports.h"
#include "engine/filter_graph_helpers.h"
#include "engine/pin_lookup.h"
#include "engine/progress_meter.h"
#include "engine/report_message.h"
#include "engine/run_outcome.h"
#include "engine/wide_path.h"
#include "platform/com/com_ptr.h"
#include "platform/com/translatable.h"
#include "platform/dshow/core/dshow.h"
#include "platform/win32/shell.h"

namespace {

constexpr WCHAR kMuxFilterName[] = u"Mux";
constexpr WCHAR kWriterFilterName[] = u"Writer";

// A step either lets the conversion go on (nullopt) or ends it with a result.
using Ending = std::optional<HRESULT>;
constexpr Ending kGoOn = std::nullopt;

Ending Failed(const char* format, HRESULT hr) {
  ReportFailure(hr, format, HexCode(hr));
  return hr;
}

// A pin search that ends without a pin reports the search's own code, which
// is S_FALSE when the enumeration simply ran out; the conversion still failed,
// so it must not return a success code to its caller.
Ending FailedPinSearch(const char* format, HRESULT hr) {
  ReportFailure(hr, format, HexCode(hr));
  return FAILED(hr) ? hr : VFW_E_NOT_FOUND;
}

template <typename Interface, typename Source>
HRESULT Query(const ComPtr<Source>& source, ComPtr<Interface>& target) {
  return source->QueryInterface(Interface::iid, reinterpret_cast<void**>(target.ReleaseAndGetAddressOf()));
}

// Everything one conversion holds. Members are released bottom-up when it
// ends: the video window control first and the graph last, whose release
// destroys the graph and every filter nothing else holds.
class Conversion {
 public:
  explicit Conversion(ConversionListener& listener) : m_listener(listener) {}

  Ending WidenOutputPath(const char* outputPath) { return Widen(outputPath, m_outputPath); }

  Ending CreateGraph() {
    const HRESULT hr = CreateFilterGraph(m_graph.ReleaseAndGetAddressOf());
    if (FAILED(hr)) return Failed(QT_TRANSLATE_NOOP("Corvane", "Couldn't create filter graph! hr=0x%x"), hr);
    SetNoClock(m_graph.Get());  // a graph that keeps its clock still converts, only paced to real time
    return kGoOn;
  }

  Ending RenderSource(const char* sourcePath) {
    if (Ending ending = Widen(sourcePath, m_sourcePath)) return ending;
    const HRESULT hr = m_graph->RenderFile(m_sourcePath.text, nullptr);
    if (FAILED(hr)) {
      ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Failed to render source file %s!  hr=0x%x\n"),
                    sourcePath, HexCode(hr));
      return hr;
    }
    return kGoOn;
  }

  // Picks the filter whose outputs carry the streams and cuts the playback
  // chain (decoders, renderers) behind it.
  Ending ChooseStreamFilter() {
    m_sourceFilter = ComPtr<IBaseFilter>::Attach(FindSourceFilter(m_graph.Get()));
    if (!m_sourceFilter) {
      ReportDiagnostic("Failed to CountFilterPins!\n");
      return S_FALSE;
    }
    ULONG inputPins = 0;
    const HRESULT hr = CountFilterPins(m_sourceFilter.Get(), &inputPins, &m_sourceOutputPins);
    if (FAILED(hr)) return hr;
    if (m_sourceOutputPins == 1) return StripBehindSplitter();
    if (m_sourceOutputPins >= 2) {
      // A source with several outputs splits the container itself.
      RemoveDownstreamFilters(m_sourceFilter.Get(), m_graph.Get());
      m_streamFilter = m_sourceFilter.Get();
    }
    return kGoOn;
  }

  Ending CreateMux() {
    const HRESULT hr = CreateFilter(CLSID_MatroskaMuxer, m_mux.ReleaseAndGetAddressOf());
    if (FAILED(hr)) {
      ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Please install MKV codec!  hr=0x%x\n"), HexCode(hr));
      ShellExecuteA(nullptr, "open", kMatroskaSupportPageUrl, nullptr, nullptr, SW_SHOWNORMAL);
      return hr;
    }
    return kGoOn;
  }

  // A multiplexer that writes the file itself needs no File Writer.
  Ending FindFileSink() {
    if (SUCCEEDED(Query(m_mux, m_fileSink))) return kGoOn;
    HRESULT hr = CreateFilter(CLSID_FileWriter, m_fileWriter.ReleaseAndGetAddressOf());
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to create FileWriter filter!  hr=0x%x\n"), hr);
    hr = Query(m_fileWriter, m_fileSink);
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to create QI IFileSinkFilter!  hr=0x%x\n"), hr);
    return kGoOn;
  }

  // The sink learns its file before any new filter joins the graph.
  Ending NameFileAndAddMux() {
    HRESULT hr = m_fileSink->SetFileName(m_outputPath.text, nullptr);
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to set target filename!  hr=0x%x\n"), hr);
    hr = m_graph->AddFilter(m_mux.Get(), kMuxFilterName);
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to add Mux filter to graph!  hr=0x%x\n"), hr);
    return kGoOn;
  }

  // Optional: a multiplexer without the control interleaves as it likes.
  void RequestFullInterleaving() {
    if (FAILED(Query(m_mux, m_interleaving))) return;
    ReportDiagnostic("Setting interleaving mode to INTERLEAVE_FULL\r\n");
    m_interleaving->put_Mode(INTERLEAVE_FULL);
  }

  Ending ConnectMuxToWriter() {
    if (!m_fileWriter) return kGoOn;
    HRESULT hr = m_graph->AddFilter(m_fileWriter.Get(), kWriterFilterName);
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to add FileWriter filter to graph!  hr=0x%x\n"), hr);
    ComPtr<IPin> muxOutPin;
    hr = FindMatchingPin(m_mux.Get(), PINDIR_OUTPUT, 0, false, muxOutPin.ReleaseAndGetAddressOf());
    if (FAILED(hr) || !muxOutPin)
      return FailedPinSearch(QT_TRANSLATE_NOOP("Corvane", "Failed to find output pin on Mux!  hr=0x%x\n"),
                             hr);
    ComPtr<IPin> writerInPin;
    hr = FindMatchingPin(m_fileWriter.Get(), PINDIR_INPUT, 0, false, writerInPin.ReleaseAndGetAddressOf());
    if (FAILED(hr) || !writerInPin) {
      muxOutPin.Reset();
      return FailedPinSearch(
          QT_TRANSLATE_NOOP("Corvane", "Failed to find input pin on FileWriter!  hr=0x%x\n"), hr);
    }
    hr = m_graph->ConnectDirect(muxOutPin.Get(), writerInPin.Get(), nullptr);
    muxOutPin.Reset();
    writerInPin.Reset();
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to connect Mux to FileWriter!  hr=0x%x\n"), hr);
    return kGoOn;
  }

  Ending ConnectStreams() {
    if (m_sourceOutputPins == 0) return kGoOn;
    const HRESULT hr = ConnectStreamsToMux(m_graph.Get(), m_streamFilter, m_mux.Get());
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to connect 2 filters!  hr=0x%x\n"), hr);
    return kGoOn;
  }

  // Should a video renderer still be in the graph, its window stays hidden.
  void HideVideoWindow() {
    if (SUCCEEDED(Query(m_graph, m_videoWindow))) m_videoWindow->put_AutoShow(OAFALSE);
  }

  Ending Run() {
    if (m_streamFilter) m_listener.OnStreamFilterReady(m_streamFilter);
    HRESULT hr = Query(m_graph, m_mediaControl);
    if (FAILED(hr))
      return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to QI for IMediaControl!  hr=0x%x\n"), hr);
    hr = m_mediaControl->Run();
    if (FAILED(hr)) {
      ReportFailure(hr, QT_TRANSLATE_NOOP("Corvane", "Failed to run the graph!  hr=0x%x\nCopy aborted.\n\n"),
                    HexCode(hr));
      ReportFailure(S_OK, "%s",
                    QT_TRANSLATE_NOOP("Corvane",
                                      "Please check that you have selected the correct profile for copying.\n"
                                      "Note that if your source ASF file is audio-only, then selecting a\n"
                                      "video profile will cause a failure when running the graph.\n\n"));
      return hr;
    }
    return kGoOn;
  }

  HRESULT WaitAndStop(const char* sourcePath, const char* outputPath) {
    const ProgressMeter meter(sourcePath, outputPath);
    bool stopRequested = false;
    WaitForGraphCompletion(m_graph.Get(), [&](IGraphBuilder* graph) {
      m_listener.OnProgress(meter.Read(graph));
      // The graph is stopped here, between the waits, so that the
      // multiplexer closes the file as a valid one.
      if (!stopRequested && m_listener.StopRequested()) {
        stopRequested = true;
        m_mediaControl->Stop();
      }
    });
    const HRESULT stopped = m_mediaControl->Stop();
    if (stopRequested) return kConversionStopped;
    // Stop succeeds however the run ended, so its result alone cannot tell a
    // finished file from a broken one. A run that ended on an error event (a
    // read error, a full disk, a stream the multiplexer failed on) left an
    // incomplete file behind; report that failure so the caller does not take
    // the file for a finished one.
    const HRESULT runFailure = TakeRunFailure(m_graph.Get());
    if (FAILED(runFailure))
      return *Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to write the Matroska file!  hr=0x%x\n"),
                     runFailure);
    if (stopped == S_OK && ReportIncompleteSource()) return kConvertedIncomplete;
    return stopped;
  }

 private:
  static Ending Widen(const char* path, WidePath& wide) {
    const HRESULT hr = WidenPath(path, wide);
    return FAILED(hr) ? Ending(hr) : kGoOn;
  }

  // A finished file that lacks streams of the source, or that a damaged
  // source could fill only in part, must not pass for a full copy: the
  // listener is told once, after the run. A stream filter that cannot tell is
  // trusted.
  bool ReportIncompleteSource() {
    if (!m_streamFilter) return false;
    ComPtr<ISourceNotes> notes;
    if (FAILED(m_streamFilter->QueryInterface(ISourceNotes::iid,
                                              reinterpret_cast<void**>(notes.ReleaseAndGetAddressOf()))))
      return false;
    SourceNotes found;
    if (FAILED(notes->GetSourceNotes(&found))) return false;
    m_listener.OnSourceNotes(found);
    return !found.Complete();
  }

  Ending StripBehindSplitter() {
    const HRESULT hr = FindSplitterFilter(m_sourceFilter.Get(), m_splitterFilter.ReleaseAndGetAddressOf());
    if (FAILED(hr)) return Failed(QT_TRANSLATE_NOOP("Corvane", "Failed to pSplitterFilter!  hr=0x%x\n"), hr);
    // The reader-to-splitter connection stays; without a splitter nothing is cut.
    RemoveDownstreamFilters(m_splitterFilter.Get(), m_graph.Get());
    m_streamFilter = m_splitterFilter.Get();
    return kGoOn;
  }

  ConversionListener& m_listener;
  // Declared in the reverse of the order of release.
  ComPtr<IGraphBuilder> m_graph;
  ComPtr<IBaseFilter> m_mux;
  ComPtr<IBaseFilter> m_fileWriter;
  ComPtr<IFileSinkFilter> m_fileSink;
  ComPtr<IConfigInterleaving> m_interleaving;
  ComPtr<IMediaControl> m_mediaControl;
  ComPtr<IBaseFilter> m_sourceFilter;
  ComPtr<IBaseFilter> m_splitterFilter;
  ComPtr<IVideoWindow> m_videoWindow;
  IBaseFilter* m_streamFilter = nullptr;  // the splitter or the source filter, held above
  ULONG m_sourceOutputPins = 0;
  WidePath m_outputPath;
  WidePath m_sourcePath;
};

}  // namespace

HRESULT ConvertToMatroska(const char* sourcePath, const char* outputPath) {
  MessageBoxListener boxes;
  return ConvertToMatroska(sourcePath, outputPath, boxes);
}

HRESULT ConvertToMatroska(const char* sourcePath, const char* outputPath, ConversionListener& listener) {
  const ReportingTo reporting(listener);
  Conversion conversion(listener);
  Ending ending = conversion.WidenOutputPath(outputPath);
  if (!ending) ending = conversion.CreateGraph();
  if (!ending) ending = conversion.RenderSource(sourcePath);
  if (!ending) ending = conversion.ChooseStreamFilter();
  if (!ending) ending = conversion.CreateMux();
  if (!ending) ending = conversion.FindFileSink();
  if (!ending) ending = conversion.NameFileAndAddMux();
  if (!ending) {
    conversion.RequestFullInterleaving();
    ending = conversion.ConnectMuxToWriter();
  }
  if (!ending) ending = conversion.ConnectStreams();
  if (!ending) {
    conversion.HideVideoWindow();
    ending = conversion.Run();
  }
  return ending ? *ending : conversion.WaitAndStop(sourcePath, outputPath);
}
