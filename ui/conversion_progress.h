// Shows a running conversion's progress in a window's title, from the
// conversion's completion wait on the same thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "engine/completion_wait_observer.h"
#include "platform/afx/afxwin.h"

class ConversionProgressTitle {
 public:
  // From now on the completion waits of this thread show in `window`'s title
  // how far the conversion of `sourcePath` into `outputPath` has got.
  ConversionProgressTitle(HWND window, const char* sourcePath, const char* outputPath);
  // Gives the window its title back and the thread its previous observer.
  ~ConversionProgressTitle();
  ConversionProgressTitle(const ConversionProgressTitle&) = delete;
  ConversionProgressTitle& operator=(const ConversionProgressTitle&) = delete;

 private:
  void Show(IGraphBuilder* graph);

  HWND m_window;
  CString m_caption;
  std::string m_outputPath;
  std::uint64_t m_sourceBytes;
  std::chrono::steady_clock::time_point m_start;
  std::string m_shown;
  CompletionWaitObserver m_previousObserver;
};
