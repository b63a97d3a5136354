// The application object: start-up and names, the settings store behind the
// profile operations, the wait cursor and the application's commands.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/afx/afxwin.h"

class ProfileStore;

// What the program was started with: the first argument that is not an
// option names the file to open.
class CCommandLineInfo {
 public:
  enum ShellCommand { FileNew, FileOpen };
  virtual ~CCommandLineInfo() = default;
  // One argument; `flag` when it began with "-", then given without it.
  virtual void ParseParam(LPCSTR param, BOOL flag, BOOL last);

  ShellCommand m_nShellCommand = FileNew;
  CString m_strFileName;
};

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(LPCSTR appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  // From here on the profile operations use the per-user store of `company`.
  void SetRegistryKey(LPCSTR company);
  CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
  BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);
  UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
  BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);

  // 1 shows the wait cursor (counted), -1 takes one back, 0 shows it again.
  virtual void DoWaitCursor(int code);
  HICON LoadIcon(UINT id) const { return LoadIconResource(static_cast<int>(id)); }

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  LPCSTR m_pszAppName = nullptr;
  LPCSTR m_pszExeName = nullptr;
  LPCSTR m_pszHelpFilePath = nullptr;
  LPCSTR m_pszRegistryKey = nullptr;
  LPCSTR m_pszProfileName = nullptr;
  int m_nWaitCursorCount = 0;

  // Derives the names from the executable's path: the executable name
  // (file name without extension), the application name (the same unless one
  // was given) and the help-file path (".HLP" in place of the extension).
  void SetNamesFromExecutable(const std::string& executablePath);
  // Keeps the arguments after the program name for ParseCommandLine.
  void SetCommandLine(int argc, const char* const* argv);
  // Hands each kept argument to `info`.
  void ParseCommandLine(CCommandLineInfo& info);

 protected:
  void OnHelp();
  DECLARE_MESSAGE_MAP()

 private:
  std::string m_exeName, m_appName, m_helpPath, m_registryKey;
  std::vector<std::string> m_arguments;
  std::unique_ptr<ProfileStore> m_store;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The framework's entry point: creates the Qt application, derives the
// application's names from the executable, installs the window-system
// services, runs InitInstance and, as it returns FALSE, ExitInstance. Returns
// the process's exit code.
int AfxWinMain(int argc, char** argv, const ModuleResources& resources);

// Kept for the program's start-up sequence; Qt needs neither.
void InitCommonControls();
BOOL AfxEnableControlContainer();
