// ShellExecuteA: hands a document or web address to the user's desktop, which
// opens it with the program the user chose. Tests swap the backend so that no
// browser starts.
#pragma once

#include "platform/win32/windef.h"

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = SW_SHOWNORMAL;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWDEFAULT = 10;

// Results of 32 or less are failures.
constexpr INT_PTR SE_ERR_FNF = 2;
constexpr INT_PTR SE_ERR_PNF = 3;
constexpr INT_PTR SE_ERR_ACCESSDENIED = 5;
constexpr INT_PTR SE_ERR_OOM = 8;
constexpr INT_PTR SE_ERR_NOASSOC = 31;

class ShellExecuteBackend {
 public:
  virtual ~ShellExecuteBackend() = default;
  // Returns a value above 32 once the launch has started, 32 or less on failure.
  virtual INT_PTR Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* directory, int showCmd) = 0;
};

// Installs `backend` (not owned) and returns the one it replaces; nullptr
// restores the desktop backend.
ShellExecuteBackend* SetShellExecuteBackend(ShellExecuteBackend* backend);

// Opens `file` (a path or an address) with "open" (or no verb) or "explore";
// never waits for the program that opens it.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        int showCmd);
