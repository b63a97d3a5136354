// The GUI thread's message loop on Qt: Qt turns input into queued Win32-style
// messages, and this loop hands them to the window procedures. Modal dialogs,
// message boxes and file dialogs all run it, so that messages of other windows
// are still dispatched while they are open, as on Windows.
#pragma once

#include <functional>

#include "platform/win32/message_queue.h"

// Makes PeekMessageA run Qt's pending events first on the calling thread, so
// that any pump (also the conversion's completion wait) keeps the windows
// painted and clickable. Needs a QApplication.
void InstallQtMessagePump();

// Looks at a message before it is translated and dispatched; returns true when
// it has handled the message (a dialog's keyboard handling).
using PreTranslate = std::function<bool(const MSG&)>;

// Takes and dispatches the thread's messages, waiting on Qt while the queue is
// empty, until `finished` returns true (checked before every message).
void RunMessageLoop(const std::function<bool()>& finished, const PreTranslate& preTranslate = {});

// The pre-translation of the loop that is taking input right now: set while a
// loop with one waits for messages, null while a message is being handled
// (a nested pump there, like the conversion's wait, does no dialog keyboard
// handling). Lets a window apply the dialog keyboard to a key at once, in
// order with the keys typed after it.
const PreTranslate* ActivePreTranslate();
