#include "platform/win32/user/drop_files.h"

#include <QWidget>
#include <algorithm>
#include <cstring>

#include "platform/win32/user/window_handle.h"

struct HDROP__ {
  std::vector<std::string> paths;
};

namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

}  // namespace

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT capacity) {
  if (!drop) return 0;
  if (index == kCountQuery) return static_cast<UINT>(drop->paths.size());
  if (index >= drop->paths.size()) return 0;
  const std::string& path = drop->paths[index];
  if (!file) return static_cast<UINT>(path.size());
  if (capacity == 0) return 0;
  const std::size_t copied = std::min<std::size_t>(path.size(), capacity - 1);
  std::memcpy(file, path.data(), copied);
  file[copied] = '\0';
  return static_cast<UINT>(copied);
}

void DragFinish(HDROP drop) { delete drop; }

void DragAcceptFiles(HWND hwnd, BOOL accept) {
  if (QWidget* widget = WidgetOf(hwnd)) widget->setAcceptDrops(accept != FALSE);
}

HDROP CreateDropHandle(std::vector<std::string> paths) { return new HDROP__{std::move(paths)}; }
