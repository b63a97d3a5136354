#include "platform/win32/user/message_loop.h"

#include <QCoreApplication>
#include <QEventLoop>

void InstallQtMessagePump() {
  SetMessagePumpHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
}

void RunMessageLoop(const std::function<bool()>& finished, const PreTranslate& preTranslate) {
  MSG msg{};
  while (!finished()) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // The events PeekMessageA just ran may have ended the loop; otherwise
      // sleep until the window system has something for us.
      if (!finished()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the outermost loop ends the program
      return;
    }
    if (preTranslate && preTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
