#include "platform/win32/shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace {

constexpr INT_PTR kLaunched = 42;

bool IsOpenVerb(const char* verb) {
  return !verb || !*verb || std::strcmp(verb, "open") == 0 || std::strcmp(verb, "explore") == 0;
}

INT_PTR ShellErrorOf(int spawnError) {
  switch (spawnError) {
    case ENOENT:
      return SE_ERR_FNF;
    case EACCES:
    case EPERM:
      return SE_ERR_ACCESSDENIED;
    case ENOMEM:
      return SE_ERR_OOM;
    default:
      return 0;
  }
}

// The desktop's opener decides which program shows the file. It runs detached
// from the caller; a helper thread only collects its exit status so that no
// finished child lingers.
class XdgOpenBackend final : public ShellExecuteBackend {
 public:
  INT_PTR Execute(HWND /*owner*/, const char* verb, const char* file, const char* /*parameters*/,
                  const char* directory, int /*showCmd*/) override {
    if (!file || !*file) return SE_ERR_FNF;
    if (!IsOpenVerb(verb)) return SE_ERR_NOASSOC;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (directory && *directory) posix_spawn_file_actions_addchdir_np(&actions, directory);
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(file), nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return ShellErrorOf(error);
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return kLaunched;
  }
};

XdgOpenBackend g_xdgOpen;
std::atomic<ShellExecuteBackend*> g_backend{&g_xdgOpen};

}  // namespace

ShellExecuteBackend* SetShellExecuteBackend(ShellExecuteBackend* backend) {
  return g_backend.exchange(backend ? backend : &g_xdgOpen);
}

HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        int showCmd) {
  const INT_PTR result = g_backend.load()->Execute(owner, verb, file, parameters, directory, showCmd);
  return reinterpret_cast<HINSTANCE>(result);
}
