// The Convert command: settle an existing output with the user, then run the
// whole conversion on this thread while the window stays responsive and its
// title shows how far it has got.
#include <cstdio>

#include "engine/convert_to_matroska_file.h"
#include "engine/report_message.h"
#include "engine/same_file.h"
#include "platform/com/translatable.h"
#include "ui/converter_dialog.h"
#include "ui/text_limits.h"
#include "ui/window_conversion_listener.h"

bool FileExists(LPCSTR path) {
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  SetErrorMode(previousMode);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

void ConverterDialog::OnConvert() {
  // A second conversion would write files the running one still holds, and
  // once closing has begun the window no longer has COM to convert with.
  if (m_bConverting == 1 || m_bClosing) {
    ReportMessage(QT_TRANSLATE_NOOP("Corvane", "Please wait conversion"));
    return;
  }
  UpdateData(TRUE);
  if (!m_queuedSources.empty()) return ConvertQueue();
  // The path the question names is the one converted and replaced, whatever
  // Browse puts in the box while the question is open.
  char outputCopy[MAX_PATH];
  if (!ConfirmOutput(outputCopy)) return;
  // Open Video may have chosen another source meanwhile: it is checked again.
  char sourceCopy[MAX_PATH];
  CopyWithin(sourceCopy, m_szInputPath);  // the source buffer is no larger
  if (RefuseSourceAsOutput(sourceCopy, outputCopy)) return;
  BeginWaitCursor();
  RunConversion(sourceCopy, outputCopy);
  EndWaitCursor();
  MessageBox(QT_TRANSLATE_NOOP("Corvane", "Converting is done!"), QT_TRANSLATE_NOOP("Corvane", "Message"),
             MB_OK);
}

// Takes the output path into `outputCopy`, refuses names that cannot be used
// and asks before an existing file is replaced; true when the conversion may
// go ahead.
bool ConverterDialog::ConfirmOutput(char (&outputCopy)[MAX_PATH]) {
  if (!CopyWithin(outputCopy, m_strOutputPath)) {
    MessageBox(QT_TRANSLATE_NOOP("Corvane", "The output file name is too long. Please choose a shorter one."),
               QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
    return false;
  }
  if (RefuseSourceAsOutput(m_szInputPath, outputCopy)) return false;
  if (!FileExists(outputCopy)) return true;
  char question[MAX_PATH + 64];
  std::snprintf(question, sizeof(question),
                QT_TRANSLATE_NOOP("Corvane", "%s exists. Do you want to replace it?"), outputCopy);
  if (MessageBoxA(nullptr, question, QT_TRANSLATE_NOOP("Corvane", "Warning"), MB_YESNO | MB_ICONWARNING) !=
      IDYES)
    return false;
  // The window may have been closed while the question was open.
  return !m_bClosing;
}

bool ConverterDialog::RefuseSourceAsOutput(LPCSTR sourcePath, LPCSTR outputPath) {
  if (!sourcePath[0] || !IsSameFile(sourcePath, outputPath)) return false;
  MessageBox(
      QT_TRANSLATE_NOOP(
          "Corvane", "The output file is the source video itself. Please choose another output file name."),
      QT_TRANSLATE_NOOP("Corvane", "Error"), MB_OK);
  return true;
}

// The old output, if any, is replaced only by a complete new file; a failed
// conversion leaves it as it was and nothing beside it.
void ConverterDialog::RunConversion(LPCSTR sourcePath, LPCSTR outputPath) {
  m_bConverting = 1;
  {
    WindowConversionListener listener(m_hWnd);
    ConvertToMatroskaFile(sourcePath, outputPath, listener);
  }
  m_bConverting = 0;
}
