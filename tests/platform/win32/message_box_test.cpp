#include "platform/win32/message_box.h"

#include <gtest/gtest.h>

#include "platform/win32/shell.h"

namespace {

class AnsweringBackend final : public MessageBoxBackend {
 public:
  int Show(HWND owner, const char* text, const char* caption, UINT type) override {
    m_owner = owner;
    m_text = text;
    m_caption = caption;
    m_type = type;
    return IDNO;
  }
  HWND m_owner = nullptr;
  std::string m_text, m_caption;
  UINT m_type = 0;
};

TEST(MessageBox, GoesThroughTheInstalledBackendUntilItIsRemoved) {
  AnsweringBackend backend;
  MessageBoxBackend* previous = SetMessageBoxBackend(&backend);
  const HWND owner = reinterpret_cast<HWND>(0x10);
  EXPECT_EQ(MessageBoxA(owner, "Replace it?", "Warning", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(backend.m_owner, owner);
  EXPECT_EQ(backend.m_text, "Replace it?");
  EXPECT_EQ(backend.m_caption, "Warning");
  EXPECT_EQ(backend.m_type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(SetMessageBoxBackend(previous), &backend);
}

TEST(MessageBox, TerminalBackendWritesToStandardErrorAndAnswersTheDefaultButton) {
  testing::internal::CaptureStderr();
  const int answer = MessageBoxA(nullptr, "Converting is done!", "Pellumbra", MB_OK);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Pellumbra] Converting is done!\n");
  EXPECT_EQ(answer, IDOK);
}

TEST(MessageBox, DefaultAnswerFollowsTheDefaultButtonOfEachLayout) {
  EXPECT_EQ(DefaultMessageBoxAnswer(MB_YESNO), IDYES);
  EXPECT_EQ(DefaultMessageBoxAnswer(MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(DefaultMessageBoxAnswer(MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
  EXPECT_EQ(DefaultMessageBoxAnswer(MB_RETRYCANCEL | MB_ICONERROR), IDRETRY);
  EXPECT_EQ(DefaultMessageBoxAnswer(MB_OK | MB_DEFBUTTON3), IDOK);  // no third button
}

TEST(ShellExecute, DesktopBackendRefusesWhatItCannotOpenWithoutStartingAnything) {
  // Only refusals are exercised here: a successful call would open a browser.
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, SW_SHOWNORMAL)),
            SE_ERR_FNF);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "print", "/tmp/a.pdf", nullptr, nullptr, 1)),
            SE_ERR_NOASSOC);
}

}  // namespace
