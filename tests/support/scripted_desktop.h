// A desktop the window tests script: while a ScriptedDesktop lives, message
// boxes, file dialogs, browser and program launches and the update clock are
// answered by the test and recorded instead of reaching the user.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "links/update_prompt.h"
#include "platform/win32/message_box.h"
#include "platform/win32/shell.h"
#include "platform/win32/user/common_dialogs.h"
#include "platform/win32/win_exec.h"

struct ShownBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

struct ShellLaunch {
  std::string verb;
  std::string file;
};

class ScriptedDesktop final : public MessageBoxBackend,
                              public FileDialogBackend,
                              public ShellExecuteBackend,
                              public WinExecBackend {
 public:
  // Picks the button that closes a box; it runs while the box is "open", so
  // it may also post messages for the program to handle afterwards.
  using BoxAnswer = std::function<int(const ShownBox&)>;

  ScriptedDesktop();
  ~ScriptedDesktop() override;
  ScriptedDesktop(const ScriptedDesktop&) = delete;
  ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

  // Without an answer function each box gets its default button.
  void AnswerBoxesWith(BoxAnswer answer) { m_answer = std::move(answer); }
  // The next file dialog returns `path`; nothing (std::nullopt) cancels it.
  void QueueFileChoice(std::optional<std::string> path) { m_choices.push_back(std::move(path)); }
  void SetShellResult(INT_PTR result) { m_shellResult = result; }
  void SetClock(std::int64_t seconds) { m_now = seconds; }

  std::vector<std::string> BoxTexts() const;

  int Show(HWND owner, const char* text, const char* caption, UINT type) override;
  std::optional<std::string> Choose(const FileDialogRequest& request) override;
  INT_PTR Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                  const char* directory, int showCmd) override;
  UINT Execute(LPCSTR commandLine, UINT showCmd) override;

  std::vector<ShownBox> boxes;
  std::vector<FileDialogRequest> fileRequests;
  std::vector<ShellLaunch> shellLaunches;
  std::vector<std::string> commandLines;

 private:
  BoxAnswer m_answer;
  std::deque<std::optional<std::string>> m_choices;
  INT_PTR m_shellResult = 42;
  std::int64_t m_now = 1700000000;
  std::string m_previousFolder;
  MessageBoxBackend* m_previousBoxes;
  FileDialogBackend* m_previousFileDialogs;
  ShellExecuteBackend* m_previousShell;
  WinExecBackend* m_previousWinExec;
  UpdateClock m_previousClock;
};

// Whether `text` ends with `tail`, for answer functions that recognise a box.
bool EndsWith(const std::string& text, const std::string& tail);
