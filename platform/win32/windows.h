// Everything of the Win32 stand-in in one include, as <windows.h> gives it.
#pragma once

#include "platform/win32/kernel.h"
#include "platform/win32/message_box.h"
#include "platform/win32/message_queue.h"
#include "platform/win32/modules.h"
#include "platform/win32/shell.h"
#include "platform/win32/shell_folders.h"
#include "platform/win32/string_conversion.h"
#include "platform/win32/win_exec.h"
#include "platform/win32/windef.h"
