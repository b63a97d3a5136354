#include <QLineEdit>
#include <algorithm>

#include "platform/win32/user/dialog_window.h"
#include "platform/win32/user/window_handle.h"

namespace {

bool CanTakeFocus(HWND control) {
  return (ControlStyle(control) & WS_TABSTOP) && IsWindowEnabled(control) && IsWindowVisible(control);
}

// The next (or previous) tab stop after the focused control, wrapping round.
HWND NextTabStop(HWND dialog, HWND focused, bool backwards) {
  std::vector<HWND> controls = DialogControls(dialog);
  if (backwards) std::reverse(controls.begin(), controls.end());
  const auto current = std::find(controls.begin(), controls.end(), focused);
  const std::size_t start = current == controls.end() ? controls.size() - 1 : current - controls.begin();
  for (std::size_t step = 1; step <= controls.size(); ++step) {
    const HWND candidate = controls[(start + step) % controls.size()];
    if (CanTakeFocus(candidate)) return candidate;
  }
  return nullptr;
}

// An edit reached by Tab has its whole text selected, ready to be typed over.
void FocusByTab(HWND control) {
  SetFocus(control);
  if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(control))) edit->selectAll();
}

void SendCommand(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace

BOOL IsDialogMessageA(HWND dialog, const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN || TopLevelOf(msg->hwnd) != dialog) return FALSE;
  if (msg->lParam & (KF_CONTROL_DOWN | KF_ALT_DOWN)) return FALSE;
  const HWND focused = GetFocus();
  switch (msg->wParam) {
    case VK_TAB:
      if (DialogControls(dialog).empty()) return TRUE;
      if (HWND next = NextTabStop(dialog, focused, (msg->lParam & KF_SHIFT_DOWN) != 0)) FocusByTab(next);
      return TRUE;
    case VK_RETURN:
      // A focused push button is the default one; otherwise Enter means OK.
      SendCommand(dialog,
                  IsPushButton(focused) && TopLevelOf(focused) == dialog ? GetDlgCtrlID(focused) : IDOK);
      return TRUE;
    case VK_ESCAPE:
      SendCommand(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}
