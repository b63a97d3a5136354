// How a message box or a common dialog behaves towards the window that owns
// it, as on Windows: the owner's window is disabled while the dialog is open,
// the dialog sits centred over it, and the thread's queued messages are still
// dispatched, so windows without an owner relationship stay usable.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/win32/windef.h"

class QDialog;

// Disables the top-level window of `owner` (the handle of a window or of one
// of its controls) for as long as it lives, then re-enables and reactivates
// that window unless it was disabled already. A null or dead owner disables
// nothing. Create the dialog after it: Qt disables the child windows that
// exist when their parent is disabled, but not those created later. GUI
// thread only.
class DisabledOwnerWindow {
 public:
  explicit DisabledOwnerWindow(HWND owner);
  ~DisabledOwnerWindow();
  DisabledOwnerWindow(const DisabledOwnerWindow&) = delete;
  DisabledOwnerWindow& operator=(const DisabledOwnerWindow&) = delete;

  // The window the dialog belongs to, as its Qt parent; null without owner.
  QWidget* Window() const { return m_window; }

 private:
  QPointer<QWidget> m_window;
  QPointer<QWidget> m_focus;  // the control that had the focus, to give it back
  bool m_wasEnabled = false;
};

// Shows `dialog` without making it application-modal and runs the message
// loop until the dialog finishes. Returns false when it never finished: it was
// destroyed together with its owner, or the loop ended on WM_QUIT.
bool RunOwnedDialog(QDialog* dialog);
