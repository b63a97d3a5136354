// The Qt widget behind a dialog window: it owns the controls' handles and the
// system menu, and posts the window's input as messages: keys, the close box
// and, once the window accepts files, local files dropped on it or on any of
// its controls (WM_DROPFILES).
#pragma once

#include <QDropEvent>
#include <QKeyEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/win32/user/menu_handle.h"

struct ControlRecord {
  HWND hwnd;
  DWORD style;
  bool pushButton;
};

class DialogWidget final : public QWidget {
 public:
  DialogWidget(QWidget* owner, DWORD style);

  HWND handle = nullptr;
  std::vector<ControlRecord> controls;
  std::unique_ptr<HMENU__> systemMenu;

  // Watches a control for the keys the dialog manager handles.
  void WatchKeys(QWidget* control) { control->installEventFilter(this); }
  // True while the widget is in its paint event, so that BeginPaint may paint.
  bool painting = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool PostDialogKey(const QKeyEvent& key);
  bool AcceptFileDrag(QDropEvent& drag);
  bool PostDroppedFiles(QDropEvent& drop);
};
