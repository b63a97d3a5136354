// A video dropped on the window, or named when the program starts, becomes
// the source as if chosen in Open Video.
#include <cstdio>
#include <string>

#include "platform/com/translatable.h"
#include "ui/converter_dialog.h"

namespace {

// DragQueryFileA's index that asks for the number of dropped files.
constexpr UINT kDroppedFileCount = 0xFFFFFFFF;

constexpr char kOneFileOnly[] =
    QT_TRANSLATE_NOOP("Corvane", "Please drop a single video file: Corvane converts one video at a time.");
constexpr char kNameTooLong[] = QT_TRANSLATE_NOOP(
    "Corvane", "The dropped file's name is too long. Please choose a file with a shorter path.");

std::string CannotOpen(const char* path) {
  char text[MAX_PATH + 128];
  std::snprintf(
      text, sizeof text,
      QT_TRANSLATE_NOOP("Corvane", "%s is not a file that can be opened. Please choose a single video file."),
      path);
  return text;
}

}  // namespace

void ConverterDialog::OnDropFiles(HDROP drop) {
  const UINT count = DragQueryFileA(drop, kDroppedFileCount, nullptr, 0);
  char path[MAX_PATH] = "";
  const UINT length = count == 1 ? DragQueryFileA(drop, 0, nullptr, 0) : 0;
  const bool fits = length < sizeof path && DragQueryFileA(drop, 0, path, sizeof path) == length;
  DragFinish(drop);
  // The running conversion keeps the source it started with.
  if (m_bConverting) return;
  if (count != 1) {
    MessageBox(kOneFileOnly, QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  } else if (!fits) {
    MessageBox(kNameTooLong, QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  } else if (!FileExists(path)) {
    MessageBox(CannotOpen(path).c_str(), QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  } else {
    ChooseSource(path);
  }
}
