// The About box: the program's icon, name and version, its maker and the
// maker's addresses.
#pragma once

#include "platform/afx/afxwin.h"

class AboutDialog : public CDialog {
 public:
  AboutDialog();

 protected:
  DECLARE_MESSAGE_MAP()
};

// Runs a fresh About box modally over the main window.
void ShowAboutBox();
