#include "ui/conversion_queue.h"

#include <array>
#include <filesystem>

#include "paths/path_operations.h"

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
  CString label = std::to_string(sources.size()) + " files: ";
  for (std::size_t i = 0; i < sources.size() && i < kNamesShown; ++i)
    label += (i ? ", " : "") + FileNameOf(sources[i]);
  if (sources.size() > kNamesShown) label += ", \xE2\x80\xA6";  // an ellipsis
  return label;
}

std::string QueueSummary(const std::vector<QueueEntry>& entries) {
  constexpr std::array<std::pair<QueueOutcome, const char*>, 4> kHeadings{{
      {QueueOutcome::kConverted, "Converted: "},
      {QueueOutcome::kIncomplete, "Written, but incomplete: "},
      {QueueOutcome::kFailed, "Failed: "},
      {QueueOutcome::kSkipped, "Skipped: "},
  }};
  std::string summary;
  for (const auto& [outcome, heading] : kHeadings) {
    std::string line;
    for (const QueueEntry& entry : entries) {
      if (entry.outcome != outcome) continue;
      line += (line.empty() ? heading : ", ") + entry.name;
      if (!entry.reason.empty()) line += " (" + entry.reason + ")";
    }
    if (!line.empty()) summary += line + "\n";
  }
  return summary + "Converting is done!";
}
