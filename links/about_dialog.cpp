#include "links/about_dialog.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(AboutDialog, CDialog)
END_MESSAGE_MAP()

AboutDialog::AboutDialog() : CDialog(IDD_ABOUTBOX) {}

void ShowAboutBox() {
  AboutDialog about;
  about.DoModal();
}
