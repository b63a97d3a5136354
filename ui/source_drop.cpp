// Videos dropped on the window, or named when the program starts, become the
// sources: one as if chosen in Open Video, several as a queue.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/source_probe.h"
#include "platform/com/translatable.h"
#include "ui/converter_dialog.h"

namespace {

// DragQueryFileA's index that asks for the number of dropped files.
constexpr UINT kDroppedFileCount = 0xFFFFFFFF;

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

// Every dropped path; an empty text for one too long for a path buffer.
std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, kDroppedFileCount, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[MAX_PATH] = "";
    const UINT length = DragQueryFileA(drop, i, nullptr, 0);
    const bool fits = length < sizeof path && DragQueryFileA(drop, i, path, sizeof path) == length;
    paths.emplace_back(fits ? path : "");
  }
  DragFinish(drop);
  return paths;
}

// Why a dropped path cannot join a queue, as a format for its line in the
// message that names the files left out; nullptr when it can join.
const char* WhyLeftOut(const std::string& path) {
  if (path.empty()) return QT_TRANSLATE_NOOP("Corvane", "%s: a name too long for a path");
  if (!FileExists(path.c_str())) return QT_TRANSLATE_NOOP("Corvane", "%s: not a file that can be opened");
  if (!CanRenderSource(path.c_str())) return QT_TRANSLATE_NOOP("Corvane", "%s: not a video file");
  return nullptr;
}

std::string LeftOutLine(const std::string& path, const char* whyFormat) {
  char line[MAX_PATH + 128];
  std::snprintf(line, sizeof line, whyFormat, path.empty() ? "?" : path.c_str());
  std::string text = "  ";
  text += line;
  text += '\n';
  return text;
}

}  // namespace

void ConverterDialog::OnDropFiles(HDROP drop) {
  const std::vector<std::string> paths = DroppedPaths(drop);
  // The running conversion keeps the sources it started with.
  if (m_bConverting || paths.empty()) return;
  if (paths.size() == 1) return DropOneFile(paths.front());
  std::vector<CString> sources;
  std::string leftOut;
  for (const std::string& path : paths) {
    if (const char* why = WhyLeftOut(path)) {
      leftOut += LeftOutLine(path, why);
    } else {
      sources.emplace_back(path);
    }
  }
  if (sources.size() == 1) ChooseSource(sources.front());
  if (sources.size() > 1) ChooseSources(sources);
  if (leftOut.empty()) return;
  MessageBox(
      (QT_TRANSLATE_NOOP("Corvane", "These dropped files were left out:") + std::string("\n") + leftOut)
          .c_str(),
      QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
}

void ConverterDialog::DropOneFile(const std::string& path) {
  if (path.empty()) {
    MessageBox(kNameTooLong, QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  } else if (!FileExists(path.c_str())) {
    MessageBox(CannotOpen(path.c_str()).c_str(), QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  } else {
    ChooseSource(path.c_str());
  }
}
