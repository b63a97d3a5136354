#include "platform/win32/user/owned_dialog.h"

#include <QDialog>

#include "platform/win32/user/message_loop.h"
#include "platform/win32/user/window_handle.h"

DisabledOwnerWindow::DisabledOwnerWindow(HWND owner) : m_window(WidgetOf(TopLevelOf(owner))) {
  if (!m_window) return;
  m_wasEnabled = m_window->isEnabled();
  m_focus = m_window->focusWidget();
  m_window->setEnabled(false);
}

DisabledOwnerWindow::~DisabledOwnerWindow() {
  if (!m_window || !m_wasEnabled) return;
  m_window->setEnabled(true);
  // The closing dialog was the active window; hand the focus back to its
  // owner, on the control that had it, as the dialog manager does. Disabling
  // the window took the focus away, and a window without a focused control
  // would take the next Enter for its OK command.
  if (!m_window->isVisible()) return;
  m_window->activateWindow();
  if (m_focus && m_focus->window() == m_window) m_focus->setFocus(Qt::OtherFocusReason);
}

bool RunOwnedDialog(QDialog* dialog) {
  const QPointer<QDialog> alive(dialog);
  bool finished = false;
  const QMetaObject::Connection connection =
      QObject::connect(dialog, &QDialog::finished, dialog, [&finished] { finished = true; });
  // Not exec(): an application-modal loop would hold back the queued messages
  // that other windows and the conversion's wait rely on.
  dialog->setWindowModality(Qt::NonModal);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  RunMessageLoop([&] { return finished || !alive; });
  QObject::disconnect(connection);
  return finished && alive;
}
