#include "platform/win32/user/dialog_widget.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/win32/user/drop_files.h"
#include "platform/win32/user/message_loop.h"
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

// The local paths a drag carries, in the file system's encoding; none when it
// carries anything else too, such as a web address.
std::vector<std::string> LocalPathsOf(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  }
  return paths;
}

}  // namespace

DialogWidget::DialogWidget(QWidget* owner, DWORD style)
    : QWidget(owner, DialogFlags(owner != nullptr) |
                         ((style & WS_MINIMIZEBOX) ? Qt::WindowMinimizeButtonHint : Qt::Widget)) {
  installEventFilter(this);
}

// Watches the window and its controls: files dropped on an edit go to the
// window too, as on Windows, where an edit control does not take files.
bool DialogWidget::eventFilter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return PostDialogKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
      return AcceptFileDrag(static_cast<QDropEvent&>(*event));
    case QEvent::Drop:
      return PostDroppedFiles(static_cast<QDropEvent&>(*event));
    default:
      return false;
  }
}

bool DialogWidget::AcceptFileDrag(QDropEvent& drag) {
  if (!acceptDrops() || LocalPathsOf(drag.mimeData()).empty()) return false;
  drag.acceptProposedAction();
  return true;
}

bool DialogWidget::PostDroppedFiles(QDropEvent& drop) {
  if (!acceptDrops()) return false;
  std::vector<std::string> paths = LocalPathsOf(drop.mimeData());
  if (paths.empty()) return false;
  drop.acceptProposedAction();
  PostMessageA(handle, WM_DROPFILES, reinterpret_cast<WPARAM>(CreateDropHandle(std::move(paths))), 0);
  return true;
}

bool DialogWidget::PostDialogKey(const QKeyEvent& key) {
  const UINT vk = DialogKeyOf(key);
  if (vk == 0) return false;
  LPARAM flags = ModifierFlags(key.modifiers());
  if (key.key() == Qt::Key_Backtab) flags |= KF_SHIFT_DOWN;
  const UINT message = (key.modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN;
  // Tab moves the focus at once when the dialog's own loop takes input, so
  // that keys typed right after it reach the control it moves to.
  const PreTranslate* active = ActivePreTranslate();
  if (vk == VK_TAB && active && (*active)(MSG{handle, message, vk, flags, 0, POINT{0, 0}})) return true;
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
