#include "platform/win32/user/window_handle.h"

#include <map>
#include <memory>

namespace {

// Handles live on the GUI thread only, like the widgets they name.
std::map<HWND, std::unique_ptr<HWND__>>& Records() {
  static std::map<HWND, std::unique_ptr<HWND__>> records;
  return records;
}

}  // namespace

HWND CreateWindowHandle(QWidget* widget, int id, HWND parent) {
  auto record = std::make_unique<HWND__>();
  record->widget = widget;
  record->id = id;
  record->parent = parent;
  HWND hwnd = record.get();
  Records().emplace(hwnd, std::move(record));
  return hwnd;
}

void DestroyWindowHandle(HWND hwnd) { Records().erase(hwnd); }

QWidget* WidgetOf(HWND hwnd) {
  if (!hwnd || !Records().count(hwnd)) return nullptr;
  return hwnd->widget.data();
}

HWND HandleOf(const QWidget* widget) {
  if (!widget) return nullptr;
  for (const auto& [hwnd, record] : Records()) {
    if (record->widget == widget) return hwnd;
  }
  return nullptr;
}

HWND TopLevelOf(HWND hwnd) {
  if (!hwnd || !Records().count(hwnd)) return nullptr;
  while (hwnd->parent) hwnd = hwnd->parent;
  return hwnd;
}
