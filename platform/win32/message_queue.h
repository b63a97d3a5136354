// Win32-style message queues, one per thread, and the dispatch of queued
// messages to window procedures. The window layer registers each window's
// procedure and installs a pump hook (Qt's event processing) so that waiting
// on the queue keeps the windows alive.
#pragma once

#include <functional>

#include "platform/win32/windef.h"

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

constexpr UINT PM_NOREMOVE = 0x0;
constexpr UINT PM_REMOVE = 0x1;

struct POINT {
  LONG x;
  LONG y;
};

struct MSG {
  HWND hwnd;  // nullptr for a thread message
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;  // milliseconds since the system started, when posted
  POINT pt;
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

DWORD GetCurrentThreadId();

// Posts to the queue of the thread that registered `hwnd`, failing with
// ERROR_INVALID_WINDOW_HANDLE for a window nobody registered and
// ERROR_INVALID_THREAD_ID once its thread has ended; a null window posts a
// thread message to the calling thread.
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Runs the thread's pump hook, then takes the first queued message that
// matches: `filter` nullptr matches every message of the thread, a window
// handle only that window's; min and max both 0 match every message number.
// PM_NOREMOVE leaves the message queued.
BOOL PeekMessageA(MSG* msg, HWND filter, UINT min, UINT max, UINT removeFlags);

// Character messages come from the window layer together with the key that
// produced them (Qt knows the text, the keyboard state included), so there is
// nothing to generate here; key messages report that they were seen, as on
// Windows.
BOOL TranslateMessage(const MSG* msg);

// Calls the target window's procedure and returns its result. A thread message
// has no window to go to and is dropped (0), as is one for an unknown window.
LRESULT DispatchMessageA(const MSG* msg);

// The window registry the window layer fills: the calling thread owns the
// windows it registers.
void RegisterWindowProc(HWND hwnd, WNDPROC proc);
void UnregisterWindowProc(HWND hwnd);

// Runs on the calling thread at the start of every PeekMessageA there, so that
// pending window-system events turn into queued messages first. Returns the
// previous hook; an empty function removes it.
using MessagePumpHook = std::function<void()>;
MessagePumpHook SetMessagePumpHook(MessagePumpHook hook);
