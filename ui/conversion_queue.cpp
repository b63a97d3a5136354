#include "ui/conversion_queue.h"

#include <array>
#include <cstdio>
#include <filesystem>

#include "engine/formatted_text.h"
#include "paths/path_operations.h"
#include "platform/com/translatable.h"

namespace {

CString FileNameOf(const CString& path) {
  return std::filesystem::path(std::string(path)).filename().string();
}

CString StemOf(const CString& path) { return std::filesystem::path(std::string(path)).stem().string(); }

}  // namespace

std::vector<QueuedConversion> PlanQueue(const std::vector<CString>& sources, const CString& outputPath) {
  const CString folder = GetPathFolder(outputPath);
  std::vector<QueuedConversion> plan;
  for (const CString& source : sources) plan.push_back({source, folder + StemOf(source) + ".mkv"});
  return plan;
}

CString QueueLabel(const std::vector<CString>& sources) {
  constexpr std::size_t kNamesShown = 2;
  std::string names;
  for (std::size_t i = 0; i < sources.size() && i < kNamesShown; ++i) {
    if (i > 0) names += ", ";
    names += FileNameOf(sources[i]);
  }
  if (sources.size() > kNamesShown) names += ", \xE2\x80\xA6";  // an ellipsis
  return FormattedText(QT_TRANSLATE_NOOP("Corvane", "%d files: %s"), static_cast<int>(sources.size()),
                       names.c_str());
}

std::string QueueSummary(const std::vector<QueueEntry>& entries) {
  constexpr std::array<std::pair<QueueOutcome, const char*>, 4> kLines{{
      {QueueOutcome::kConverted, QT_TRANSLATE_NOOP("Corvane", "Converted: %s")},
      {QueueOutcome::kIncomplete, QT_TRANSLATE_NOOP("Corvane", "Written, but incomplete: %s")},
      {QueueOutcome::kFailed, QT_TRANSLATE_NOOP("Corvane", "Failed: %s")},
      {QueueOutcome::kSkipped, QT_TRANSLATE_NOOP("Corvane", "Skipped: %s")},
  }};
  std::string summary;
  for (const auto& [outcome, format] : kLines) {
    std::string names;
    for (const QueueEntry& entry : entries) {
      if (entry.outcome != outcome) continue;
      if (!names.empty()) names += ", ";
      names += entry.name;
      if (entry.reason.empty()) continue;
      names += " (";
      names += entry.reason;
      names += ')';
    }
    if (!names.empty()) summary += FormattedText(format, names.c_str()) + "\n";
  }
  return summary + QT_TRANSLATE_NOOP("Corvane", "Converting is done!");
}
