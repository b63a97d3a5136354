// Message boxes and shell launches recorded instead of shown, for as long as
// the recorder lives.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/message_box.h"
#include "platform/win32/shell.h"

struct RecordedBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

class RecordingMessageBoxes final : public MessageBoxBackend {
 public:
  RecordingMessageBoxes() : m_previous(SetMessageBoxBackend(this)) {}
  ~RecordingMessageBoxes() override { SetMessageBoxBackend(m_previous); }

  int Show(HWND owner, const char* text, const char* caption, UINT type) override {
    boxes.push_back({owner, text, caption, type});
    return IDOK;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes) texts.push_back(box.text);
    return texts;
  }

  std::vector<RecordedBox> boxes;

 private:
  MessageBoxBackend* m_previous;
};

struct RecordedLaunch {
  HWND owner;
  std::string verb;
  std::string file;
  const char* parameters;
  const char* directory;
  int showCmd;
};

class RecordingShell final : public ShellExecuteBackend {
 public:
  RecordingShell() : m_previous(SetShellExecuteBackend(this)) {}
  ~RecordingShell() override { SetShellExecuteBackend(m_previous); }

  INT_PTR Execute(HWND owner, const char* verb, const char* file, const char* parameters,
                  const char* directory, int showCmd) override {
    launches.push_back({owner, verb ? verb : "", file ? file : "", parameters, directory, showCmd});
    return 42;
  }

  std::vector<RecordedLaunch> launches;

 private:
  ShellExecuteBackend* m_previous;
};
