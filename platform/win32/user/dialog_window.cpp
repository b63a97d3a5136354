#include "platform/win32/user/dialog_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/win32/user/dialog_widget.h"
#include "platform/win32/user/display_text.h"
#include "platform/win32/user/icon_handle.h"
#include "platform/win32/user/window_handle.h"

namespace {

DialogWidget* DialogOf(HWND dialog) { return dynamic_cast<DialogWidget*>(WidgetOf(dialog)); }

// "MS Shell Dlg" is the desktop's sans-serif font here, one point larger than
// the template asks: Linux sans-serif faces run wider than the Windows shell
// font, and a point more keeps their captions clear of the control edges.
QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(dialogTemplate.pointSize + 1);
  return font;
}

// Static texts show "&x" as an underlined x unless SS_NOPREFIX; a plain label
// shows the letter, and "&&" stands for one "&".
QString StaticText(const char* text, DWORD style) {
  QString result = DisplayText(text);
  if (style & SS_NOPREFIX) return result;
  result.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  result.remove(QLatin1Char('&'));
  return result.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QWidget* MakeStatic(const DialogControl& control, QWidget* parent, const IconLoader& loadIcon) {
  auto* label = new QLabel(parent);
  if (control.kind == ControlKind::Icon) {
    if (HICON icon = loadIcon ? loadIcon(control.iconId) : nullptr) label->setPixmap(icon->pixmap);
    return label;
  }
  label->setTextFormat(Qt::PlainText);
  label->setText(StaticText(control.text, control.style));
  label->setWordWrap(true);
  const Qt::Alignment horizontal = (control.style & SS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
  label->setAlignment(horizontal | ((control.style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
  if (control.style & SS_SUNKEN) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QWidget* MakeControl(const DialogControl& control, HWND dialog, QWidget* parent, const IconLoader& loadIcon) {
  switch (control.kind) {
    case ControlKind::PushButton: {
      auto* button = new QPushButton(DisplayText(control.text), parent);
      button->setAutoDefault(false);
      button->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
      QObject::connect(button, &QPushButton::clicked, [dialog, button] {
        const HWND hwnd = HandleOf(button);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
      });
      return button;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(parent);
      edit->setFrame((control.style & WS_BORDER) != 0);
      edit->setFocusPolicy((control.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
      return edit;
    }
    case ControlKind::Static:
    case ControlKind::Icon:
      return MakeStatic(control, parent, loadIcon);
  }
  return nullptr;
}

QRect PixelRect(const DialogControl& control, DialogBaseUnits base) {
  return QRect(DialogUnitsToPixelsX(control.x, base), DialogUnitsToPixelsY(control.y, base),
               DialogUnitsToPixelsX(control.cx, base), DialogUnitsToPixelsY(control.cy, base));
}

void AddControls(DialogWidget* widget, const DialogTemplate& dialogTemplate, const IconLoader& loadIcon) {
  const DialogBaseUnits base = BaseUnitsOf(widget->font());
  for (const DialogControl& control : dialogTemplate.controls) {
    QWidget* child = MakeControl(control, widget->handle, widget, loadIcon);
    child->setGeometry(PixelRect(control, base));
    child->setObjectName(QStringLiteral("control-%1").arg(control.id));
    widget->WatchKeys(child);
    const HWND hwnd = CreateWindowHandle(child, control.id, widget->handle);
    widget->controls.push_back(ControlRecord{hwnd, control.style, control.kind == ControlKind::PushButton});
  }
  widget->setFixedSize(DialogUnitsToPixelsX(dialogTemplate.cx, base),
                       DialogUnitsToPixelsY(dialogTemplate.cy, base));
}

}  // namespace

HWND CreateDialogWindow(const DialogTemplate& dialogTemplate, HWND owner, WNDPROC proc,
                        const IconLoader& loadIcon) {
  QWidget* ownerWindow = WidgetOf(TopLevelOf(owner));
  auto* widget = new DialogWidget(ownerWindow ? ownerWindow->window() : nullptr, dialogTemplate.style);
  widget->setWindowTitle(DisplayText(dialogTemplate.caption));
  widget->setFont(DialogFont(dialogTemplate));
  widget->handle = CreateWindowHandle(widget, 0, nullptr);
  widget->systemMenu = std::make_unique<HMENU__>();
  FillSystemMenu(widget->systemMenu.get(), widget->handle);
  AddControls(widget, dialogTemplate, loadIcon);
  RegisterWindowProc(widget->handle, proc);
  return widget->handle;
}

void DestroyDialogWindow(HWND dialog) {
  DialogWidget* widget = DialogOf(dialog);
  UnregisterWindowProc(dialog);
  if (widget) {
    for (const ControlRecord& control : widget->controls) DestroyWindowHandle(control.hwnd);
    widget->hide();
    delete widget;
  }
  DestroyWindowHandle(dialog);
}

void ShowDialogWindow(HWND dialog) {
  QWidget* widget = WidgetOf(dialog);
  if (!widget) return;
  QWidget* owner = widget->parentWidget();
  const QRect area = owner ? owner->frameGeometry() : widget->screen()->availableGeometry();
  widget->move(area.center() - widget->rect().center());
  widget->show();
  widget->raise();
  widget->activateWindow();
}

std::vector<HWND> DialogControls(HWND dialog) {
  std::vector<HWND> handles;
  if (DialogWidget* widget = DialogOf(dialog)) {
    for (const ControlRecord& control : widget->controls) handles.push_back(control.hwnd);
  }
  return handles;
}

static const ControlRecord* RecordOf(HWND control) {
  DialogWidget* widget = control ? DialogOf(control->parent) : nullptr;
  if (!widget) return nullptr;
  const auto it = std::find_if(widget->controls.begin(), widget->controls.end(),
                               [control](const ControlRecord& record) { return record.hwnd == control; });
  return it == widget->controls.end() ? nullptr : &*it;
}

DWORD ControlStyle(HWND control) {
  const ControlRecord* record = RecordOf(control);
  return record ? record->style : 0;
}

bool IsPushButton(HWND control) {
  const ControlRecord* record = RecordOf(control);
  return record && record->pushButton;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  DialogWidget* widget = DialogOf(TopLevelOf(hwnd));
  if (!widget) return nullptr;
  if (revert) {
    FillSystemMenu(widget->systemMenu.get(), widget->handle);
    return nullptr;
  }
  return widget->systemMenu.get();
}
