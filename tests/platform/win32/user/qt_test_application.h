// Reading windows, and acting on a dialog while the code under test waits for
// it to close. The tests run in the QApplication that qt_test_application.cpp
// sets up.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/win32/user/winuser.h"

// The text of a window or control.
inline std::string WindowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The visible top-level window of type `Window`, or null.
template <class Window>
Window* VisibleWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<Window*>(widget);
    if (window && window->isVisible()) return window;
  }
  return nullptr;
}

// Runs `action` on the visible `Dialog` once the event loop turns. When no
// such dialog is showing, the test fails and every open dialog is ended so
// that the call waiting for it returns instead of hanging.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> action) {
  QTimer::singleShot(0, [action = std::move(action)] {
    if (Dialog* dialog = VisibleWindow<Dialog>()) return action(*dialog);
    ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " is showing";
    while (QDialog* open = VisibleWindow<QDialog>()) open->done(QDialog::Rejected);
  });
}
