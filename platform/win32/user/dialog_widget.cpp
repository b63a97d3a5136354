#include "platform/win32/user/dialog_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "platform/win32/user/window_handle.h"

namespace {

Qt::WindowFlags DialogFlags(bool hasOwner) {
  return (hasOwner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

LPARAM ModifierFlags(Qt::KeyboardModifiers modifiers) {
  LPARAM flags = 1;  // repeat count
  if (modifiers & Qt::AltModifier) flags |= KF_ALT_DOWN;
  if (modifiers & Qt::ShiftModifier) flags |= KF_SHIFT_DOWN;
  if (modifiers & Qt::ControlModifier) flags |= KF_CONTROL_DOWN;
  return flags;
}

// The virtual key of the keys the dialog manager or the default window
// procedure acts on; 0 for every other key, which the focused control keeps.
UINT DialogKeyOf(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_F1:
      return VK_F1;
    case Qt::Key_Space:
      return (key.modifiers() & Qt::AltModifier) ? VK_SPACE : 0;
    default:
      return 0;
  }
}

}  // namespace

DialogWidget::DialogWidget(QWidget* owner, DWORD style)
    : QWidget(owner, DialogFlags(owner != nullptr) |
                         ((style & WS_MINIMIZEBOX) ? Qt::WindowMinimizeButtonHint : Qt::Widget)) {
  installEventFilter(this);
}

bool DialogWidget::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const UINT vk = DialogKeyOf(key);
  if (vk == 0) return false;
  LPARAM flags = ModifierFlags(key.modifiers());
  if (key.key() == Qt::Key_Backtab) flags |= KF_SHIFT_DOWN;
  const UINT message = (key.modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN;
  PostMessageA(handle, message, vk, flags);
  return true;
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  // The program decides whether the window closes: the close box is a
  // system command like any other.
  event->ignore();
  PostMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWidget::paintEvent(QPaintEvent* /*event*/) {
  painting = true;
  SendMessageA(handle, WM_PAINT, 0, 0);
  painting = false;
}

void DialogWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) update();
  QWidget::changeEvent(event);
}
