// The file dialog backend of the window program: a QFileDialog.
#pragma once

#include "platform/win32/user/common_dialogs.h"

// Qt's own file dialog, not the desktop's, so that it looks and behaves the
// same everywhere and window tests can drive it. Owned by the owner's window
// (disabled meanwhile), run in the thread's message loop. GUI thread only.
FileDialogBackend& QtFileDialogs();
