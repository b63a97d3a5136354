#include "platform/win32/message_box.h"

#include <atomic>
#include <cstdio>
#include <span>

namespace {}  // namespace

std::span<const int> MessageBoxButtons(UINT type) {
  static constexpr int kOk[] = {IDOK};
  static constexpr int kOkCancel[] = {IDOK, IDCANCEL};
  static constexpr int kAbortRetryIgnore[] = {IDABORT, IDRETRY, IDIGNORE};
  static constexpr int kYesNoCancel[] = {IDYES, IDNO, IDCANCEL};
  static constexpr int kYesNo[] = {IDYES, IDNO};
  static constexpr int kRetryCancel[] = {IDRETRY, IDCANCEL};
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return kOkCancel;
    case MB_ABORTRETRYIGNORE:
      return kAbortRetryIgnore;
    case MB_YESNOCANCEL:
      return kYesNoCancel;
    case MB_YESNO:
      return kYesNo;
    case MB_RETRYCANCEL:
      return kRetryCancel;
    default:
      return kOk;
  }
}

namespace {

// Without a window system the message still reaches the user on the terminal,
// and the program goes on as if the default button had been pressed.
class TerminalMessageBox final : public MessageBoxBackend {
 public:
  int Show(HWND /*owner*/, const char* text, const char* caption, UINT type) override {
    std::fprintf(stderr, "[%s] %s\n", caption ? caption : "Error", text ? text : "");
    std::fflush(stderr);
    return DefaultMessageBoxAnswer(type);
  }
};

TerminalMessageBox g_terminal;
std::atomic<MessageBoxBackend*> g_backend{&g_terminal};

}  // namespace

int DefaultMessageBoxAnswer(UINT type) {
  const std::span<const int> buttons = MessageBoxButtons(type);
  const std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
  return defaultIndex < buttons.size() ? buttons[defaultIndex] : buttons[0];
}

MessageBoxBackend* SetMessageBoxBackend(MessageBoxBackend* backend) {
  return g_backend.exchange(backend ? backend : &g_terminal);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return g_backend.load()->Show(owner, text, caption, type);
}
