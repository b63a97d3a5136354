// The framework as a dialog program meets it: the modal loop, the dialog
// keyboard through real Qt key events, commands routed to the dialog and then
// the application, the wait cursor, dialog units. Commands that run inside a
// handler pumping messages are the window tests' part.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/afx/afxwin.h"
#include "platform/win32/user/message_loop.h"
#include "platform/win32/user/window_handle.h"

namespace {

constexpr int kFirst = 10, kEdit = 11, kOther = 12, kNoTabStop = 13;

constexpr DialogControl kControls[] = {
    {ControlKind::PushButton, kFirst, "First", 5, 5, 50, 14, WS_TABSTOP},
    {ControlKind::Static, -1, "Label", 5, 25, 50, 14, 0},
    {ControlKind::Edit, kEdit, "", 5, 45, 100, 14, WS_TABSTOP | WS_BORDER},
    {ControlKind::PushButton, kOther, "Other", 5, 65, 50, 14, WS_TABSTOP},
    {ControlKind::PushButton, kNoTabStop, "Skipped", 60, 65, 50, 14, 0},
    {ControlKind::PushButton, IDCANCEL, "Cancel", 60, 5, 50, 14, WS_TABSTOP},
};
constexpr DialogTemplate kTemplates[] = {
    {500, "Test", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, "MS Shell Dlg", 8, 120, 90, kControls}};

struct App : CWinApp {
  std::vector<UINT> commands;
  void OnAppHelp() { commands.push_back(ID_HELP); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(App, CWinApp)
ON_COMMAND(ID_HELP, OnAppHelp)
END_MESSAGE_MAP()

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(500) {}
  std::vector<UINT> commands;
  CString text;
  bool handleHelp = true;
  // Steps run one per WM_APP, each after the messages the previous one posted.
  std::vector<std::function<void()>> steps;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_APP) return CDialog::WindowProc(message, wParam, lParam);
    if (!steps.empty()) {
      const std::function<void()> step = steps.front();
      steps.erase(steps.begin());
      step();
    }
    PostMessageA(m_hWnd, steps.empty() ? WM_COMMAND : WM_APP, IDCANCEL, 0);
    return 0;
  }

