#include "platform/win32/message_queue.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct Delivery {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
};
thread_local std::vector<Delivery> t_delivered;

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  t_delivered.push_back({hwnd, message, wParam});
  return static_cast<LRESULT>(lParam) + 1;
}

HWND FakeWindow(std::intptr_t id) { return reinterpret_cast<HWND>(0x1000 + id); }

class MessageQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    t_delivered.clear();
    RegisterWindowProc(m_first, RecordingProc);
    RegisterWindowProc(m_second, RecordingProc);
  }
  void TearDown() override {
    MSG leftover;
    while (PeekMessageA(&leftover, nullptr, 0, 0, PM_REMOVE)) {
    }
    UnregisterWindowProc(m_first);
    UnregisterWindowProc(m_second);
  }
  std::vector<UINT> DrainMessageNumbers(HWND filter = nullptr, UINT min = 0, UINT max = 0) {
    std::vector<UINT> numbers;
    MSG msg;
    while (PeekMessageA(&msg, filter, min, max, PM_REMOVE)) numbers.push_back(msg.message);
    return numbers;
  }
  HWND m_first = FakeWindow(1);
  HWND m_second = FakeWindow(2);
};

TEST_F(MessageQueue, MessagesComeOutInPostingOrderWithTheirParameters) {
  ASSERT_TRUE(PostMessageA(m_first, WM_USER + 1, 10, 20));
  ASSERT_TRUE(PostMessageA(nullptr, WM_USER + 2, 11, 21));
  ASSERT_TRUE(PostMessageA(m_second, WM_USER + 3, 12, 22));
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));  // leaves it for the next peek
  EXPECT_EQ(msg.message, WM_USER + 1);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, m_first);
  EXPECT_EQ(msg.message, WM_USER + 1);
  EXPECT_EQ(msg.wParam, 10u);
  EXPECT_EQ(msg.lParam, 20);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.message, WM_USER + 2);
  EXPECT_EQ(DrainMessageNumbers(), (std::vector<UINT>{WM_USER + 3}));
}

TEST_F(MessageQueue, FiltersSelectByWindowAndRangeAndLeaveTheRestQueued) {
  PostMessageA(m_first, WM_COMMAND, 0, 0);
  PostMessageA(m_second, WM_CLOSE, 0, 0);
  PostMessageA(nullptr, WM_TIMER, 0, 0);
  PostMessageA(m_first, WM_USER, 0, 0);

  EXPECT_EQ(DrainMessageNumbers(m_second), (std::vector<UINT>{WM_CLOSE}));
  EXPECT_EQ(DrainMessageNumbers(nullptr, WM_USER, WM_APP), (std::vector<UINT>{WM_USER}));
  EXPECT_EQ(DrainMessageNumbers(), (std::vector<UINT>{WM_COMMAND, WM_TIMER}));
}

TEST_F(MessageQueue, DispatchCallsTheTargetWindowProcedureAndDropsOthers) {
  PostMessageA(m_second, WM_COMMAND, 1004, 41);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(DispatchMessageA(&msg), 42);
  ASSERT_EQ(t_delivered.size(), 1u);
  EXPECT_EQ(t_delivered[0].hwnd, m_second);
  EXPECT_EQ(t_delivered[0].wParam, 1004u);

  const MSG threadMessage{nullptr, WM_USER, 0, 0, 0, {0, 0}};
  const MSG unknownWindow{FakeWindow(99), WM_USER, 0, 0, 0, {0, 0}};
  EXPECT_EQ(DispatchMessageA(&threadMessage), 0);
  EXPECT_EQ(DispatchMessageA(&unknownWindow), 0);
  EXPECT_EQ(t_delivered.size(), 1u);
}

TEST_F(MessageQueue, PostingToAnUnregisteredWindowFails) {
  UnregisterWindowProc(m_second);
  EXPECT_FALSE(PostMessageA(m_second, WM_CLOSE, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageQueue, PumpHookRunsBeforeEveryPeekAndCanQueueMessages) {
  int runs = 0;
  SetMessagePumpHook([&] {
    if (++runs == 1) PostMessageA(m_first, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(DrainMessageNumbers(), (std::vector<UINT>{WM_CLOSE}));
  EXPECT_EQ(runs, 2);
  EXPECT_TRUE(SetMessagePumpHook({}));
}

TEST_F(MessageQueue, EachThreadReadsOnlyItsOwnQueue) {
  PostMessageA(nullptr, WM_USER + 1, 0, 0);
  std::vector<UINT> seenByWorker;
  const HWND workerWindow = FakeWindow(3);
  std::thread([&] {
    RegisterWindowProc(workerWindow, RecordingProc);
    PostMessageA(m_first, WM_USER + 3, 0, 0);  // the window belongs to the main thread
    PostMessageA(nullptr, WM_USER + 4, 0, 0);
    seenByWorker = DrainMessageNumbers();
  }).join();
  EXPECT_EQ(seenByWorker, (std::vector<UINT>{WM_USER + 4}));
  EXPECT_EQ(DrainMessageNumbers(), (std::vector<UINT>{WM_USER + 1, WM_USER + 3}));
  // The finished thread's queue is gone with it.
  EXPECT_FALSE(PostMessageA(workerWindow, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_THREAD_ID);
  UnregisterWindowProc(workerWindow);
}

}  // namespace
