#include "platform/win32/win_exec.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <utility>

#include "platform/win32/kernel.h"
#include "platform/win32/posix_error.h"

extern char** environ;

namespace {

constexpr UINT kStarted = 33;
// Failure codes above this would read as success.
constexpr DWORD kHighestFailure = 31;
// What the C library searches when PATH is not set at all.
constexpr std::string_view kDefaultSearchPath = "/bin:/usr/bin";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Appends the run of backslashes that starts at `first` as Windows reads it
// and returns the index of the last character taken.
std::size_t TakeBackslashes(std::string_view line, std::size_t first, std::string& token) {
  std::size_t end = line.find_first_not_of('\\', first);
  if (end == std::string_view::npos) end = line.size();
  const std::size_t count = end - first;
  const bool beforeQuote = end < line.size() && line[end] == '"';
  token.append(beforeQuote ? count / 2 : count, '\\');
  if (!beforeQuote || count % 2 == 0) return end - 1;
  token += '"';
  return end;
}

bool IsExecutableFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string PathIn(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.back() != '/') path += '/';
  return path.append(name);
}

UINT WinExecErrorOf(int spawnError, const std::string& program) {
  if (spawnError == ENOMEM || spawnError == EAGAIN) return 0;
  if (spawnError == ENOEXEC) return ERROR_BAD_FORMAT;
  const DWORD error = Win32ErrorOfPathFailure(spawnError, program.c_str());
  return error <= kHighestFailure ? error : 0;
}

// The program gets a session of its own, so that closing or interrupting the
// caller's terminal leaves it running, and an empty signal mask whatever the
// calling thread blocks. A thread of its own only collects its exit status so that
// no finished child lingers.
UINT Spawn(const std::string& program, const std::vector<std::string>& tokens) {
  std::vector<char*> argv;
  for (const std::string& token : tokens) argv.push_back(const_cast<char*>(token.c_str()));
  argv.push_back(nullptr);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t noSignals;
  sigemptyset(&noSignals);
  posix_spawnattr_setsigmask(&attributes, &noSignals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.c_str(), nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return WinExecErrorOf(error, program);
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return kStarted;
}

class ProcessBackend final : public WinExecBackend {
 public:
  UINT Execute(LPCSTR commandLine, UINT /*showCmd*/) override {
    const std::vector<std::string> tokens = SplitCommandLine(commandLine ? commandLine : "");
    if (tokens.empty()) return ERROR_FILE_NOT_FOUND;
    const char* searchPath = std::getenv("PATH");
    const std::string program =
        FindProgram(tokens.front(), ProgramFolder(), searchPath ? searchPath : kDefaultSearchPath);
    if (program.empty()) return ERROR_FILE_NOT_FOUND;
    return Spawn(program, tokens);
  }
};

ProcessBackend g_processes;
std::atomic<WinExecBackend*> g_backend{&g_processes};

}  // namespace

WinExecBackend* SetWinExecBackend(WinExecBackend* backend) {
  return g_backend.exchange(backend ? backend : &g_processes);
}

UINT WinExec(LPCSTR commandLine, UINT showCmd) { return g_backend.load()->Execute(commandLine, showCmd); }

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> tokens;
  std::string token;
  bool inToken = false;  // an empty pair of quotes still makes a token
  bool quoted = false;
  for (std::size_t i = 0; i < commandLine.size(); ++i) {
    const char c = commandLine[i];
    if (IsBlank(c) && !quoted) {
      if (inToken) tokens.push_back(std::exchange(token, {}));
      inToken = false;
      continue;
    }
    inToken = true;
    if (c == '\\') {
      i = TakeBackslashes(commandLine, i, token);
    } else if (c == '"' && quoted && i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
      token += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else {
      token += c;
    }
  }
  if (inToken) tokens.push_back(std::move(token));
  return tokens;
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
}

// An empty entry of the search path would mean the working folder; it is left
// out so that a file lying there cannot pose as the program.
std::string FindProgram(std::string_view program, std::string_view programFolder,
                        std::string_view searchPath) {
  if (program.find('/') != std::string_view::npos) return std::string(program);
  if (program.empty()) return {};
  if (!programFolder.empty() && IsExecutableFile(PathIn(programFolder, program)))
    return PathIn(programFolder, program);
  while (!searchPath.empty()) {
    const std::size_t colon = std::min(searchPath.find(':'), searchPath.size());
    const std::string_view folder = searchPath.substr(0, colon);
    searchPath.remove_prefix(std::min(colon + 1, searchPath.size()));
    if (!folder.empty() && IsExecutableFile(PathIn(folder, program))) return PathIn(folder, program);
  }
  return {};
}
