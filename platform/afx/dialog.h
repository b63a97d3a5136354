// Modal dialogs built from templates, with data exchange between controls and
// members.
#pragma once

#include "platform/afx/afxwin.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;  // TRUE: controls into members; FALSE: members into controls
};

void DDX_Text(CDataExchange* exchange, int id, CString& value);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Runs the dialog until EndDialog; returns its result, or -1 when the
  // window could not be created.
  virtual INT_PTR DoModal();
  void EndDialog(int result);
  virtual BOOL OnInitDialog();
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange* exchange);
  // The dialog keyboard, before a message of the modal loop is dispatched.
  virtual BOOL PreTranslateMessage(MSG* msg);
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 private:
  HWND OwnerWindow() const;
  UINT m_templateId;
  CWnd* m_pParentWnd;
  bool m_modalRunning = false;
  int m_modalResult = -1;
};
