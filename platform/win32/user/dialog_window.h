// Top-level dialog windows built from templates. The window turns Qt input
// into queued messages for its procedure: a clicked button becomes
// WM_COMMAND, the close box WM_SYSCOMMAND/SC_CLOSE, and the keys the dialog
// manager handles (Tab, Enter, Esc, F1, Alt+Space) key messages.
#pragma once

#include <functional>
#include <vector>

#include "platform/win32/user/dialog_template.h"

using IconLoader = std::function<HICON(int iconId)>;

// Builds the window and its controls, hidden, and registers `proc` as its
// window procedure. `owner` (may be null) keeps the window above it.
HWND CreateDialogWindow(const DialogTemplate& dialogTemplate, HWND owner, WNDPROC proc,
                        const IconLoader& loadIcon);
// Destroys the window, its controls and their handles.
void DestroyDialogWindow(HWND dialog);
// Shows the window centred on its owner, or on the screen without one.
void ShowDialogWindow(HWND dialog);

// The dialog's controls in template (tab) order.
std::vector<HWND> DialogControls(HWND dialog);
// The control's template styles; 0 for a handle that is no control.
DWORD ControlStyle(HWND control);
bool IsPushButton(HWND control);

// The dialog manager's keyboard handling: Tab and Shift+Tab over the tab
// stops, Enter as the focused push button or IDOK, Esc as IDCANCEL. Returns
// whether `msg` was such a key for `dialog`.
BOOL IsDialogMessageA(HWND dialog, const MSG* msg);
