#include "app/converter_app.h"

#include "res/resource.h"
#include "ui/converter_dialog.h"

BEGIN_MESSAGE_MAP(ConverterApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

ConverterApp::ConverterApp() : CWinApp(nullptr) {}

ConverterApp::~ConverterApp() = default;

BOOL ConverterApp::InitInstance() {
  InitCommonControls();
  CWinApp::InitInstance();
  AfxEnableControlContainer();
  // The dialog reads the stored output path as it opens, so the store must be
  // chosen first.
  SetRegistryKey("QuillonStudio");
  CCommandLineInfo commandLine;
  ParseCommandLine(commandLine);
  ConverterDialog dialog;
  // "Pellumbra FILE", as a file manager's Open With runs it.
  if (commandLine.m_nShellCommand == CCommandLineInfo::FileOpen) {
    dialog.ChooseSourceOnStart(commandLine.m_strFileName);
  }
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
