#include "ui/converter_dialog.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "engine/report_message.h"
#include "links/about_dialog.h"
#include "links/update_prompt.h"
#include "links/web_links.h"
#include "platform/com/com_runtime.h"
#include "platform/com/translatable.h"
#include "platform/win32/shell_folders.h"
#include "res/web_addresses.h"

namespace {

// The output proposed when no video folder can be found: "clip.mkv" in the
// user's home folder.
CString FallbackOutputPath() {
  const char* home = std::getenv("HOME");
  const CString path = CString(home && *home ? home : ".") + "/clip.mkv";
  return path.size() < MAX_PATH ? path : CString("clip.mkv");
}

}  // namespace

BEGIN_MESSAGE_MAP(ConverterDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_DROPFILES()
ON_BN_CLICKED(IDC_OPEN_VIDEO, OnOpenVideo)
ON_BN_CLICKED(IDCANCEL, OnExit)
ON_WM_CLOSE()
ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_CONVERT, OnConvert)
ON_BN_CLICKED(IDC_UPDATE, OpenHomePage)
ON_BN_CLICKED(IDC_ABOUT, OnAbout)
ON_BN_CLICKED(IDC_HELP_BUTTON, LaunchHelp)
ON_COMMAND(ID_HELP, LaunchHelp)
END_MESSAGE_MAP()

ConverterDialog::ConverterDialog(CWnd* parent) : CDialog(IDD_CONVERTER_DIALOG, parent), m_versionInfo{} {
  m_szInputPath[0] = '\0';
  m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : LoadIconResource(IDR_MAINFRAME);
  m_bConverting = 0;
}

void ConverterDialog::ChooseSourcesOnStart(const std::vector<CString>& paths) {
  m_startSources.clear();
  for (const CString& path : paths) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(std::string(path), error);
    m_startSources.push_back(error ? path : CString(absolute.string()));
  }
}

void ConverterDialog::DoDataExchange(CDataExchange* exchange) {
  CDialog::DoDataExchange(exchange);
  DDX_Text(exchange, IDC_OUTPUT_PATH, m_strOutputPath);
}

BOOL ConverterDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
    CString aboutMenu;
    aboutMenu.LoadString(IDS_ABOUTBOX);
    if (!aboutMenu.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
    }
  }
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  DragAcceptFiles();
  // Posted, so that the file is taken (or refused) once the window shows.
  if (!m_startSources.empty()) {
    PostMessage(WM_DROPFILES,
                reinterpret_cast<WPARAM>(CreateDropHandle({m_startSources.begin(), m_startSources.end()})));
  }
  m_versionInfo.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  if (!GetVersionExA(&m_versionInfo))
    MessageBox(QT_TRANSLATE_NOOP("Corvane", "Can get Windows Version"), QT_TRANSLATE_NOOP("Corvane", "Error"),
               MB_OK);
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return TRUE;
  m_strOutputPath = GetFolderProfileString("Option", "output_filename", FallbackOutputPath(), CSIDL_MYVIDEO);
  GetDlgItem(IDC_OUTPUT_PATH)->SetWindowText(m_strOutputPath);
  return TRUE;
}

void ConverterDialog::OnSysCommand(UINT id, LPARAM /*lParam*/) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    ShowAboutBox();
    return;
  }
  Default();
}

void ConverterDialog::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  const int x = (rect.right - rect.left - cxIcon + 1) / 2;
  const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HICON ConverterDialog::OnQueryDragIcon() { return m_hIcon; }

void ConverterDialog::OnExit() {
  if (RefuseWhileConverting()) return;
  CDialog::OnCancel();
}

void ConverterDialog::OnClose() {
  if (m_bClosing) return;  // the first close is still asking its update question
  if (RefuseWhileConverting()) return;
  m_bClosing = true;
  CoUninitialize();
  OfferUpdateCheck(ProductPageUrl);
  Default();
}

void ConverterDialog::OpenHomePage() { ::OpenHomePage(m_hWnd); }

void ConverterDialog::OnAbout() { ShowAboutBox(); }

void ConverterDialog::LaunchHelp() { ::LaunchHelp(AfxGetApp() ? AfxGetApp()->m_pszHelpFilePath : ""); }

bool ConverterDialog::RefuseWhileConverting() {
  if (m_bConverting != 1) return false;
  ReportMessage(QT_TRANSLATE_NOOP("Corvane", "Please wait conversion"));
  return true;
}
