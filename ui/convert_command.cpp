// The Convert command: settle an existing output with the user, then run the
// whole conversion on this thread while the window stays responsive and its
// title shows how far it has got.
#include <sys/stat.h>

#include <cstdio>

#include "engine/convert_to_matroska.h"
#include "engine/report_message.h"
#include "ui/conversion_progress.h"
#include "ui/converter_dialog.h"
#include "ui/text_limits.h"

namespace {

// Whether both paths name one existing file, under whatever names (a link,
// "./", "dir/..").
bool SameFile(const char* first, const char* second) {
  struct stat a {};
  struct stat b {};
  return stat(first, &a) == 0 && stat(second, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool FileExists(LPCSTR path) {
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                            nullptr);
  SetErrorMode(previousMode);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

void ConverterDialog::OnConvert() {
  // A second conversion would write files the running one still holds.
  if (m_bConverting == 1) {
    ReportMessage("Please wait conversion");
    return;
  }
  UpdateData(TRUE);
  if (!ConfirmOutput()) return;
  BeginWaitCursor();
  RunConversion();
  EndWaitCursor();
  MessageBox("Converting is done!", "Message", MB_OK);
}

// Refuses output names that cannot be used and asks before an existing file
// is replaced; true when the conversion may go ahead.
bool ConverterDialog::ConfirmOutput() {
  char testCopy[MAX_PATH];
  if (!CopyWithin(testCopy, m_strOutputPath)) {
    MessageBox("The output file name is too long. Please choose a shorter one.", "Error", MB_OK);
    return false;
  }
  if (m_szInputPath[0] && SameFile(m_szInputPath, testCopy)) {
    MessageBox("The output file is the source video itself. Please choose another output file name.", "Error",
               MB_OK);
    return false;
  }
  if (!FileExists(testCopy)) return true;
  char question[MAX_PATH + 64];
  std::snprintf(question, sizeof(question), "%s exists. Do you want to replace it?", m_strOutputPath.c_str());
  if (MessageBoxA(nullptr, question, "Warning", MB_YESNO | MB_ICONWARNING) != IDYES) return false;
  DeleteFileA(m_strOutputPath);
  return true;
}

void ConverterDialog::RunConversion() {
  char sourceCopy[MAX_PATH];
  char outputCopy[MAX_PATH];
  CopyWithin(sourceCopy, m_szInputPath);  // both fit: the source buffer and the checked output are shorter
  CopyWithin(outputCopy, m_strOutputPath);
  m_bConverting = 1;
  {
    const ConversionProgressTitle progress(m_hWnd, sourceCopy, outputCopy);
    ConvertToMatroska(sourceCopy, outputCopy);
  }
  m_bConverting = 0;
}
