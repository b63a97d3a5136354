// MessageBoxA on Qt widgets for the window program. The command-line tool
// keeps the terminal backend; the window program installs this one at start.
#pragma once

#include "platform/win32/message_box.h"

// Shows a QMessageBox laid out as the Windows box of the same type: its
// buttons, icon, default button and Esc/close-box answer. The box is owned by
// the owner's window (disabled meanwhile) or stands alone, and runs in the
// thread's message loop. Reachable by window tests: the title is the caption
// and every button's objectName is its answer's name ("IDOK", "IDYES", ...).
// GUI thread only.
class QtMessageBoxBackend final : public MessageBoxBackend {
 public:
  int Show(HWND owner, const char* text, const char* caption, UINT type) override;
};

// Makes MessageBoxA show Qt message boxes from now on. Needs a QApplication.
void InstallQtMessageBoxes();
