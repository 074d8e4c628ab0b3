// User-interface threads: initialisation on the new thread, the loop, the
// exit hook and its exit code.
#include "framework/WinThread.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <atomic>

#include "support/ResourceCounts.h"

namespace {

class CountingThread : public framework::WinThread {
public:
    explicit CountingThread(bool initResult = true) : initResult_(initResult) {}
    std::atomic<DWORD> initThreadId{0};
    std::atomic<int> appMessages{0};
    std::atomic<bool> exited{false};

protected:
    bool initInstance() override {
        initThreadId = GetCurrentThreadId();
        return initResult_;
    }
    bool preTranslateMessage(MSG& msg) override {
        if (msg.hwnd == nullptr && msg.message == WM_APP) {
            ++appMessages;
            return true;
        }
        return false;
    }
    int exitInstance(int loopResult) override {
        exited = true;
        return loopResult + 1000;
    }

private:
    bool initResult_;
};

}  // namespace

TEST(WinThread, InitRunsOnTheNewThreadAndQuitEndsTheLoop) {
    CountingThread thread;
    ASSERT_TRUE(thread.start());
    for (int i = 0; i < 5; ++i) {
        // The queue exists before initInstance runs, so posting right away works.
        while (!thread.post(WM_APP, 0, 0)) Sleep(1);
    }
    while (!thread.postQuit(5)) Sleep(1);
    ASSERT_TRUE(thread.join(10000));
    EXPECT_EQ(thread.id(), thread.initThreadId.load());
    EXPECT_NE(GetCurrentThreadId(), thread.initThreadId.load());
    EXPECT_EQ(5, thread.appMessages.load());
    EXPECT_TRUE(thread.exited.load());
    DWORD code = 0;
    GetExitCodeThread(thread.handle(), &code);
    EXPECT_EQ(1005u, code);
}

TEST(WinThread, FailedInitSkipsTheLoopButRunsExit) {
    CountingThread thread(false);
    ASSERT_TRUE(thread.start());
    ASSERT_TRUE(thread.join(10000));
    EXPECT_TRUE(thread.exited.load());
    DWORD code = 0;
    GetExitCodeThread(thread.handle(), &code);
    EXPECT_EQ(999u, code);  // -1 from the skipped loop, +1000 from exitInstance
}

TEST(WinThread, StartsOnlyOnceAndAppliesThePriority) {
    CountingThread thread;
    ASSERT_TRUE(thread.start(THREAD_PRIORITY_BELOW_NORMAL));
    EXPECT_FALSE(thread.start());
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, GetThreadPriority(thread.handle()));
    while (!thread.postQuit()) Sleep(1);
    ASSERT_TRUE(thread.join(10000));
}

TEST(WinThread, WindowCreatedOnTheThreadAnswersOtherThreads) {
    class WindowThread : public framework::WinThread {
    public:
        framework::Wnd window;
        std::atomic<HWND> hwnd{nullptr};

    protected:
        bool initInstance() override {
            if (!window.createEx(0, L"STATIC", L"on thread", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr)) return false;
            hwnd = window.handle();
            return true;
        }
        int exitInstance(int result) override {
            window.destroy();
            return result;
        }
    } thread;
    ASSERT_TRUE(thread.start());
    while (!thread.hwnd.load() && !thread.join(0)) Sleep(5);
    ASSERT_NE(nullptr, thread.hwnd.load());
    wchar_t text[32] = L"";
    GetWindowTextW(thread.hwnd, text, 32);  // a sent message, answered by the window's own thread
    EXPECT_STREQ(L"on thread", text);
    EXPECT_EQ(thread.id(), GetWindowThreadProcessId(thread.hwnd, nullptr));
    while (!thread.postQuit()) Sleep(1);
    ASSERT_TRUE(thread.join(10000));
    EXPECT_FALSE(IsWindow(thread.hwnd));
}

TEST(WinThread, ThreadsLeaveNoKernelHandles) {
    auto runOne = [] {
        CountingThread thread;
        if (!thread.start()) return false;
        while (!thread.postQuit()) Sleep(1);
        return thread.join(10000);
    };
    ASSERT_TRUE(runOne());
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(runOne());
    EXPECT_EQ(before.kernel, testing_resources::current().kernel);
}
