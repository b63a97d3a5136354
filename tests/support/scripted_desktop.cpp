#include "tests/support/scripted_desktop.h"

#include <gtest/gtest.h>

#include <filesystem>

ScriptedDesktop::ScriptedDesktop()
    : m_previousFolder(std::filesystem::current_path().string()),
      m_previousBoxes(SetMessageBoxBackend(this)),
      m_previousFileDialogs(SetFileDialogBackend(this)),
      m_previousShell(SetShellExecuteBackend(this)),
      m_previousWinExec(SetWinExecBackend(this)),
      m_previousClock(SetUpdateClock([this] { return m_now; })) {}

ScriptedDesktop::~ScriptedDesktop() {
  SetUpdateClock(std::move(m_previousClock));
  SetWinExecBackend(m_previousWinExec);
  SetShellExecuteBackend(m_previousShell);
  SetFileDialogBackend(m_previousFileDialogs);
  SetMessageBoxBackend(m_previousBoxes);
  // A chosen file moves the current folder to its own, as on Windows.
  std::error_code ignored;
  std::filesystem::current_path(m_previousFolder, ignored);
  EXPECT_TRUE(m_choices.empty()) << m_choices.size() << " scripted file choices were never asked for";
}

std::vector<std::string> ScriptedDesktop::BoxTexts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : boxes) texts.push_back(box.text);
  return texts;
}

int ScriptedDesktop::Show(HWND owner, const char* text, const char* caption, UINT type) {
  boxes.push_back({owner, text ? text : "", caption ? caption : "", type});
  const ShownBox shown = boxes.back();  // the answer may show further boxes
  return m_answer ? m_answer(shown) : DefaultMessageBoxAnswer(type);
}

std::optional<std::string> ScriptedDesktop::Choose(const FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (m_choices.empty()) {
    ADD_FAILURE() << "unscripted file dialog \"" << request.title << "\"";
    return std::nullopt;
  }
  std::optional<std::string> choice = std::move(m_choices.front());
  m_choices.pop_front();
  return choice;
}

INT_PTR ScriptedDesktop::Execute(HWND /*owner*/, const char* verb, const char* file,
                                 const char* /*parameters*/, const char* /*directory*/, int /*showCmd*/) {
  shellLaunches.push_back({verb ? verb : "", file ? file : ""});
  return m_shellResult;
}

UINT ScriptedDesktop::Execute(LPCSTR commandLine, UINT /*showCmd*/) {
  commandLines.emplace_back(commandLine ? commandLine : "");
  return 33;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
