#include "engine/report_message.h"

#include <cstdarg>
#include <cstdio>

#include "platform/win32/message_box.h"

void ReportMessage(const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  MessageBoxA(nullptr, text, "Pellumbra", MB_OK);
}
