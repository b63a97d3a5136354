// The ways out of the program: the help viewer, the browser and the update
// question at closing, with the desktop scripted.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "links/update_prompt.h"
#include "links/web_links.h"
#include "platform/afx/afxwin.h"
#include "res/web_addresses.h"
#include "tests/platform/win32/scratch.h"
#include "tests/support/scripted_desktop.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::int64_t kHalfYear = 15552000;
constexpr std::int64_t kAfter2038 = (std::int64_t{1} << 31) + 86400;

TEST(HelpViewer, OpensTheHelpFileBesideTheProgram) {
  EXPECT_EQ(HelpCommandLine("/opt/My Apps/corvane/Pellumbra.HLP"),
            "hh.exe /opt/My Apps/corvane/help.chm::/Introduction.htm");
  EXPECT_EQ(HelpCommandLine("Pellumbra.HLP"), "hh.exe help.chm::/Introduction.htm");
  ScriptedDesktop desktop;
  LaunchHelp("/opt/corvane/Pellumbra.HLP");
  EXPECT_THAT(desktop.commandLines, ElementsAre("hh.exe /opt/corvane/help.chm::/Introduction.htm"));
}

TEST(HomePage, SaysSoInABoxOfTheOwnerOnlyWhenNoBrowserStarts) {
  ScriptedDesktop desktop;
  const HWND owner = reinterpret_cast<HWND>(0x1234);
  desktop.SetShellResult(33);
  OpenHomePage(owner);
  EXPECT_THAT(desktop.boxes, IsEmpty());
  desktop.SetShellResult(32);
  OpenHomePage(owner);
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].owner, owner);
  EXPECT_EQ(desktop.boxes[0].text, BrowserFailureText);
  EXPECT_EQ(desktop.boxes[0].caption, "Unknown error");
  ASSERT_EQ(desktop.shellLaunches.size(), 2u);
  EXPECT_EQ(desktop.shellLaunches[1].file, HomePageUrl);
}

// A user whose settings live in a scratch folder.
class UpdatePrompt : public ScratchUserTest {
 protected:
  UpdatePrompt() {
    m_app.SetNamesFromExecutable("/opt/corvane/Pellumbra");
    m_app.SetRegistryKey("QuillonStudio");
  }
  // Closes the window at `now` and answers the question, if asked, with `answer`.
  void CloseAt(std::int64_t now, int answer = IDNO) {
    m_desktop.SetClock(now);
    m_desktop.AnswerBoxesWith([answer](const ShownBox&) { return answer; });
    OfferUpdateCheck(ProductPageUrl);
  }
  std::uint32_t StoredTime() { return m_app.GetProfileInt("Setup", "t_first_update", 7); }
  std::size_t Questions() const { return m_desktop.boxes.size(); }

  CWinApp m_app;
  ScriptedDesktop m_desktop;
};

TEST_F(UpdatePrompt, YesOpensTheProductPageAndABrowserFailureIsReportedBeforeTheTimeIsStored) {
  m_app.WriteProfileInt("Setup", "t_first_update", 1000);
  m_desktop.SetShellResult(32);
  CloseAt(1000 + kHalfYear + 1, IDYES);
  ASSERT_EQ(Questions(), 2u);
  EXPECT_EQ(m_desktop.boxes[1].text, BrowserFailureText);
  EXPECT_EQ(m_desktop.boxes[1].caption, "unknown errors");
  ASSERT_EQ(m_desktop.shellLaunches.size(), 1u);
  EXPECT_EQ(m_desktop.shellLaunches[0].file, ProductPageUrl);
  EXPECT_EQ(StoredTime(), 1000 + kHalfYear + 1);
}

// Times past 2038 and past the 32-bit wrap keep their meaning and the wait stays 180 days.
TEST_F(UpdatePrompt, AsksOnlyWhenMoreThan180DaysHavePassedAndRecordsEachAnswer) {
  EXPECT_EQ(WidenStoredTime(static_cast<std::uint32_t>(kAfter2038), kAfter2038 + 10), kAfter2038);
  EXPECT_EQ(WidenStoredTime(static_cast<std::uint32_t>(kAfter2038), kAfter2038 - 10), kAfter2038);
  m_app.WriteProfileInt("Setup", "t_first_update", 1700000000 + 5000);  // a time in the future is left alone
  CloseAt(1700000000);
  EXPECT_EQ(StoredTime(), 1700000000u + 5000u);
  std::size_t asked = 0;  // a question about the future time shows in the counts below
  for (const std::int64_t first :
       {std::int64_t{1700000000}, (std::int64_t{1} << 31) - 100, (std::int64_t{1} << 32) - 100}) {
    m_app.WriteProfileString("Setup", "t_first_update", nullptr);  // not a number: a first closing
    CloseAt(first);
    EXPECT_EQ(StoredTime(), static_cast<std::uint32_t>(first));
    CloseAt(first + kHalfYear);
    EXPECT_EQ(Questions(), asked) << "from " << first;
    CloseAt(first + kHalfYear + 1, IDNO);
    ASSERT_EQ(Questions(), ++asked) << "from " << first;
    EXPECT_EQ(m_desktop.boxes.back().caption, "Update the program");
    EXPECT_EQ(m_desktop.boxes.back().type, MB_YESNO);
    EXPECT_EQ(StoredTime(), static_cast<std::uint32_t>(first + kHalfYear + 1));
  }
  EXPECT_THAT(m_desktop.shellLaunches, IsEmpty());
}

}  // namespace
