#include "links/update_prompt.h"

#include <ctime>
#include <utility>

#include "links/web_links.h"
#include "platform/afx/afxwin.h"
#include "platform/com/translatable.h"
#include "platform/win32/shell.h"

namespace {

constexpr std::int64_t kInterval = 15552000;  // 180 days of 86400 seconds

UpdateClock& Clock() {
  static UpdateClock clock;
  return clock;
}

std::int64_t Now() { return Clock() ? Clock()() : static_cast<std::int64_t>(std::time(nullptr)); }

int LowBits(std::int64_t time) { return static_cast<int>(static_cast<std::uint32_t>(time)); }

void StoreTime(CWinApp* app, std::int64_t time) {
  app->WriteProfileInt("Setup", "t_first_update", LowBits(time));
}

}  // namespace

UpdateClock SetUpdateClock(UpdateClock clock) { return std::exchange(Clock(), std::move(clock)); }

std::int64_t WidenStoredTime(std::uint32_t stored, std::int64_t now) {
  // The difference modulo 2^32, read as signed, is the distance to now for
  // any stored time within 68 years of it.
  const auto behind = static_cast<std::int32_t>(static_cast<std::uint32_t>(now) - stored);
  return now - behind;
}

void OfferUpdateCheck(const char* page) {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  const std::int64_t now = Now();
  const std::int64_t stored =
      WidenStoredTime(app->GetProfileInt("Setup", "t_first_update", LowBits(now)), now);
  if (stored == now) StoreTime(app, now);  // the first closing only records the time
  if (stored + kInterval >= now) return;
  if (MessageBoxA(nullptr,
                  QT_TRANSLATE_NOOP("Corvane", "Do you want to check the lastest version on our website?"),
                  QT_TRANSLATE_NOOP("Corvane", "Update the program"), MB_YESNO) == IDYES) {
    const auto result = reinterpret_cast<std::uintptr_t>(
        ShellExecuteA(nullptr, "open", page, nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
      MessageBoxA(nullptr, BrowserFailureText, QT_TRANSLATE_NOOP("Corvane", "unknown errors"), MB_OK);
  }
  StoreTime(app, now);
}
