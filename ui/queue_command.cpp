// Convert with several sources: one question about the outputs that exist,
// then each source through the same safe conversion as a single one, and one
// message at the end that names what became of every file.
#include <cstdio>
#include <filesystem>
#include <set>

#include "engine/convert_to_matroska_file.h"
#include "engine/failure_cause.h"
#include "engine/same_file.h"
#include "platform/com/translatable.h"
#include "ui/conversion_queue.h"
#include "ui/converter_dialog.h"
#include "ui/window_conversion_listener.h"

namespace {

// Follows one file of a queue in the title; its messages wait for the
// summary instead of stopping the queue with a box each.
class QueuedFileListener final : public WindowConversionListener {
 public:
  using WindowConversionListener::WindowConversionListener;

  void OnMessage(const ConversionMessage& message) override {
    if (m_firstFailure == S_OK && FAILED(message.code)) m_firstFailure = message.code;
  }
  void OnSourceNotes(const SourceNotes& /*notes*/) override {}

  HRESULT FirstFailure() const { return m_firstFailure; }

 private:
  HRESULT m_firstFailure = S_OK;
};

CString FileNameOf(const CString& path) {
  return std::filesystem::path(std::string(path)).filename().string();
}

// Why a planned conversion does not run, or empty when it may.
std::string ReasonToSkip(const QueuedConversion& item, bool replaceExisting,
                         std::set<std::string>& outputsTaken) {
  if (IsSameFile(item.source, item.output)) return QT_TRANSLATE_NOOP("Corvane", "it is its own output");
  if (!outputsTaken.insert(std::filesystem::absolute(std::string(item.output)).string()).second)
    return QT_TRANSLATE_NOOP("Corvane", "another file of the queue has the same output name");
  if (!replaceExisting && FileExists(item.output)) return QT_TRANSLATE_NOOP("Corvane", "the output exists");
  return {};
}

QueueEntry Convert(HWND window, const QueuedConversion& item, const std::string& step) {
  QueuedFileListener listener(window, step);
  const FileConversionResult result = ConvertToMatroskaFile(item.source, item.output, listener);
  if (result.end == ConversionEnd::kComplete) return {FileNameOf(item.source), QueueOutcome::kConverted, {}};
  if (result.end == ConversionEnd::kIncomplete)
    return {FileNameOf(item.source), QueueOutcome::kIncomplete, {}};
  const HRESULT cause = FAILED(listener.FirstFailure()) ? listener.FirstFailure() : result.hr;
  return {FileNameOf(item.source), QueueOutcome::kFailed, KnownCause(cause)};
}

}  // namespace

// Asks once about the outputs that exist; true when they are to be replaced.
// The plan is made before the question, so Browse during it changes nothing.
bool ConverterDialog::AskAboutExistingOutputs(const std::vector<QueuedConversion>& plan) {
  std::size_t existing = 0;
  for (const QueuedConversion& item : plan) existing += FileExists(item.output) ? 1 : 0;
  if (existing == 0) return true;
  char question[128];
  std::snprintf(question, sizeof question,
                QT_TRANSLATE_NOOP("Corvane", "%d of %d output files exist. Replace them?"),
                static_cast<int>(existing), static_cast<int>(plan.size()));
  return MessageBoxA(nullptr, question, QT_TRANSLATE_NOOP("Corvane", "Warning"), MB_YESNO | MB_ICONWARNING) ==
         IDYES;
}

void ConverterDialog::ConvertQueue() {
  const std::vector<QueuedConversion> plan = PlanQueue(m_queuedSources, m_strOutputPath);
  const bool replaceExisting = AskAboutExistingOutputs(plan);
  if (m_bClosing) return;  // the window was closed while the question was open
  BeginWaitCursor();
  m_bConverting = 1;
  std::vector<QueueEntry> entries;
  std::set<std::string> outputsTaken;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    const std::string skip = ReasonToSkip(plan[i], replaceExisting, outputsTaken);
    const std::string step = std::to_string(i + 1) + "/" + std::to_string(plan.size());
    entries.push_back(skip.empty() ? Convert(m_hWnd, plan[i], step)
                                   : QueueEntry{FileNameOf(plan[i].source), QueueOutcome::kSkipped, skip});
  }
  m_bConverting = 0;
  EndWaitCursor();
  MessageBox(QueueSummary(entries).c_str(), QT_TRANSLATE_NOOP("Corvane", "Message"), MB_OK);
}
