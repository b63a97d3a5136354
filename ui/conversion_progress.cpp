#include "ui/conversion_progress.h"

#include <filesystem>
#include <system_error>

#include "platform/com/com_ptr.h"
#include "ui/progress_title.h"

namespace {

std::uint64_t FileBytes(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::uint64_t>(size);
}

CString WindowTitle(HWND window) {
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  return title;
}

// Position and duration from the graph's seeking interface; both stay 0 when
// the graph cannot tell them.
void ReadGraphPosition(IGraphBuilder* graph, ProgressReading& reading) {
  ComPtr<IMediaSeeking> seeking;
  if (!graph || FAILED(graph->QueryInterface(IMediaSeeking::iid,
                                             reinterpret_cast<void**>(seeking.ReleaseAndGetAddressOf())))) {
    return;
  }
  LONGLONG duration = 0;
  LONGLONG position = 0;
  if (FAILED(seeking->GetDuration(&duration)) || FAILED(seeking->GetCurrentPosition(&position))) return;
  reading.duration = duration;
  reading.position = position;
}

}  // namespace

ConversionProgressTitle::ConversionProgressTitle(HWND window, const char* sourcePath, const char* outputPath)
    : m_window(window),
      m_caption(WindowTitle(window)),
      m_outputPath(outputPath ? outputPath : ""),
      m_sourceBytes(FileBytes(sourcePath ? sourcePath : "")),
      m_start(std::chrono::steady_clock::now()) {
  m_previousObserver = SetCompletionWaitObserver([this](IGraphBuilder* graph) { Show(graph); });
}

ConversionProgressTitle::~ConversionProgressTitle() {
  SetCompletionWaitObserver(std::move(m_previousObserver));
  SetWindowTextA(m_window, m_caption);
}

void ConversionProgressTitle::Show(IGraphBuilder* graph) {
  ProgressReading reading;
  ReadGraphPosition(graph, reading);
  if (reading.duration <= 0) {
    reading.bytesWritten = FileBytes(m_outputPath);
    reading.sourceBytes = m_sourceBytes;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_start;
  std::string title = ProgressTitle(m_caption, ShareDone(reading), elapsed.count());
  // The title is set only when its text changes, so the window manager is not
  // asked to redraw the same caption ten times a second.
  if (title == m_shown) return;
  m_shown = std::move(title);
  SetWindowTextA(m_window, m_shown.c_str());
}
