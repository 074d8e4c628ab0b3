#pragma once
// A thread with a message loop, for the windows it creates.
//
// initInstance runs first on the new thread (create windows there); when it
// fails the loop is skipped. The loop runs until WM_QUIT; exitInstance then
// runs on the thread and its result is the thread's exit code. The object
// must outlive the thread: the owner waits for the handle before deleting it.
#include <windows.h>

namespace framework {

class WinThread {
public:
    WinThread() = default;
    WinThread(const WinThread&) = delete;
    WinThread& operator=(const WinThread&) = delete;
    // Closes the handle; never waits for or terminates the thread.
    virtual ~WinThread();

    // Creates the thread suspended, applies the priority, then lets it run.
    bool start(int priority = THREAD_PRIORITY_NORMAL, unsigned stackSize = 0);
    HANDLE handle() const { return thread_; }
    DWORD id() const { return threadId_; }
    // Fails while the thread has no message queue yet (very early) or has ended.
    bool postQuit(int exitCode = 0) const { return post(WM_QUIT, WPARAM(exitCode), 0); }
    bool post(UINT msg, WPARAM wp, LPARAM lp) const { return PostThreadMessageW(threadId_, msg, wp, lp) != 0; }
    // Waits up to timeoutMs for the thread to end; true when it has.
    bool join(DWORD timeoutMs) const;

protected:
    virtual bool initInstance() { return true; }
    virtual int exitInstance(int loopResult) { return loopResult; }
    // Lets the thread handle a message before it is dispatched; true = handled.
    virtual bool preTranslateMessage(MSG& msg) { return false; }
    virtual int run();

private:
    static unsigned __stdcall entry(void* self);

    HANDLE thread_ = nullptr;  // owned: closed in the destructor
    DWORD threadId_ = 0;
};

}  // namespace framework
