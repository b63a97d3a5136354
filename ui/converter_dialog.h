// Corvane's main window: the source and output choice, Convert, and the ways
// to help, the web site and the About box. It holds the workflow's state.
#pragma once

#include <string>
#include <vector>

#include "platform/afx/afxwin.h"
#include "platform/win32/kernel.h"
#include "res/resource.h"
#include "ui/conversion_queue.h"

class ConverterDialog : public CDialog {
 public:
  explicit ConverterDialog(CWnd* parent = nullptr);

  // The files the window takes as its sources once it shows, as if dropped
  // on it: the program's "open with" arguments. Relative paths are taken from
  // the current folder now, before any file dialog changes it.
  void ChooseSourcesOnStart(const std::vector<CString>& paths);

 protected:
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnOpenVideo();
  // One dropped file becomes the source, as with Open Video; several become a
  // queue of sources, leaving out (and naming) folders and files that cannot
  // be opened or are no video. Ignored while converting.
  void OnDropFiles(HDROP drop);
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
  // Makes `path`, an existing file, the source: remembers its folder for
  // the next Open Video and shows its name.
  void ChooseSource(LPCSTR path);
  // Makes several files the sources, converted one after another.
  void ChooseSources(const std::vector<CString>& paths);
  void DropOneFile(const std::string& path);
  bool ConfirmOutput(char (&outputCopy)[MAX_PATH]);
  bool AskAboutExistingOutputs(const std::vector<QueuedConversion>& plan);
  void ConvertQueue();
  bool RefuseSourceAsOutput(LPCSTR sourcePath, LPCSTR outputPath);
  void RunConversion(LPCSTR sourcePath, LPCSTR outputPath);

  std::vector<CString> m_startSources;
  // Two or more sources chosen at once; empty when m_szInputPath is the one.
  std::vector<CString> m_queuedSources;
  // Set once the close path has begun: a second close, or a Convert while
  // its update question is open, does nothing.
  bool m_bClosing = false;
};

// Whether `path` names a file that can be opened for reading.
bool FileExists(LPCSTR path);
