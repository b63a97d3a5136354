#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <cstring>

#include "platform/win32/user/dialog_window.h"
#include "platform/win32/user/display_text.h"
#include "platform/win32/user/window_handle.h"

namespace {

QString TextOf(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return widget->windowTitle();
}

}  // namespace

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const MSG msg{hwnd, message, wParam, lParam, 0, POINT{0, 0}};
  return DispatchMessageA(&msg);
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  QWidget* widget = WidgetOf(hwnd);
  if (!widget) return FALSE;
  const QString value = QString::fromUtf8(text ? text : "");
  // What the user typed or chose (an edit's path) is never translated.
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
    return TRUE;
  }
  const QString shown = DisplayText(value);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(shown);
  } else {
    widget->setWindowTitle(shown);
  }
  return TRUE;
}

int GetWindowTextA(HWND hwnd, LPSTR text, int capacity) {
  QWidget* widget = WidgetOf(hwnd);
  if (!text || capacity <= 0) return 0;
  text[0] = '\0';
  if (!widget) return 0;
  const QByteArray utf8 = TextOf(widget).toUtf8();
  int length = std::min<int>(utf8.size(), capacity - 1);
  // Never cut a UTF-8 sequence in half.
  while (length > 0 && length < utf8.size() && (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80)
    --length;
  std::memcpy(text, utf8.constData(), static_cast<std::size_t>(length));
  text[length] = '\0';
  return length;
}

int GetWindowTextLengthA(HWND hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  return widget ? static_cast<int>(TextOf(widget).toUtf8().size()) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
  for (HWND control : DialogControls(dialog)) {
    if (control->id == id) return control;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) { return WidgetOf(hwnd) ? hwnd->id : 0; }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  QWidget* widget = WidgetOf(hwnd);
  if (!widget) return FALSE;
  const BOOL wasDisabled = widget->isEnabled() ? FALSE : TRUE;
  widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  return widget && widget->isEnabled() ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  return widget && widget->isVisible() ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
  const HWND previous = GetFocus();
  if (QWidget* widget = WidgetOf(hwnd)) widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

HWND GetFocus() { return HandleOf(QApplication::focusWidget()); }

BOOL IsIconic(HWND hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  return widget && widget->isMinimized() ? TRUE : FALSE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  QWidget* widget = WidgetOf(hwnd);
  if (!widget || !rect) return FALSE;
  *rect = RECT{0, 0, widget->width(), widget->height()};
  return TRUE;
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    default:
      return 0;
  }
}