 protected:
  void DoDataExchange(CDataExchange* exchange) override { DDX_Text(exchange, kEdit, text); }
  void OnFirst() { commands.push_back(kFirst); }
  BOOL OnCmdMsg(UINT id) override {
    if (id == ID_HELP && !handleHelp) return FALSE;
    return CDialog::OnCmdMsg(id);
  }
  void OnHelp() { commands.push_back(ID_HELP); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_BN_CLICKED(kFirst, OnFirst)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

class FrameworkTest : public testing::Test {
 protected:
  void SetUp() override {
    AfxSetResources(ModuleResources{kTemplates, {}, {}, nullptr, {}});
    InstallQtMessagePump();
  }
  QWidget* Control(int id) { return WidgetOf(GetDlgItem(dialog.GetSafeHwnd(), id)); }
  // Runs the steps once the dialog is up, then cancels it if they did not end it.
  INT_PTR Run(std::vector<std::function<void()>> steps) {
    dialog.steps = std::move(steps);
    QTimer::singleShot(0, [this] { PostMessageA(dialog.GetSafeHwnd(), WM_APP, 0, 0); });
    return dialog.DoModal();
  }
  App app;
  TestDialog dialog;
};

TEST_F(FrameworkTest, TabAndShiftTabWalkTheTabStopsInTemplateOrder) {
  std::vector<int> focus;
  auto record = [&] { focus.push_back(GetDlgCtrlID(GetFocus())); };
  auto tab = [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
  auto backTab = [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab); };
  Run({record, tab, record, tab, record, tab, record, tab, record, backTab, record});
  // Static texts and buttons without a tab stop are passed over; the order wraps.
  EXPECT_EQ(focus, (std::vector<int>{kFirst, kEdit, kOther, IDCANCEL, kFirst, IDCANCEL}));
}

TEST_F(FrameworkTest, KeysTypedRightAfterTabReachTheEditItMovedToAndReplaceItsText) {
  char typed[16] = "";
  Run({[&] {
         SetWindowTextA(GetDlgItem(dialog.GetSafeHwnd(), kEdit), "old");
         // Tab and the typing arrive in one batch while the dialog waits for
         // input, as they do from a fast typist.
         QTimer::singleShot(0, [] {
           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
           QTest::keyClicks(QApplication::focusWidget(), "new");
         });
       },
       [&] { GetWindowTextA(GetDlgItem(dialog.GetSafeHwnd(), kEdit), typed, sizeof(typed)); }});
  EXPECT_STREQ(typed, "new");
}

TEST_F(FrameworkTest, EnterOnAButtonRunsItAndInTheEditMeansOkWithDataExchange) {
  const INT_PTR result = Run({[&] { QTest::keyClick(Control(kFirst), Qt::Key_Return); },
                              [&] {
                                QTest::keyClicks(Control(kEdit), "typed");
                                SetFocus(GetDlgItem(dialog.GetSafeHwnd(), kEdit));
                                QTest::keyClick(Control(kEdit), Qt::Key_Return);
                              }});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.commands, std::vector<UINT>{kFirst});
  EXPECT_EQ(dialog.text, "typed");
}

TEST_F(FrameworkTest, EscapeAndTheCloseBoxCancel) {
  bool ranOn = false;
  Run({[&] { QTest::keyClick(Control(kEdit), Qt::Key_Escape); }, [&] { ranOn = true; }});
  EXPECT_FALSE(ranOn);  // Esc ended the run before the next step
  TestDialog second;
  QTimer::singleShot(0, [&] { WidgetOf(second.GetSafeHwnd())->close(); });
  EXPECT_EQ(second.DoModal(), IDCANCEL);
}

TEST_F(FrameworkTest, F1AsksForHelpOnlyWithoutModifiersAndFallsBackToTheApplication) {
  Run({[&] {
    QTest::keyClick(Control(kEdit), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(Control(kEdit), Qt::Key_F1, Qt::ControlModifier);
    QTest::keyClick(Control(kEdit), Qt::Key_F1, Qt::AltModifier);
    QTest::keyClick(Control(kEdit), Qt::Key_F1);
  }});
  EXPECT_EQ(dialog.commands, std::vector<UINT>{ID_HELP});
  dialog.commands.clear();
  dialog.handleHelp = false;
  Run({[&] { QTest::keyClick(Control(kEdit), Qt::Key_F1); }});
  EXPECT_TRUE(dialog.commands.empty());
  EXPECT_EQ(app.commands, std::vector<UINT>{ID_HELP});
}

TEST_F(FrameworkTest, AModalChildDisablesItsOwnerUntilItEnds) {
  app.m_pMainWnd = &dialog;
  bool ownerEnabledDuringChild = true;
  Run({[&] {
    TestDialog child;
    child.steps = {[&] {
      ownerEnabledDuringChild = dialog.IsWindowEnabled();
      EXPECT_TRUE(::IsWindowEnabled(child.GetSafeHwnd()));
    }};
    QTimer::singleShot(0, [&] { PostMessageA(child.GetSafeHwnd(), WM_APP, 0, 0); });
    child.DoModal();
    EXPECT_TRUE(dialog.IsWindowEnabled());
  }});
  EXPECT_FALSE(ownerEnabledDuringChild);
}

TEST(WaitCursor, CountsAndRestoresOnlyAtZero) {
  App app;
  app.DoWaitCursor(1);
  app.DoWaitCursor(1);
  app.DoWaitCursor(-1);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  app.DoWaitCursor(-1);
  app.DoWaitCursor(-1);  // one too many changes nothing
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(app.m_nWaitCursorCount, 0);
}

TEST(FrameworkCommandLine, TheFirstArgumentThatIsNoOptionNamesTheFileToOpen) {
  App app;
  const char* const argv[] = {"/opt/corvane/Pellumbra", "-v", "/films/a b.mp4", "second.mp4"};
  app.SetCommandLine(4, argv);
  CCommandLineInfo given;
  app.ParseCommandLine(given);
  EXPECT_EQ(given.m_nShellCommand, CCommandLineInfo::FileOpen);
  EXPECT_EQ(given.m_strFileName, "/films/a b.mp4");
}

// The count, the lengths and whole copies reach the window tests' drops.
TEST(FrameworkDroppedFiles, ACopyNeverOverruns) {
  const HDROP drop = CreateDropHandle({"/a/film.mp4"});
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(DragQueryFileA(drop, 0, buffer, 5), 4u);
  EXPECT_STREQ(buffer, "/a/f");
  EXPECT_EQ(DragQueryFileA(drop, 1, buffer, sizeof buffer), 0u);
  DragFinish(drop);
}

TEST(DialogUnits, ScaleFromTheFontAndKeepButtonCaptionsInside) {
  QFont font = QApplication::font();
  const DialogBaseUnits base = BaseUnitsOf(font);
  const QFontMetrics metrics(font);
  for (const char* caption : {"Open Video", "Convert", "Browse", "Update"}) {
    EXPECT_LT(metrics.horizontalAdvance(caption) + 8, DialogUnitsToPixelsX(66, base)) << caption;
  }
}

}  // namespace
