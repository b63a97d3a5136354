#include "platform/win32/user/qt_file_dialog.h"

#include <QFile>
#include <QFileDialog>

#include "platform/win32/user/display_text.h"
#include "platform/win32/user/owned_dialog.h"

namespace {

QString PathOf(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// Qt reads a filter's patterns from its last parentheses, and the display
// text may hold parentheses of its own ("Video Files (*.*)"); the patterns
// therefore follow in a group of their own, which HideNameFilterDetails keeps
// out of sight so that the user sees the caller's text alone.
QString NameFilterOf(const FileDialogFilter& filter) {
  QStringList patterns;
  for (const std::string& pattern : filter.patterns) patterns << QString::fromStdString(pattern);
  return DisplayText(filter.display.c_str()) + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

void SetFilters(QFileDialog& dialog, const FileDialogRequest& request) {
  if (request.filters.empty()) return;
  QStringList nameFilters;
  for (const FileDialogFilter& filter : request.filters) nameFilters << NameFilterOf(filter);
  dialog.setNameFilters(nameFilters);
  dialog.selectNameFilter(nameFilters.value(static_cast<qsizetype>(request.filterIndex)));
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
  // Must come first: the other settings go to whichever dialog it selects.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  const bool existing = !request.save && request.fileMustExist;
  dialog.setFileMode(existing ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  SetFilters(dialog, request);
  if (!request.defaultExtension.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.initialFileName.empty()) dialog.selectFile(PathOf(request.initialFileName));
}

class QtFileDialogBackend final : public FileDialogBackend {
 public:
  std::optional<std::string> Choose(const FileDialogRequest& request) override {
    DisabledOwnerWindow ownerWindow(request.owner);
    const QPointer<QFileDialog> dialog = new QFileDialog(
        ownerWindow.Window(), DisplayText(request.title.c_str()), PathOf(request.initialFolder));
    Configure(*dialog, request);
    std::optional<std::string> chosen;
    if (RunOwnedDialog(dialog) && dialog->result() == QDialog::Accepted) {
      const QStringList files = dialog->selectedFiles();
      if (!files.isEmpty()) chosen = QFile::encodeName(files.first()).toStdString();
    }
    delete dialog.data();
    return chosen;
  }
};

}  // namespace

FileDialogBackend& QtFileDialogs() {
  static QtFileDialogBackend backend;
  return backend;
}
