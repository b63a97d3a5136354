// Corvane's main window: the source and output choice, Convert, and the ways
// to help, the web site and the About box. It holds the workflow's state.
#pragma once

#include "platform/afx/afxwin.h"
#include "platform/win32/kernel.h"
#include "res/resource.h"

class ConverterDialog : public CDialog {
 public:
  explicit ConverterDialog(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnOpenVideo();
  void OnExit();
  void OnClose();
  void OnBrowse();
  void OnConvert();
  void OpenHomePage();
  void OnAbout();
  void LaunchHelp();

  // The stored output path, else `defaultPath`'s file name in the user's
  // folder `folderId` (the home folder's file when that cannot be found).
  CString GetFolderProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultPath, int folderId);

  HICON m_hIcon;
  char m_szInputPath[MAX_PATH];
  CString m_strOutputPath;
  OSVERSIONINFOA m_versionInfo;
  int m_bConverting;

  DECLARE_MESSAGE_MAP()

 private:
  bool RefuseWhileConverting();
  bool ConfirmOutput();
  void RunConversion();
};

// Whether `path` names a file that can be opened for reading.
bool FileExists(LPCSTR path);
