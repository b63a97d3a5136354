// The application framework: command targets with message maps, windows,
// modal dialogs with data exchange, and the application object.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/afx/message_map.h"
#include "platform/afx/resources.h"
#include "platform/win32/user/winuser.h"

// The framework's string: a std::string that reads from string resources and
// passes as a C string, as the program's code expects of it.
class CString : public std::string {
 public:
  using std::string::string;
  CString() = default;
  CString(const std::string& text) : std::string(text) {}
  BOOL LoadString(UINT id);
  BOOL IsEmpty() const { return empty() ? TRUE : FALSE; }
  operator LPCSTR() const { return c_str(); }
};

constexpr UINT ID_HELP = 0xE146;
constexpr UINT IDI_APPLICATION_ICON = 128;

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  // Runs the handler of command `id` in this target's message map; false when
  // the map has none.
  virtual BOOL OnCmdMsg(UINT id);
  void BeginWaitCursor();
  void EndWaitCursor();

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

class CMenu {
 public:
  HMENU m_hMenu = nullptr;
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr) {
    return AppendMenuA(m_hMenu, flags, id, text);
  }
};

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  // The window object of a handle: the permanent one a window was created
  // with, or null.
  static CWnd* FromHandlePermanent(HWND hwnd);

  CWnd* GetDlgItem(int id);
  void SetWindowText(LPCSTR text) { SetWindowTextA(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  CMenu* GetSystemMenu(BOOL revert);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  // From here on files dropped on the window arrive as WM_DROPFILES.
  void DragAcceptFiles(BOOL accept = TRUE) { ::DragAcceptFiles(m_hWnd, accept); }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return PostMessageA(m_hWnd, message, wParam, lParam);
  }
  int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK) {
    return MessageBoxA(m_hWnd, text, caption, type);
  }

  // Routes a message through the message map, else to the default handling.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Commands go to this window's map, then to the application's.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The default handling of the message being handled now.
  LRESULT Default();

 protected:
  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  void OnClose();
  HICON OnQueryDragIcon();
  // A window that accepts files releases `drop` with DragFinish.
  void OnDropFiles(HDROP drop);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Detach();

 private:
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  CurrentMessage m_current{};
  CMenu m_systemMenu;
  std::map<int, std::unique_ptr<CWnd>> m_items;  // wrappers GetDlgItem hands out
};

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* window) : m_window(window) { m_hDC = BeginPaint(window->m_hWnd, &m_ps); }
  ~CPaintDC() { EndPaint(m_window->m_hWnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  HDC GetSafeHdc() const { return m_hDC; }
  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

 private:
  CWnd* m_window;
  PAINTSTRUCT m_ps{};
  HDC m_hDC = nullptr;
};

#include "platform/afx/dialog.h"   // IWYU pragma: export
#include "platform/afx/win_app.h"  // IWYU pragma: export
