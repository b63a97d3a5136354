#include "platform/win32/user/message_loop.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

thread_local const PreTranslate* t_activePreTranslate = nullptr;

// Sets the active pre-translation for as long as it lives.
class ActiveScope {
 public:
  explicit ActiveScope(const PreTranslate* active) : m_outer(t_activePreTranslate) {
    t_activePreTranslate = active;
  }
  ~ActiveScope() { t_activePreTranslate = m_outer; }
  ActiveScope(const ActiveScope&) = delete;
  ActiveScope& operator=(const ActiveScope&) = delete;

 private:
  const PreTranslate* m_outer;
};

}  // namespace

const PreTranslate* ActivePreTranslate() { return t_activePreTranslate; }

void InstallQtMessagePump() {
  SetMessagePumpHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
}

void RunMessageLoop(const std::function<bool()>& finished, const PreTranslate& preTranslate) {
  MSG msg{};
  const PreTranslate* active = preTranslate ? &preTranslate : nullptr;
  while (!finished()) {
    bool taken = false;
    {
      const ActiveScope waiting(active);
      taken = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
      // The events PeekMessageA just ran may have ended the loop; otherwise
      // sleep until the window system has something for us.
      if (!taken && !finished()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!taken) continue;
    const ActiveScope handling(nullptr);
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the outermost loop ends the program
      return;
    }
    if (preTranslate && preTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
