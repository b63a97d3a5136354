// The application object: starts the window program, selects the per-user
// settings store and runs the main dialog until it ends.
#pragma once

#include "platform/afx/afxwin.h"

class ConverterApp : public CWinApp {
 public:
  ConverterApp();
  ~ConverterApp() override;

  // Always FALSE: the program's work is the main dialog's modal run.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};

extern ConverterApp theApp;
