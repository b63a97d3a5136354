#include "platform/win32/message_queue.h"

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace {

// Messages can be posted from any thread; only the owning thread reads them.
struct ThreadQueue {
  std::mutex mutex;
  std::deque<MSG> messages;
};

struct WindowEntry {
  WNDPROC proc;
  DWORD ownerThread;
};

struct Registry {
  std::mutex mutex;
  std::map<DWORD, std::shared_ptr<ThreadQueue>> queues;
  std::map<HWND, WindowEntry> windows;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

// Creates the calling thread's queue on first use and drops it when the thread
// ends, so later posts to its windows fail instead of piling up.
class OwnQueue {
 public:
  OwnQueue() : m_queue(std::make_shared<ThreadQueue>()), m_thread(GetCurrentThreadId()) {
    std::lock_guard lock(TheRegistry().mutex);
    TheRegistry().queues[m_thread] = m_queue;
  }
  ~OwnQueue() {
    std::lock_guard lock(TheRegistry().mutex);
    TheRegistry().queues.erase(m_thread);
  }
  ThreadQueue& Get() { return *m_queue; }

 private:
  std::shared_ptr<ThreadQueue> m_queue;
  DWORD m_thread;
};

ThreadQueue& CallingThreadQueue() {
  thread_local OwnQueue queue;
  return queue.Get();
}

thread_local MessagePumpHook t_pumpHook;

DWORD MillisecondsSinceStart() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId) {
  std::lock_guard lock(TheRegistry().mutex);
  const auto it = TheRegistry().queues.find(threadId);
  return it == TheRegistry().queues.end() ? nullptr : it->second;
}

BOOL Post(ThreadQueue& queue, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  std::lock_guard lock(queue.mutex);
  queue.messages.push_back(MSG{hwnd, message, wParam, lParam, MillisecondsSinceStart(), POINT{0, 0}});
  return TRUE;
}

bool Matches(const MSG& msg, HWND filter, UINT min, UINT max) {
  if (filter && msg.hwnd != filter) return false;
  return (min == 0 && max == 0) || (msg.message >= min && msg.message <= max);
}

}  // namespace

DWORD GetCurrentThreadId() { return static_cast<DWORD>(gettid()); }

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return Post(CallingThreadQueue(), nullptr, message, wParam, lParam);
  DWORD owner = 0;
  {
    std::lock_guard lock(TheRegistry().mutex);
    const auto it = TheRegistry().windows.find(hwnd);
    if (it == TheRegistry().windows.end()) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    owner = it->second.ownerThread;
  }
  const std::shared_ptr<ThreadQueue> queue = QueueOfThread(owner);
  if (!queue) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  return Post(*queue, hwnd, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  Post(CallingThreadQueue(), nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

BOOL PeekMessageA(MSG* msg, HWND filter, UINT min, UINT max, UINT removeFlags) {
  if (t_pumpHook) t_pumpHook();
  ThreadQueue& queue = CallingThreadQueue();
  std::lock_guard lock(queue.mutex);
  for (auto it = queue.messages.begin(); it != queue.messages.end(); ++it) {
    if (!Matches(*it, filter, min, max)) continue;
    if (msg) *msg = *it;
    if (removeFlags & PM_REMOVE) queue.messages.erase(it);
    return TRUE;
  }
  return FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  switch (msg->message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      return TRUE;
    default:
      return FALSE;
  }
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  WNDPROC proc = nullptr;
  {
    std::lock_guard lock(TheRegistry().mutex);
    const auto it = TheRegistry().windows.find(msg->hwnd);
    if (it != TheRegistry().windows.end()) proc = it->second.proc;
  }
  return proc ? proc(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

void RegisterWindowProc(HWND hwnd, WNDPROC proc) {
  CallingThreadQueue();  // a window's messages need a queue to go to
  std::lock_guard lock(TheRegistry().mutex);
  TheRegistry().windows[hwnd] = WindowEntry{proc, GetCurrentThreadId()};
}

void UnregisterWindowProc(HWND hwnd) {
  std::lock_guard lock(TheRegistry().mutex);
  TheRegistry().windows.erase(hwnd);
}

MessagePumpHook SetMessagePumpHook(MessagePumpHook hook) {
  return std::exchange(t_pumpHook, std::move(hook));
}
