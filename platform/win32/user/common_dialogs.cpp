#include "platform/win32/user/common_dialogs.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/com/translatable.h"
#include "platform/win32/user/qt_file_dialog.h"

namespace {

std::atomic<FileDialogBackend*> g_backend{nullptr};  // null: the Qt file dialogs

FileDialogBackend& Backend() {
  FileDialogBackend* backend = g_backend.load();
  return backend ? *backend : QtFileDialogs();
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Windows matches "*.*" against every name, with or without a dot; here a
// name without a dot would not match it, so it becomes "*".
std::vector<std::string> PatternsOf(std::string_view list) {
  std::vector<std::string> patterns;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find(';'), list.size());
    const std::string_view pattern = Trimmed(list.substr(0, end));
    if (pattern == "*.*") {
      patterns.emplace_back("*");
    } else if (!pattern.empty()) {
      patterns.emplace_back(pattern);
    }
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return patterns;
}

// The filter list is a run of NUL-terminated strings, display text and
// patterns in turn, ended by an empty string.
std::vector<FileDialogFilter> FiltersOf(const char* list) {
  std::vector<FileDialogFilter> filters;
  while (list && *list) {
    const std::string_view display(list);
    const char* patterns = list + display.size() + 1;
    if (!*patterns) break;  // a display text without patterns ends the list
    filters.push_back({std::string(display), PatternsOf(patterns)});
    list = patterns + std::strlen(patterns) + 1;
  }
  return filters;
}

std::string CurrentFolder() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

// The initial contents of lpstrFile: a file name to preselect, or a pattern
// that only says which files to list and is no name at all.
std::string InitialFileNameOf(const OPENFILENAMEA& ofn) {
  const std::string name(ofn.lpstrFile, strnlen(ofn.lpstrFile, ofn.nMaxFile));
  return name.find_first_of("*?") == std::string::npos ? name : std::string();
}

FileDialogRequest RequestOf(const OPENFILENAMEA& ofn, bool save) {
  FileDialogRequest request;
  request.save = save;
  request.owner = ofn.hwndOwner;
  request.title = ofn.lpstrTitle && *ofn.lpstrTitle ? ofn.lpstrTitle
                                                    : (save ? QT_TRANSLATE_NOOP("Corvane", "Save As")
                                                            : QT_TRANSLATE_NOOP("Corvane", "Open"));
  const bool hasFolder = ofn.lpstrInitialDir && *ofn.lpstrInitialDir;
  request.initialFolder = hasFolder ? std::string(ofn.lpstrInitialDir) : CurrentFolder();
  request.filters = FiltersOf(ofn.lpstrFilter);
  const bool indexValid = ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= request.filters.size();
  request.filterIndex = indexValid ? ofn.nFilterIndex - 1 : 0;
  request.initialFileName = InitialFileNameOf(ofn);
  request.defaultExtension = ofn.lpstrDefExt ? ofn.lpstrDefExt : "";
  request.fileMustExist = (ofn.Flags & OFN_FILEMUSTEXIST) != 0;
  request.pathMustExist = (ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) != 0;
  request.overwritePrompt = (ofn.Flags & OFN_OVERWRITEPROMPT) != 0;
  return request;
}

bool IsUsable(const OPENFILENAMEA* ofn) {
  return ofn &&
         (ofn->lStructSize == sizeof(OPENFILENAMEA) || ofn->lStructSize == OPENFILENAME_SIZE_VERSION_400) &&
         ofn->lpstrFile && ofn->nMaxFile > 0;
}

// Windows gives no extension offset for a name that ends in a dot, and the
// terminator's offset for a name without one.
std::size_t ExtensionOffset(const std::string& path, std::size_t nameOffset) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameOffset) return path.size();
  return dot + 1 == path.size() ? 0 : dot + 1;
}

bool StoreChosenPath(OPENFILENAMEA& ofn, const std::string& path) {
  if (path.size() + 1 > ofn.nMaxFile) return false;
  std::memcpy(ofn.lpstrFile, path.c_str(), path.size() + 1);
  const std::size_t nameOffset = path.rfind('/') + 1;  // npos + 1 is 0: no folder part
  ofn.nFileOffset = static_cast<WORD>(nameOffset);
  ofn.nFileExtension = static_cast<WORD>(ExtensionOffset(path, nameOffset));
  const std::string_view name = std::string_view(path).substr(nameOffset);
  if (ofn.lpstrFileTitle && name.size() + 1 <= ofn.nMaxFileTitle) {
    std::memcpy(ofn.lpstrFileTitle, name.data(), name.size());
    ofn.lpstrFileTitle[name.size()] = '\0';
  }
  return true;
}

void EnterChosenFolder(const std::string& path) {
  std::error_code ignored;  // the choice stands even where the folder cannot be entered
  std::filesystem::current_path(std::filesystem::path(path).parent_path(), ignored);
}

BOOL RunFileDialog(OPENFILENAMEA* ofn, bool save) {
  if (!IsUsable(ofn)) return FALSE;
  const std::optional<std::string> chosen = Backend().Choose(RequestOf(*ofn, save));
  if (!chosen || !StoreChosenPath(*ofn, *chosen)) return FALSE;
  if (!(ofn->Flags & OFN_NOCHANGEDIR)) EnterChosenFolder(*chosen);
  return TRUE;
}

}  // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* ofn) { return RunFileDialog(ofn, false); }

BOOL GetSaveFileNameA(OPENFILENAMEA* ofn) { return RunFileDialog(ofn, true); }

FileDialogBackend* SetFileDialogBackend(FileDialogBackend* backend) {
  FileDialogBackend* previous = g_backend.exchange(backend);
  return previous ? previous : &QtFileDialogs();
}
