// How corvane-remux follows one conversion: the engine's messages on standard
// error, its narration on standard output only with --verbose, the progress
// for the line the main thread draws, a stop signal as a stop request, and
// the decision whether the written file is kept (after --verify, or when a
// stop left a readable file). Every call but LatestProgress() comes on the
// conversion's thread.
#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "engine/conversion_listener.h"
#include "tools/corvane-remux/rewrap_verifier.h"

struct RemuxListenerSettings {
  std::string sourcePath;
  bool verbose = false;
  bool verify = false;
};

class RemuxListener final : public ConversionListener {
 public:
  explicit RemuxListener(RemuxListenerSettings settings) : m_settings(std::move(settings)) {}

  void OnMessage(const ConversionMessage& message) override;
  void OnDiagnostic(const char* line) override;
  void OnProgress(const ConversionProgress& progress) override;
  void OnSourceNotes(const SourceNotes& notes) override;
  void OnStreamFilterReady(IBaseFilter* streamFilter) override;
  bool StopRequested() override;
  void OnWrittenFile(const char* path) override;
  bool KeepWrittenFile(const std::string& path, ConversionEnd end) override;

  // The latest progress while converting; nothing once the conversion has
  // ended or is being verified. Called from the main thread.
  std::optional<ConversionProgress> LatestProgress() const;

  // What the written file held when a stop ended the run, as "m:ss.s"; empty
  // when it did not read as media.
  const std::string& StoppedDuration() const { return m_stoppedDuration; }
  // The verdict of --verify, once it ran.
  const std::optional<VerificationResult>& Verification() const { return m_verification; }

 private:
  const RemuxListenerSettings m_settings;
  mutable std::mutex m_progressLock;
  std::optional<ConversionProgress> m_progress;
  std::string m_stoppedDuration;
  std::optional<VerificationResult> m_verification;
  // With --verify: the source's packets as the conversion reads them.
  PacketLedger m_sourcePackets;
};
