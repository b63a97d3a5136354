#include "tools/corvane-remux/remux_result.h"

#include <array>
#include <cstddef>

#include "tools/corvane-remux/stop_signals.h"

namespace {

struct OutcomeRule {
  RemuxOutcome outcome;
  int exitStatus;  // kStopped: worked out from the signal
  int severity;
};

// A stop outranks a refusal, a refusal a failure, a failure an incomplete
// file; a skipped output is as good as a converted one.
constexpr std::array<OutcomeRule, 6> kOutcomeRules{{
    {RemuxOutcome::kOk, 0, 0},
    {RemuxOutcome::kSkipped, 0, 0},
    {RemuxOutcome::kIncomplete, 3, 1},
    {RemuxOutcome::kFailed, 1, 2},
    {RemuxOutcome::kRefused, 2, 3},
    {RemuxOutcome::kStopped, 0, 4},
}};

constexpr bool EveryOutcomeInItsPlace() {
  for (std::size_t i = 0; i < kOutcomeRules.size(); ++i) {
    if (static_cast<std::size_t>(kOutcomeRules[i].outcome) != i) return false;
  }
  return static_cast<std::size_t>(RemuxOutcome::kStopped) + 1 == kOutcomeRules.size();
}
static_assert(EveryOutcomeInItsPlace(), "one rule per outcome, in the order of the enumeration");

const OutcomeRule& RuleOf(RemuxOutcome outcome) { return kOutcomeRules[static_cast<std::size_t>(outcome)]; }

}  // namespace

int ExitStatusOf(RemuxOutcome outcome) {
  if (outcome == RemuxOutcome::kStopped) return ExitStatusForSignal(RequestedStopSignal());
  return RuleOf(outcome).exitStatus;
}

int Severity(RemuxOutcome outcome) { return RuleOf(outcome).severity; }
