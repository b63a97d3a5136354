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
class UpdatePrompt : public testing::Test {
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

  ScratchFolder m_home;
  ScopedVariable m_homeVariable{"HOME", m_home.path.c_str()};
  ScopedVariable m_configVariable{"XDG_CONFIG_HOME", m_home.Path("config").c_str()};
  CWinApp m_app;
  ScriptedDesktop m_desktop;
};

TEST_F(UpdatePrompt, AsksOnlyWhenMoreThan180DaysHavePassedAndRecordsEachAnswer) {
  const std::int64_t first = 1700000000;
  CloseAt(first);
  EXPECT_EQ(Questions(), 0u);
  EXPECT_EQ(StoredTime(), first);
  CloseAt(first + kHalfYear);
  EXPECT_EQ(Questions(), 0u);
  CloseAt(first + kHalfYear + 1, IDNO);
  ASSERT_EQ(Questions(), 1u);
  EXPECT_EQ(m_desktop.boxes[0].caption, "Update the program");
  EXPECT_EQ(m_desktop.boxes[0].type, MB_YESNO);
  EXPECT_THAT(m_desktop.shellLaunches, IsEmpty());
  EXPECT_EQ(StoredTime(), first + kHalfYear + 1);
}

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

TEST_F(UpdatePrompt, AStoredTimeInTheFutureIsLeftAlone) {
  m_app.WriteProfileInt("Setup", "t_first_update", 1700000000 + 5000);
  CloseAt(1700000000);
  EXPECT_EQ(Questions(), 0u);
  EXPECT_EQ(StoredTime(), 1700000000u + 5000u);
}

TEST_F(UpdatePrompt, TimesPast2038AndPastThe32BitWrapKeepTheirMeaningAndTheWaitStays180Days) {
  EXPECT_EQ(WidenStoredTime(static_cast<std::uint32_t>(kAfter2038), kAfter2038 + 10), kAfter2038);
  EXPECT_EQ(WidenStoredTime(static_cast<std::uint32_t>(kAfter2038), kAfter2038 - 10), kAfter2038);
  std::size_t asked = 0;
  for (const std::int64_t first : {(std::int64_t{1} << 31) - 100, (std::int64_t{1} << 32) - 100}) {
    m_app.WriteProfileString("Setup", "t_first_update", nullptr);  // not a number: a first closing
    CloseAt(first);
    EXPECT_EQ(StoredTime(), static_cast<std::uint32_t>(first));
    CloseAt(first + kHalfYear);
    EXPECT_EQ(Questions(), asked) << "from " << first;
    CloseAt(first + kHalfYear + 1);
    EXPECT_EQ(Questions(), ++asked) << "from " << first;
  }
}

}  // namespace
