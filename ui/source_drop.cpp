// Videos dropped on the window, or named when the program starts, become the
// sources: one as if chosen in Open Video, several as a queue.
#include <string>
#include <vector>

#include "engine/source_probe.h"
#include "ui/converter_dialog.h"

namespace {

// DragQueryFileA's index that asks for the number of dropped files.
constexpr UINT kDroppedFileCount = 0xFFFFFFFF;

constexpr char kNameTooLong[] =
    "The dropped file's name is too long. Please choose a file with a shorter path.";

std::string CannotOpen(const std::string& path) {
  return path + " is not a file that can be opened. Please choose a single video file.";
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

// Why a dropped path cannot join a queue, or empty when it can.
std::string WhyLeftOut(const std::string& path) {
  if (path.empty()) return "a name too long for a path";
  if (!FileExists(path.c_str())) return "not a file that can be opened";
  if (!CanRenderSource(path.c_str())) return "not a video file";
  return {};
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
    const std::string why = WhyLeftOut(path);
    if (why.empty()) {
      sources.emplace_back(path);
    } else {
      leftOut += "  " + (path.empty() ? std::string("?") : path) + ": " + why + "\n";
    }
  }
  if (sources.size() == 1) ChooseSource(sources.front());
  if (sources.size() > 1) ChooseSources(sources);
  if (!leftOut.empty())
    MessageBox(("These dropped files were left out:\n" + leftOut).c_str(), "Error", MB_OK);
}

void ConverterDialog::DropOneFile(const std::string& path) {
  if (path.empty()) {
    MessageBox(kNameTooLong, "Error", MB_OK);
  } else if (!FileExists(path.c_str())) {
    MessageBox(CannotOpen(path).c_str(), "Error", MB_OK);
  } else {
    ChooseSource(path.c_str());
  }
}
