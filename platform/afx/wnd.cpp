#include <map>
#include <utility>
#include <vector>

#include "platform/afx/afxwin.h"

namespace {

// Window objects by handle, for the one window procedure they all share.
std::map<HWND, CWnd*>& PermanentWindows() {
  static std::map<HWND, CWnd*> windows;
  return windows;
}

}  // namespace

CWnd::~CWnd() { Detach(); }

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  const auto it = PermanentWindows().find(hwnd);
  return it == PermanentWindows().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  PermanentWindows()[hwnd] = this;
}

void CWnd::Detach() {
  if (m_hWnd) PermanentWindows().erase(m_hWnd);
  m_items.clear();
  m_hWnd = nullptr;
}

CWnd* CWnd::GetDlgItem(int id) {
  const HWND control = ::GetDlgItem(m_hWnd, id);
  if (!control) return nullptr;
  std::unique_ptr<CWnd>& item = m_items[id];
  if (!item) item = std::make_unique<CWnd>();
  item->m_hWnd = control;
  return item.get();
}

void CWnd::GetWindowText(CString& text) const {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(m_hWnd)) + 1);
  const int length = GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
  text.assign(buffer.data(), static_cast<std::size_t>(length));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
  m_systemMenu.m_hMenu = ::GetSystemMenu(m_hWnd, revert);
  return m_systemMenu.m_hMenu ? &m_systemMenu : nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage outer = std::exchange(m_current, CurrentMessage{message, wParam, lParam});
  LRESULT result = 0;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) result = Default();
  } else if (message == WM_HELP) {
    // Help asked for by key becomes the help command, which the window or
    // the application handles.
    OnCommand(ID_HELP, 0);
  } else if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), message, 0)) {
    result = entry->call(this, wParam, lParam);
  } else {
    result = DefWindowProc(message, wParam, lParam);
  }
  m_current = outer;
  return result;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
  const UINT id = LOWORD(wParam);
  if (OnCmdMsg(id)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

LRESULT CWnd::DefWindowProc(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }

void CWnd::OnSysCommand(UINT /*id*/, LPARAM /*lParam*/) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnClose() { Default(); }
HICON CWnd::OnQueryDragIcon() { return reinterpret_cast<HICON>(Default()); }
void CWnd::OnDropFiles(HDROP /*drop*/) { Default(); }

// The one window procedure: hands each message to its window object.
LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* window = CWnd::FromHandlePermanent(hwnd);
  return window ? window->WindowProc(message, wParam, lParam) : DefDlgProcA(hwnd, message, wParam, lParam);
}
