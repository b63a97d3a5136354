#include "ui/window_conversion_listener.h"

#include "engine/failure_cause.h"
#include "ui/progress_title.h"

namespace {

CString WindowTitle(HWND window) {
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  return title;
}

}  // namespace

WindowConversionListener::WindowConversionListener(HWND window, const std::string& step)
    : m_window(window),
      m_caption(WindowTitle(window)),
      m_shownCaption(step.empty() ? std::string(m_caption) : m_caption + " - " + step) {
  if (!step.empty()) SetWindowTextA(m_window, m_shownCaption.c_str());
}

WindowConversionListener::~WindowConversionListener() { SetWindowTextA(m_window, m_caption); }

void WindowConversionListener::OnMessage(const ConversionMessage& message) {
  const std::string cause = CauseSentence(message.code);
  if (cause.empty()) return MessageBoxListener::OnMessage(message);
  ConversionMessage explained = message;
  if (!explained.text.empty() && explained.text.back() != '\n') explained.text += '\n';
  explained.text += cause;
  MessageBoxListener::OnMessage(explained);
}

void WindowConversionListener::OnProgress(const ConversionProgress& progress) {
  std::string title = ProgressTitle(m_shownCaption, progress.shareDone, progress.elapsedSeconds);
  // The title is set only when its text changes, so the window manager is not
  // asked to redraw the same caption ten times a second.
  if (title == m_shown) return;
  m_shown = std::move(title);
  SetWindowTextA(m_window, m_shown.c_str());
}
