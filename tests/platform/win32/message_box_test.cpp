#include "platform/win32/message_box.h"

#include <gtest/gtest.h>

#include "platform/win32/shell.h"

namespace {

// The window tests check, through their scripted desktop, that a box's text,
// caption, buttons and owner reach the installed backend.
class AnsweringNo final : public MessageBoxBackend {
 public:
  int Show(HWND, const char*, const char*, UINT) override { return IDNO; }
};

TEST(MessageBox, GoesThroughTheInstalledBackendAndWithoutOneWritesToStandardError) {
  AnsweringNo backend;
  SetMessageBoxBackend(&backend);
  EXPECT_EQ(MessageBoxA(nullptr, "Replace it?", "Warning", MB_YESNO), IDNO);
  EXPECT_EQ(SetMessageBoxBackend(nullptr), &backend);
  // The terminal answers with the default button.
  testing::internal::CaptureStderr();
  const int answer = MessageBoxA(nullptr, "Converting is done!", "Pellumbra", MB_OK);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Pellumbra] Converting is done!\n");
  EXPECT_EQ(answer, IDOK);
}

TEST(ShellExecute, DesktopBackendRefusesWhatItCannotOpenWithoutStartingAnything) {
  // Only refusals are exercised here: a successful call would open a browser.
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, SW_SHOWNORMAL)),
            SE_ERR_FNF);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "print", "/tmp/a.pdf", nullptr, nullptr, 1)),
            SE_ERR_NOASSOC);
}

}  // namespace
