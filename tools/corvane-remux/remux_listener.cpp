#include "tools/corvane-remux/remux_listener.h"

#include <cstdio>

#include "engine/clock_text.h"
#include "engine/source_notes_message.h"
#include "platform/com/com_ptr.h"
#include "tools/corvane-remux/media_file_reader.h"
#include "tools/corvane-remux/remux_messages.h"
#include "tools/corvane-remux/stop_signals.h"

namespace {

// The playing time a closed Matroska file holds, as "m:ss.s"; empty when the
// file does not read as media.
std::string WrittenDuration(const std::string& path) {
  MediaFileReader reader;
  const RemuxResult opened = reader.Open(path);
  if (!opened.GoesOn()) return {};
  return ClockText(static_cast<double>(reader.Media().Container()->durationUs) / 1e6, true);
}

}  // namespace

void RemuxListener::OnMessage(const ConversionMessage& message) { PrintProgramLines(message.text); }

// Standard output stays clean for scripts unless the steps are asked for.
void RemuxListener::OnDiagnostic(const char* line) {
  if (!m_settings.verbose) return;
  std::fputs(line, stdout);
  std::fflush(stdout);
}

void RemuxListener::OnProgress(const ConversionProgress& progress) {
  const std::lock_guard lock(m_progressLock);
  m_progress = progress;
}

void RemuxListener::OnSourceNotes(const SourceNotes& notes) {
  // Structure streams lose nothing, so they are named only when asked for.
  if (m_settings.verbose) {
    for (const LeftOutStream& stream : notes.structure) {
      std::string line = "stream ";
      line += std::to_string(stream.number);
      line += " (" + stream.kind + ", " + stream.codec + ") is not copied as a track: ";
      line += stream.reason;
      PrintProgramLines(line);
    }
  }
  PrintProgramLines(IncompleteSourceMessage(notes));
}

// The source is read once: its packets are fingerprinted as the splitter
// reads them for the conversion, and only the written file is read again.
void RemuxListener::OnStreamFilterReady(IBaseFilter* streamFilter) {
  if (!m_settings.verify) return;
  ComPtr<IReadPacketTap> tap;
  if (SUCCEEDED(streamFilter->QueryInterface(IReadPacketTap::iid,
                                             reinterpret_cast<void**>(tap.ReleaseAndGetAddressOf()))))
    tap->SetReadPacketObserver(&m_sourcePackets);
}

bool RemuxListener::StopRequested() { return RequestedStopSignal() != 0; }

// A second stop signal ends the program at once; it removes the unfinished
// file first, so that nothing torn is left behind.
void RemuxListener::OnWrittenFile(const char* path) { SetFileToRemoveOnAbandon(path); }

bool RemuxListener::KeepWrittenFile(const std::string& path, ConversionEnd end) {
  {
    const std::lock_guard lock(m_progressLock);
    m_progress.reset();
  }
  if (end == ConversionEnd::kStopped) {
    m_stoppedDuration = WrittenDuration(path);
    return !m_stoppedDuration.empty();
  }
  if (!m_settings.verify) return true;
  const auto shouldStop = [] { return RequestedStopSignal() != 0; };
  // A splitter that could not be watched leaves the source to be read anew.
  m_verification = m_sourcePackets.Filled() ? VerifyRewrap(m_sourcePackets, path, shouldStop)
                                            : VerifyRewrap(m_settings.sourcePath, path, shouldStop);
  // A verification cut short by a stop keeps the complete, unverified file.
  return m_verification->verdict == VerificationResult::Verdict::kSame ||
         m_verification->verdict == VerificationResult::Verdict::kInterrupted;
}

std::optional<ConversionProgress> RemuxListener::LatestProgress() const {
  const std::lock_guard lock(m_progressLock);
  return m_progress;
}
