// The Win32 user-interface functions the program calls, on Qt widgets: window
// text, focus, enabling, painting, the system menu, default window handling.
#pragma once

#include "platform/win32/message_box.h"
#include "platform/win32/message_queue.h"
#include "platform/win32/windef.h"

struct HICON__;
using HICON = HICON__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HDC__;
using HDC = HDC__*;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
};

constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_HELP = 0x0053;

// Window styles.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_SETFONT = 0x40;
constexpr DWORD DS_FIXEDSYS = 0x0008;
// Static control styles.
constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_ICON = 0x3;
constexpr DWORD SS_NOPREFIX = 0x80;
constexpr DWORD SS_NOTIFY = 0x100;
constexpr DWORD SS_CENTERIMAGE = 0x200;
constexpr DWORD SS_SUNKEN = 0x1000;
// Button and edit styles.
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD ES_AUTOHSCROLL = 0x80;

// System commands.
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_KEYMENU = 0xF100;
constexpr UINT SC_RESTORE = 0xF120;

// Menu items.
constexpr UINT MF_STRING = 0x0;
constexpr UINT MF_SEPARATOR = 0x800;

// Virtual keys.
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_F1 = 0x70;

// Key messages carry the modifier state of the moment the key went down: Alt
// in bit 29 as on Windows, Shift and Ctrl in two of the bits Windows reserves.
constexpr LPARAM KF_ALT_DOWN = LPARAM{1} << 29;
constexpr LPARAM KF_SHIFT_DOWN = LPARAM{1} << 25;
constexpr LPARAM KF_CONTROL_DOWN = LPARAM{1} << 26;

constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

constexpr int BN_CLICKED = 0;
constexpr int EN_CHANGE = 0x300;

constexpr WPARAM MAKEWPARAM(int low, int high) {
  return static_cast<WPARAM>((static_cast<unsigned>(low) & 0xFFFF) |
                             ((static_cast<unsigned>(high) & 0xFFFF) << 16));
}
constexpr unsigned LOWORD(std::uintptr_t value) { return value & 0xFFFF; }
constexpr unsigned HIWORD(std::uintptr_t value) { return (value >> 16) & 0xFFFF; }

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// What a dialog does with a message its own procedure leaves alone: system
// commands, the close box, F1 and Alt+Space, icons.
LRESULT DefDlgProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

BOOL SetWindowTextA(HWND hwnd, LPCSTR text);
// Copies at most `capacity` - 1 bytes and a terminator; returns the bytes copied.
int GetWindowTextA(HWND hwnd, LPSTR text, int capacity);
int GetWindowTextLengthA(HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);  // returns whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
HWND SetFocus(HWND hwnd);
HWND GetFocus();
BOOL IsIconic(HWND hwnd);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
int GetSystemMetrics(int index);

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);

HMENU GetSystemMenu(HWND hwnd, BOOL revert);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
int GetMenuItemCount(HMENU menu);
