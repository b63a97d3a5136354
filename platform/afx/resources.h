// A module's resources as the resource compiler would bind them: dialog
// templates, strings, icons, the version record and the message formats. The program hands its
// table to the framework at start, as Windows finds them in the executable.
#pragma once

#include <span>

#include "platform/win32/user/dialog_template.h"

struct StringResource {
  UINT id;
  const char* text;
};

struct IconResource {
  int id;
  const char* path;  // a Qt resource path to the image
};

struct VersionResource {
  WORD fileVersion[4];
  WORD productVersion[4];
  const char* companyName;
  const char* fileDescription;
  const char* productName;
  const char* legalCopyright;
};

struct ModuleResources {
  std::span<const DialogTemplate> dialogs;
  std::span<const StringResource> strings;
  std::span<const IconResource> icons;
  const VersionResource* version;
  // The formats of the texts the program formats before showing them, by
  // which the window layer recognises and translates them.
  std::span<const char* const> textFormats;
};

// The resources the framework reads from; empty until set.
void AfxSetResources(const ModuleResources& resources);
const ModuleResources& AfxGetResources();

const DialogTemplate* FindDialogTemplate(int id);
// The string with `id`, or null when the table has none.
const char* FindStringResource(UINT id);
// The icon with `id`, loaded once and kept; null when there is none.
HICON LoadIconResource(int id);
