// Choosing the source video and the output file, and proposing the first
// output path.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "paths/path_operations.h"
#include "platform/com/translatable.h"
#include "platform/win32/modules.h"
#include "platform/win32/shell_folders.h"
#include "platform/win32/user/common_dialogs.h"
#include "ui/conversion_queue.h"
#include "ui/converter_dialog.h"
#include "ui/text_limits.h"

void ConverterDialog::OnOpenVideo() {
  char file[MAX_PATH] = "";
  char initialFolder[MAX_PATH] = "";
  if (!CopyWithin(initialFolder, AfxGetApp()->GetProfileString("Option", "LastOpenedFolder", ""))) {
    initialFolder[0] = '\0';  // a stored folder too long to be one: start where the dialog likes
  }
  OPENFILENAMEA request{};
  request.lStructSize = OPENFILENAME_SIZE_VERSION_400;
  request.hwndOwner = m_hWnd;
  request.lpstrFilter = QT_TRANSLATE_NOOP("Corvane", "Video Files (*.*)") "\0*.*\0";
  request.nFilterIndex = 1;
  request.lpstrFile = file;
  request.nMaxFile = sizeof(file);
  request.lpstrInitialDir = initialFolder;
  request.lpstrTitle = QT_TRANSLATE_NOOP("Corvane", "Select a video file...");
  request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_READONLY;
  if (!GetOpenFileNameA(&request)) return;
  ChooseSource(file);
}

void ConverterDialog::ChooseSource(LPCSTR path) {
  if (!CopyWithin(m_szInputPath, path)) return;  // both callers pass paths that fit
  m_queuedSources.clear();
  // A path without a folder would store an empty folder, which the next Open
  // Video cannot start in.
  const CString folder = GetPathFolder(m_szInputPath);
  if (!folder.IsEmpty()) AfxGetApp()->WriteProfileString("Option", "LastOpenedFolder", folder);
  char name[MAX_PATH];
  if (GetPathFileName(m_szInputPath, name, sizeof(name))) GetDlgItem(IDC_SOURCE_NAME)->SetWindowText(name);
}

void ConverterDialog::ChooseSources(const std::vector<CString>& paths) {
  ChooseSource(paths.front());
  m_queuedSources = paths;
  GetDlgItem(IDC_SOURCE_NAME)->SetWindowText(QueueLabel(paths));
}

namespace {

// The folder the save dialog starts in: the output path's folder without its
// final "/", "." when the path names no folder.
CString InitialOutputFolder(const CString& outputPath) {
  const std::size_t slash = outputPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? CString("/") : CString(outputPath.substr(0, slash));
}

// The chosen path with ".mkv" in place of its file name's extension. Only
// the file name is searched for the ".", so a folder named "v1.2" keeps it.
CString WithMatroskaExtension(const CString& chosen) {
  const std::size_t nameStart = chosen.rfind('/') == std::string::npos ? 0 : chosen.rfind('/') + 1;
  const std::size_t dot = chosen.rfind('.');
  const bool dotInName = dot != std::string::npos && dot >= nameStart;
  return CString(chosen.substr(0, dotInName ? dot : chosen.size()) + ".mkv");
}

}  // namespace

void ConverterDialog::OnBrowse() {
  char file[MAX_PATH] = "*.*";
  char fileTitle[MAX_PATH] = "";
  const CString initialFolder = InitialOutputFolder(m_strOutputPath);
  OPENFILENAMEA request{};
  request.lStructSize = OPENFILENAME_SIZE_VERSION_400;
  request.hwndOwner = m_hWnd;
  request.lpstrFilter = QT_TRANSLATE_NOOP("Corvane", "MKV file(*.mkv)") "\0*.mkv\0";
  request.nFilterIndex = 1;
  request.lpstrFile = file;
  request.nMaxFile = sizeof(file);
  request.lpstrFileTitle = fileTitle;
  request.nMaxFileTitle = sizeof(fileTitle);
  request.lpstrInitialDir = initialFolder;
  request.lpstrTitle = QT_TRANSLATE_NOOP("Corvane", "Select Output");
  request.Flags = OFN_HIDEREADONLY;
  if (GetSaveFileNameA(&request) != TRUE) return;
  const CString output = WithMatroskaExtension(file);
  if (output.size() >= MAX_PATH) {
    MessageBox(
        QT_TRANSLATE_NOOP(
            "Corvane", "The chosen file name is too long for an output file. Please choose a shorter one."),
        QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
    return;
  }
  m_strOutputPath = output;
  AfxGetApp()->WriteProfileString("Option", "output_filename", m_strOutputPath);
  GetDlgItem(IDC_OUTPUT_PATH)->SetWindowText(m_strOutputPath);
}

CString ConverterDialog::GetFolderProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultPath,
                                                int folderId) {
  CWinApp* app = AfxGetApp();
  if (m_versionInfo.dwMajorVersion < 6) return app->GetProfileString(section, key, defaultPath);
  HMODULE shell = LoadLibraryA("shell32.dll");
  auto getFolderPath =
      shell ? reinterpret_cast<PFNSHGETFOLDERPATHA>(GetProcAddress(shell, "SHGetFolderPathA")) : nullptr;
  if (!getFolderPath) {
    if (shell) FreeLibrary(shell);
    MessageBox(QT_TRANSLATE_NOOP("Corvane", "Can not get SHGetFolderPathA!"),
               QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
    return app->GetProfileString(section, key, defaultPath);
  }
  char folder[MAX_PATH];
  if (getFolderPath(m_hWnd, folderId, nullptr, 0, folder) != S_OK) {
    MessageBox(QT_TRANSLATE_NOOP("Corvane", "Can not get My Video directory!"),
               QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
    CString stored = app->GetProfileString(section, key, defaultPath);
    FreeLibrary(shell);
    return stored;
  }
  const CString proposed = CString(folder) + GetPathFileTail(defaultPath);
  // A video folder so deep that the proposed name would not fit is passed
  // over for the home folder's name rather than cut short.
  CString stored =
      app->GetProfileString(section, key, proposed.size() < MAX_PATH ? proposed.c_str() : defaultPath);
  FreeLibrary(shell);
  return stored;
}
