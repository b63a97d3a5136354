#include "platform/win32/user/qt_message_box.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <memory>

#include "platform/win32/message_queue.h"
#include "platform/win32/user/window_handle.h"
#include "tests/platform/win32/user/qt_test_application.h"

namespace {

// Ends a box the test expected to close, so that the call under test returns.
void EndIfStillOpen(QMessageBox& box) {
  if (!box.isVisible()) return;
  ADD_FAILURE() << "the box is still open";
  box.done(0);
}

void Click(QMessageBox& box, const char* name) {
  auto* button = box.findChild<QPushButton*>(QString::fromLatin1(name));
  if (button && button->isEnabled()) button->click();
  EndIfStillOpen(box);
}

// "name:text" of each button, left to right as the user sees them.
QString ButtonsLeftToRight(QMessageBox& box) {
  QList<QAbstractButton*> buttons = box.buttons();
  std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
    return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
  });
  QStringList names;
  for (QAbstractButton* button : buttons) names << button->objectName() + ':' + button->text();
  return names.join(' ');
}

class QtMessageBox : public ::testing::Test {
 protected:
  void SetUp() override { InstallQtMessageBoxes(); }
  void TearDown() override { SetMessageBoxBackend(nullptr); }
};

TEST_F(QtMessageBox, ShowsTheWindowsButtonsAndAnswersWithTheClickedOne) {
  const std::tuple<UINT, const char*, const char*, int> cases[] = {
      {MB_OK, "IDOK:OK", "IDOK", IDOK},
      {MB_OKCANCEL, "IDOK:OK IDCANCEL:Cancel", "IDCANCEL", IDCANCEL},
      {MB_ABORTRETRYIGNORE, "IDABORT:&Abort IDRETRY:&Retry IDIGNORE:&Ignore", "IDIGNORE", IDIGNORE},
      {MB_YESNOCANCEL, "IDYES:&Yes IDNO:&No IDCANCEL:Cancel", "IDNO", IDNO},
      {MB_YESNO, "IDYES:&Yes IDNO:&No", "IDYES", IDYES},
      {MB_RETRYCANCEL, "IDRETRY:&Retry IDCANCEL:Cancel", "IDRETRY", IDRETRY}};
  for (const auto& [type, buttons, click, answer] : cases) {
    // Copied into the lambda: C++20 lets a lambda capture a structured
    // binding, clang 14 does not yet.
    WhenShown<QMessageBox>([buttons = buttons, click = click](QMessageBox& box) {
      EXPECT_EQ(ButtonsLeftToRight(box), buttons);
      EXPECT_EQ(box.windowTitle(), "Pellumbra");
      EXPECT_EQ(box.text(), "<b>not bold</b>\nsecond line");
      EXPECT_EQ(box.textFormat(), Qt::PlainText);
      Click(box, click);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "<b>not bold</b>\r\nsecond line", "Pellumbra", type), answer);
  }
}

TEST_F(QtMessageBox, EnterTakesTheDefaultButtonEscAndCloseBoxTakeCancelOrOkOrNothing) {
  constexpr int kCloseBox = 0;
  // The button clicked afterwards, for a box that must stay open.
  const std::tuple<UINT, int, int, const char*> cases[] = {
      {MB_YESNOCANCEL | MB_DEFBUTTON2, Qt::Key_Return, IDNO, nullptr},
      {MB_RETRYCANCEL | MB_DEFBUTTON3, Qt::Key_Return, IDRETRY, nullptr},
      {MB_OK, Qt::Key_Escape, IDOK, nullptr},
      {MB_YESNOCANCEL, Qt::Key_Escape, IDCANCEL, nullptr},
      {MB_OKCANCEL, kCloseBox, IDCANCEL, nullptr},
      {MB_YESNO, Qt::Key_Escape, IDNO, "IDNO"},
      {MB_ABORTRETRYIGNORE, kCloseBox, IDIGNORE, "IDIGNORE"}};
  for (const auto& [type, key, answer, thenClick] : cases) {
    WhenShown<QMessageBox>([key = key, thenClick = thenClick](QMessageBox& box) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      if (key == kCloseBox) {
        box.close();
      } else {
        QApplication::sendEvent(&box, &press);
      }
      if (!thenClick) return EndIfStillOpen(box);
      EXPECT_TRUE(box.isVisible());
      Click(box, thenClick);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", type), answer) << type;
  }
}

// A window with one control, both with handles, as the window layer makes them.
struct OwnerWindow {
  OwnerWindow() { window.show(); }
  ~OwnerWindow() {
    DestroyWindowHandle(control);
    DestroyWindowHandle(handle);
  }
  QWidget window;
  HWND handle = CreateWindowHandle(&window, 0, nullptr);
  HWND control = CreateWindowHandle(new QPushButton(&window), 1001, handle);
};

TEST_F(QtMessageBox, TheOwnersWindowAloneIsDisabledWhileTheBoxIsOpen) {
  for (const bool owned : {true, false}) {
    for (const bool wasEnabled : {true, false}) {
      OwnerWindow window;
      window.window.setEnabled(wasEnabled);
      WhenShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), owned ? &window.window : nullptr);
        EXPECT_EQ(window.window.isEnabled(), wasEnabled && !owned);
        Click(box, "IDYES");  // a disabled box would not take the click
      });
      EXPECT_EQ(MessageBoxA(owned ? window.control : nullptr, "text", "caption", MB_YESNO), IDYES);
      EXPECT_EQ(window.window.isEnabled(), wasEnabled);
    }
  }
}

TEST_F(QtMessageBox, OwnerDestroyedWhileOpenEndsTheBoxAsItsEscKeyWould) {
  auto owner = std::make_unique<OwnerWindow>();
  WhenShown<QMessageBox>([&owner](QMessageBox&) { owner.reset(); });
  EXPECT_EQ(MessageBoxA(owner->handle, "text", "caption", MB_OKCANCEL), IDCANCEL);
}

bool g_boxWasOpenAtDispatch = false;

LRESULT ClosingProc(HWND, UINT message, WPARAM, LPARAM) {
  QMessageBox* box = VisibleWindow<QMessageBox>();
  g_boxWasOpenAtDispatch = message == WM_USER + 7 && box;
  if (box) Click(*box, "IDRETRY");
  return 0;
}

TEST_F(QtMessageBox, DispatchesQueuedMessagesWhileOpen) {
  const HWND target = CreateWindowHandle(nullptr, 0, nullptr);
  RegisterWindowProc(target, ClosingProc);
  ASSERT_TRUE(PostMessageA(target, WM_USER + 7, 0, 0));
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_RETRYCANCEL), IDRETRY);
  EXPECT_TRUE(g_boxWasOpenAtDispatch);
  UnregisterWindowProc(target);
  DestroyWindowHandle(target);
}

}  // namespace
