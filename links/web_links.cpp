#include "links/web_links.h"

#include "paths/path_operations.h"
#include "platform/com/translatable.h"
#include "platform/win32/message_box.h"
#include "platform/win32/shell.h"
#include "platform/win32/win_exec.h"
#include "res/web_addresses.h"

const char BrowserFailureText[] = "The Program does not launch your web browser to access " CORVANE_HOME_PAGE
                                  " ,\nPlease launch your web browser and input the URL manually.";
// The text above is joined with the address when it is compiled; its format
// is listed here so that the window shows it in the user's language.
[[maybe_unused]] constexpr char kBrowserFailureFormat[] =
    QT_TRANSLATE_NOOP("Corvane",
                      "The Program does not launch your web browser to access %s ,\nPlease launch your web "
                      "browser and input the "
                      "URL manually.");

void OpenHomePage(HWND owner) {
  const auto result = reinterpret_cast<std::uintptr_t>(
      ShellExecuteA(nullptr, "open", HomePageUrl, nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32)
    MessageBoxA(owner, BrowserFailureText, QT_TRANSLATE_NOOP("Corvane", "Unknown error"), MB_OK);
}

std::string HelpCommandLine(const char* helpFilePath) {
  return "hh.exe " + GetPathFolder(helpFilePath ? helpFilePath : "") + "help.chm::/Introduction.htm";
}

void LaunchHelp(const char* helpFilePath) { WinExec(HelpCommandLine(helpFilePath).c_str(), SW_SHOW); }
