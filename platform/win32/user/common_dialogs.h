// The common file dialogs, GetOpenFileNameA and GetSaveFileNameA, and the seam
// behind them: the window program shows Qt file dialogs, tests install a
// backend that answers from a script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/windef.h"

using WORD = std::uint16_t;
using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEA {
  DWORD lStructSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCSTR lpstrFilter;  // pairs of display text and ';'-separated patterns, ended by an empty text
  LPSTR lpstrCustomFilter;
  DWORD nMaxCustFilter;
  DWORD nFilterIndex;  // 1-based index into lpstrFilter's pairs
  LPSTR lpstrFile;     // in: initial file name; out: the chosen path
  DWORD nMaxFile;      // bytes of lpstrFile, terminator included
  LPSTR lpstrFileTitle;
  DWORD nMaxFileTitle;
  LPCSTR lpstrInitialDir;
  LPCSTR lpstrTitle;
  DWORD Flags;
  WORD nFileOffset;     // out: where the file name starts in lpstrFile
  WORD nFileExtension;  // out: where its extension starts (the terminator when none, 0 after a final '.')
  LPCSTR lpstrDefExt;
  LPARAM lCustData;
  LPOFNHOOKPROC lpfnHook;
  LPCSTR lpTemplateName;
};
using LPOPENFILENAMEA = OPENFILENAMEA*;
using OPENFILENAME = OPENFILENAMEA;

// The size callers built for the Windows 95/NT 4 layout pass; accepted as well
// as the full size of the structure.
constexpr DWORD OPENFILENAME_SIZE_VERSION_400 = 76;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

// Both return TRUE with the chosen path in lpstrFile, or FALSE when the user
// cancelled or the call failed: a structure of another size, no lpstrFile,
// or a path that does not fit lpstrFile, which leaves the buffer as it was.
// Unless OFN_NOCHANGEDIR is given, the current folder becomes the chosen
// file's folder, so the next dialog opens there. GUI thread only.
BOOL GetOpenFileNameA(OPENFILENAMEA* ofn);
BOOL GetSaveFileNameA(OPENFILENAMEA* ofn);

// One entry of the file type list: the text the user sees and the patterns it
// stands for ("*" for every file).
struct FileDialogFilter {
  std::string display;
  std::vector<std::string> patterns;
  bool operator==(const FileDialogFilter&) const = default;
};

// What the caller asked for, in plain terms.
struct FileDialogRequest {
  bool save = false;
  HWND owner = nullptr;
  std::string title;          // "Open" or "Save As" when the caller gives none
  std::string initialFolder;  // the caller's, else the current folder
  std::vector<FileDialogFilter> filters;
  std::size_t filterIndex = 0;  // 0-based into filters
  std::string initialFileName;  // empty when the caller gave none or a wildcard pattern
  std::string defaultExtension;
  bool fileMustExist = false;
  bool pathMustExist = false;
  bool overwritePrompt = false;
};

// Asks the user for one file.
class FileDialogBackend {
 public:
  virtual ~FileDialogBackend() = default;
  // The chosen path (UTF-8), or nothing when the user cancelled.
  virtual std::optional<std::string> Choose(const FileDialogRequest& request) = 0;
};

// Installs `backend` (not owned; it must outlive its use) and returns the one
// it replaces. nullptr restores the Qt file dialogs.
FileDialogBackend* SetFileDialogBackend(FileDialogBackend* backend);
