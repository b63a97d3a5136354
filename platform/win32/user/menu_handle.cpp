#include "platform/win32/user/menu_handle.h"

#include <QMenu>
#include <QWidget>

#include "platform/win32/user/display_text.h"
#include "platform/win32/user/window_handle.h"

void FillSystemMenu(HMENU menu, HWND owner) {
  menu->owner = owner;
  menu->items = {{MF_STRING, SC_RESTORE, QT_TRANSLATE_NOOP("Corvane", "&Restore")},
                 {MF_STRING, SC_MOVE, QT_TRANSLATE_NOOP("Corvane", "&Move")},
                 {MF_STRING, SC_MINIMIZE, QT_TRANSLATE_NOOP("Corvane", "Mi&nimize")},
                 {MF_SEPARATOR, 0, ""},
                 {MF_STRING, SC_CLOSE, QT_TRANSLATE_NOOP("Corvane", "&Close\tAlt+F4")}};
}

void PopUpSystemMenu(HMENU menu) {
  QWidget* window = WidgetOf(menu->owner);
  if (!window) return;
  auto* popup = new QMenu(window);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setObjectName(QStringLiteral("system-menu"));
  for (const MenuItem& item : menu->items) {
    if (item.flags & MF_SEPARATOR) {
      popup->addSeparator();
      continue;
    }
    QAction* action = popup->addAction(DisplayText(item.text.c_str()));
    const HWND owner = menu->owner;
    const UINT_PTR id = item.id;
    QObject::connect(action, &QAction::triggered, [owner, id] { PostMessageA(owner, WM_SYSCOMMAND, id, 0); });
  }
  popup->popup(window->mapToGlobal(QPoint(0, 0)));
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
  if (!menu) return FALSE;
  menu->items.push_back(MenuItem{flags, id, (flags & MF_SEPARATOR) || !text ? "" : text});
  return TRUE;
}

int GetMenuItemCount(HMENU menu) { return menu ? static_cast<int>(menu->items.size()) : -1; }
