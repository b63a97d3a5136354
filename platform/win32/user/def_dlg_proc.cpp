#include <QIcon>
#include <QWindow>

#include "platform/win32/user/dialog_widget.h"
#include "platform/win32/user/icon_handle.h"
#include "platform/win32/user/window_handle.h"

namespace {

LRESULT OnSystemCommand(HWND hwnd, QWidget* window, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      return SendMessageA(hwnd, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
      window->showMinimized();
      return 0;
    case SC_RESTORE:
      window->showNormal();
      return 0;
    case SC_MOVE:
      if (window->windowHandle()) window->windowHandle()->startSystemMove();
      return 0;
    case SC_KEYMENU:
      PopUpSystemMenu(GetSystemMenu(hwnd, FALSE));
      return 0;
    default:
      return 0;
  }
}

LRESULT OnKey(HWND hwnd, UINT message, WPARAM key, LPARAM flags) {
  // F1 asks for help only on its own; Alt+Space opens the window menu.
  if (message == WM_KEYDOWN && key == VK_F1 && !(flags & (KF_SHIFT_DOWN | KF_CONTROL_DOWN | KF_ALT_DOWN))) {
    return SendMessageA(hwnd, WM_HELP, 0, 0);
  }
  if (message == WM_SYSKEYDOWN && key == VK_SPACE) return SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  return 0;
}

LRESULT OnSetIcon(QWidget* window, WPARAM kind, LPARAM icon) {
  // Qt keeps one icon per window; the big one is what desktops show.
  auto* handle = reinterpret_cast<HICON>(icon);
  if (kind == ICON_BIG || window->windowIcon().isNull()) {
    window->setWindowIcon(handle ? QIcon(handle->pixmap) : QIcon());
  }
  return 0;
}

}  // namespace

LRESULT DefDlgProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  QWidget* window = WidgetOf(hwnd);
  if (!window) return 0;
  switch (message) {
    case WM_SYSCOMMAND:
      return OnSystemCommand(hwnd, window, wParam);
    case WM_CLOSE:
      // A dialog closes through its Cancel command, as its Exit button would.
      PostMessageA(hwnd, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return OnKey(hwnd, message, wParam, lParam);
    case WM_SETICON:
      return OnSetIcon(window, wParam, lParam);
    default:
      return 0;
  }
}
