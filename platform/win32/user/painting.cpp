#include <QPainter>

#include "platform/win32/user/dialog_widget.h"
#include "platform/win32/user/icon_handle.h"
#include "platform/win32/user/window_handle.h"

HICON CreateIconFromImageData(const QByteArray& data) {
  QPixmap pixmap;
  if (!pixmap.loadFromData(data)) return nullptr;
  return new HICON__{pixmap};  // icons live as long as the program, as resource icons do
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  auto* widget = dynamic_cast<DialogWidget*>(WidgetOf(hwnd));
  // Qt lets a widget be painted only from inside its paint event.
  if (!widget || !widget->painting || !paint) return nullptr;
  paint->hdc = new HDC__{new QPainter(widget)};
  paint->fErase = FALSE;
  paint->rcPaint = RECT{0, 0, widget->width(), widget->height()};
  return paint->hdc;
}

BOOL EndPaint(HWND /*hwnd*/, const PAINTSTRUCT* paint) {
  if (!paint || !paint->hdc) return FALSE;
  delete paint->hdc->painter;
  delete paint->hdc;
  return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
  if (!dc || !icon) return FALSE;
  dc->painter->drawPixmap(x, y, icon->pixmap);
  return TRUE;
}
