// Window handles on Qt: every HWND names one record that ties the handle to
// its widget, its control id and its parent, so that Win32-style calls can
// reach the widget and a widget's input can be posted to the right handle.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/win32/windef.h"

struct HWND__ {
  QPointer<QWidget> widget;  // null once Qt has destroyed the widget
  int id = 0;                // control id within its dialog; 0 for a top-level window
  HWND parent = nullptr;     // the dialog of a control; null for a top-level window
};

// Creates the record for `widget` (not owned). The handle stays valid until
// DestroyWindowHandle, also after the widget is gone.
HWND CreateWindowHandle(QWidget* widget, int id, HWND parent);
void DestroyWindowHandle(HWND hwnd);

// The widget of a live handle, or null for null, unknown or destroyed ones.
QWidget* WidgetOf(HWND hwnd);
// The handle whose widget is `widget`, or null.
HWND HandleOf(const QWidget* widget);
// The top-level window of a handle: the dialog for a control, itself otherwise.
HWND TopLevelOf(HWND hwnd);
