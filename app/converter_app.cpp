#include "app/converter_app.h"

#include <vector>

#include "res/resource.h"
#include "ui/converter_dialog.h"

namespace {

// Every argument that is no option names a source file.
class SourceFilesCommandLine : public CCommandLineInfo {
 public:
  void ParseParam(LPCSTR param, BOOL flag, BOOL last) override {
    CCommandLineInfo::ParseParam(param, flag, last);
    if (!flag) sources.emplace_back(param);
  }
  std::vector<CString> sources;
};

}  // namespace

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
  SourceFilesCommandLine commandLine;
  ParseCommandLine(commandLine);
  ConverterDialog dialog;
  // "Pellumbra FILE...", as a file manager's Open With runs it.
  if (!commandLine.sources.empty()) dialog.ChooseSourcesOnStart(commandLine.sources);
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
