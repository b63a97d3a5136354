#include "platform/afx/dialog.h"

#include "platform/win32/user/dialog_window.h"
#include "platform/win32/user/message_loop.h"
#include "platform/win32/user/owned_dialog.h"

LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void DDX_Text(CDataExchange* exchange, int id, CString& value) {
  CWnd* control = exchange->m_pDlgWnd->GetDlgItem(id);
  if (!control) return;
  if (exchange->m_bSaveAndValidate) {
    control->GetWindowText(value);
  } else {
    control->SetWindowText(value.c_str());
  }
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

HWND CDialog::OwnerWindow() const {
  if (m_pParentWnd) return m_pParentWnd->GetSafeHwnd();
  CWnd* main = AfxGetMainWnd();
  return main && main != this ? main->GetSafeHwnd() : nullptr;
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate* dialogTemplate = FindDialogTemplate(static_cast<int>(m_templateId));
  if (!dialogTemplate) return -1;
  const HWND owner = OwnerWindow();
  // The owner takes no input while its modal dialog runs. It is disabled
  // first: Qt would disable a child window that already exists along with it.
  const DisabledOwnerWindow disabledOwner(owner);
  Attach(CreateDialogWindow(*dialogTemplate, owner, AfxWndProc, LoadIconResource));
  m_modalRunning = true;
  m_modalResult = -1;
  if (SendMessage(WM_INITDIALOG, 0, 0)) {
    for (HWND control : DialogControls(m_hWnd)) {
      if ((ControlStyle(control) & WS_TABSTOP) && ::IsWindowEnabled(control)) {
        ::SetFocus(control);
        break;
      }
    }
  }
  if (m_modalRunning) ShowDialogWindow(m_hWnd);
  RunMessageLoop([this] { return !m_modalRunning; },
                 [this](const MSG& msg) {
                   MSG copy = msg;
                   return PreTranslateMessage(&copy) != FALSE;
                 });
  const HWND hwnd = m_hWnd;
  Detach();
  DestroyDialogWindow(hwnd);
  return m_modalResult;
}

void CDialog::EndDialog(int result) {
  m_modalResult = result;
  m_modalRunning = false;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate);
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*exchange*/) {}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* msg) { return IsDialogMessageA(m_hWnd, msg); }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefDlgProcA(m_hWnd, message, wParam, lParam);
}
