#include "platform/afx/resources.h"

#include <QFile>
#include <map>

#include "platform/win32/user/icon_handle.h"

namespace {

ModuleResources& Resources() {
  static ModuleResources resources{};
  return resources;
}

}  // namespace

void AfxSetResources(const ModuleResources& resources) { Resources() = resources; }

const ModuleResources& AfxGetResources() { return Resources(); }

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& dialog : Resources().dialogs) {
    if (dialog.id == id) return &dialog;
  }
  return nullptr;
}

const char* FindStringResource(UINT id) {
  for (const StringResource& string : Resources().strings) {
    if (string.id == id) return string.text;
  }
  return nullptr;
}

HICON LoadIconResource(int id) {
  // Never destroyed: the icons outlive the Qt application, and a table freed
  // at exit would leave them unreachable.
  static auto& loaded = *new std::map<int, HICON>();
  if (const auto it = loaded.find(id); it != loaded.end()) return it->second;
  for (const IconResource& icon : Resources().icons) {
    if (icon.id != id) continue;
    QFile file(QString::fromUtf8(icon.path));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    return loaded[id] = CreateIconFromImageData(file.readAll());
  }
  return nullptr;
}
