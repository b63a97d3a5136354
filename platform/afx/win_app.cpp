#include "platform/afx/win_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <algorithm>
#include <filesystem>

#include "platform/afx/profile_store.h"
#include "platform/win32/shell.h"
#include "platform/win32/user/display_text.h"
#include "platform/win32/user/message_loop.h"
#include "platform/win32/user/qt_message_box.h"

namespace {

CWinApp* g_app = nullptr;

std::string ExecutablePath(char** argv) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(argv && argv[0] ? argv[0] : "") : self.string();
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR appName) {
  if (appName) m_appName = appName;
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

void CWinApp::SetNamesFromExecutable(const std::string& executablePath) {
  const std::filesystem::path path(executablePath);
  m_exeName = path.stem().string();
  if (m_appName.empty()) m_appName = m_exeName;
  m_helpPath = std::filesystem::path(path).replace_extension(".HLP").string();
  m_pszExeName = m_exeName.c_str();
  m_pszAppName = m_appName.c_str();
  m_pszHelpFilePath = m_helpPath.c_str();
}

void CWinApp::SetCommandLine(int argc, const char* const* argv) {
  m_arguments.assign(argv + std::min(argc, 1), argv + std::max(argc, 0));
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  for (std::size_t i = 0; i < m_arguments.size(); ++i) {
    const std::string& argument = m_arguments[i];
    const bool flag = argument.size() > 1 && argument[0] == '-';
    info.ParseParam(argument.c_str() + (flag ? 1 : 0), flag ? TRUE : FALSE, i + 1 == m_arguments.size());
  }
}

void CCommandLineInfo::ParseParam(LPCSTR param, BOOL flag, BOOL /*last*/) {
  if (flag || !m_strFileName.IsEmpty()) return;
  m_strFileName = param;
  m_nShellCommand = FileOpen;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetRegistryKey(LPCSTR company) {
  if (!company || !*company) return;
  m_registryKey = company;
  m_pszRegistryKey = m_registryKey.c_str();
  m_pszProfileName = m_pszAppName;
  m_store = std::make_unique<ProfileStore>(m_registryKey, m_appName);
}

CString CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
  if (!m_store) return CString(defaultValue ? defaultValue : "");
  return CString(m_store->GetString(section, entry, defaultValue ? defaultValue : ""));
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
  return m_store && m_store->WriteString(section, entry, value ? value : "") ? TRUE : FALSE;
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
  return m_store ? m_store->GetInt(section, entry, defaultValue) : static_cast<UINT>(defaultValue);
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
  return m_store && m_store->WriteInt(section, entry, value) ? TRUE : FALSE;
}

void CWinApp::DoWaitCursor(int code) {
  if (code > 0) {
    if (m_nWaitCursorCount++ == 0) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (code < 0) {
    if (m_nWaitCursorCount > 0 && --m_nWaitCursorCount == 0) QGuiApplication::restoreOverrideCursor();
  } else if (m_nWaitCursorCount > 0) {
    QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
  }
}

// The application's own help: the help file beside the program, opened by
// the desktop. Windows that offer better help handle the command first.
void CWinApp::OnHelp() {
  if (m_pszHelpFilePath) ShellExecuteA(nullptr, "open", m_pszHelpFilePath, nullptr, nullptr, SW_SHOWNORMAL);
}

void InitCommonControls() {}

BOOL AfxEnableControlContainer() { return TRUE; }

int AfxWinMain(int argc, char** argv, const ModuleResources& resources) {
  QApplication qt(argc, argv);
  AfxSetResources(resources);
  // The catalogues sit beside the program (found through its real path).
  InstallDesktopTranslation(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                            QStringLiteral("corvane"));
  SetDisplayTextFormats(resources.textFormats);
  InstallQtMessagePump();
  InstallQtMessageBoxes();
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->SetNamesFromExecutable(ExecutablePath(argv));
  app->SetCommandLine(argc, argv);  // what Qt has left: its own options are gone
  qt.setApplicationName(QString::fromUtf8(app->m_pszAppName));
  // Lets docks and task bars match the windows to the desktop entry (the
  // Wayland app id; the X11 WM_CLASS is the application name).
  QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_DESKTOP_ID));
  // A program whose work is one modal dialog returns FALSE from InitInstance:
  // it has no message loop of its own, and the process ends after it.
  if (app->InitInstance()) RunMessageLoop([] { return false; });  // ends on WM_QUIT
  return app->ExitInstance();
}
