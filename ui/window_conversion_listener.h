// How the main window follows a conversion: the engine's messages in message
// boxes, each failure with its cause in plain words on a line of its own, and
// the progress in the window's title.
#pragma once

#include <string>

#include "engine/conversion_listener.h"
#include "platform/afx/afxwin.h"

class WindowConversionListener : public MessageBoxListener {
 public:
  // `step` ("2/5") follows the caption at once while a queue is converted.
  explicit WindowConversionListener(HWND window, const std::string& step = {});
  // Gives the window its title back.
  ~WindowConversionListener() override;
  WindowConversionListener(const WindowConversionListener&) = delete;
  WindowConversionListener& operator=(const WindowConversionListener&) = delete;

  void OnMessage(const ConversionMessage& message) override;
  void OnProgress(const ConversionProgress& progress) override;

 private:
  HWND m_window;
  CString m_caption;
  std::string m_shownCaption;  // the caption with the queue's step
  std::string m_shown;
};
