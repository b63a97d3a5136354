// Waiting for a state instead of sleeping a fixed time: a test polls for what
// it needs and goes on the moment it holds, so it is neither slow on a quiet
// machine nor flaky on a loaded one.
#pragma once

#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace test_support {

// Polls `holds` until it is true or `deadline` has passed; whether it held.
template <typename Condition>
bool WaitUntil(Condition holds, std::chrono::milliseconds deadline = std::chrono::seconds(30)) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!holds()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// The kernel's id of the calling thread.
inline pid_t CurrentThreadId() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

// Whether thread `tid` of this process is asleep in the kernel, as a thread
// waiting on a condition variable or an event is.
inline bool ThreadIsBlocked(pid_t tid) {
  std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const std::size_t name = line.rfind(')');  // the state follows the command name
  return name != std::string::npos && name + 2 < line.size() && line[name + 2] == 'S';
}

}  // namespace test_support
