#include <cstdio>

#include "engine/conversion_listener.h"
#include "engine/report_message.h"
#include "engine/source_notes_message.h"
#include "platform/com/translatable.h"
#include "platform/win32/message_box.h"

void MessageBoxListener::OnMessage(const ConversionMessage& message) {
  if (message.kind == MessageKind::kError) {
    MessageBoxA(nullptr, message.text.c_str(), QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  } else {
    ReportMessage("%s", message.text.c_str());
  }
}

void MessageBoxListener::OnDiagnostic(const char* line) {
  std::fputs(line, stdout);
  std::fflush(stdout);
}

void MessageBoxListener::OnSourceNotes(const SourceNotes& notes) {
  const std::string message = IncompleteSourceMessage(notes);
  if (!message.empty()) ReportMessage("%s", message.c_str());
}
