#pragma once
// Thread: the worker thread of IThread on a native Win32 thread.
//
// The native thread is created suspended and idle and lives as long as the object:
// giving it work again costs a record update and a wake-up, not a thread creation.
// Releasing the object to its pool parks the native thread for the next user; an
// ended one (stopped, or never created) is replaced there, so a thread taken from
// the pool always works. A run operation given after the native thread ended (after
// a stop) starts a fresh one for the work. Destruction stops the native thread and
// closes it.
//
// How the thread parks and is woken is described in ThreadControl.h. Waits poll
// their flag at least every 20 ms (the ended flag every 100 ms) but also return as
// soon as the idle event or the thread handle is signalled.
//
// Without a native thread (CreateThread failed) the run operations only change the
// record, resume/suspend/priority calls do nothing, and the waits return at once.
#include <windows.h>

#include <cstdint>

#include "app/thread/IThread.h"
#include "app/thread/ITask.h"
#include "app/thread/win/ThreadControl.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/ObjLocker.h"
#include "foundation/thread/Pooled.h"

namespace s::thread::win {

class Thread : public IThread, public IPoolable, public ITask {
    S_POOLED_CLASS(Thread, L"s_thread_win_Thread")

public:
    static constexpr int POOL_CAPACITY = 1000;
    static constexpr DWORD IDLE_POLL_MS = 20;
    static constexpr DWORD ENDED_POLL_MS = 100;

    Thread();
    // Stops the native thread, waits for it to end and closes it.
    ~Thread() override;
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    uint32_t threadId() const override;
    void runOnce(ITask* task) override;
    void runTimes(ITask* task, int times) override;
    void runTimesWithGap(ITask* task, int times, int gapMs) override;
    void runTimesAtPeriod(ITask* task, int times, int periodMs) override;
    void runForever(ITask* task) override;
    void runForeverWithGap(ITask* task, int gapMs) override;
    void runForeverAtPeriod(ITask* task, int periodMs) override;
    bool isIdle() override;
    void waitIdle() override;
    bool waitIdleOrRestart(int ms) override;
    void finishRuns() override;
    void finishRunsAndWait() override;
    void waitEnded() override;
    void requestStop() override;
    void stopAndWait() override;
    void setDelay(int ms) override;
    void resume() override;
    void suspend() override;
    int getPriority() override;
    void setPriority(int priority) override;

    // ITask: waits for this thread to end (waitEnded).
    void run() override;

    // Pool reset: lets the current run finish, normal priority, parks the native
    // thread suspended and idle (replacing it when it has ended), forgets the task.
    void reset() override;

    // True while a native thread exists (it may have ended).
    bool hasNativeThread();
    // True once the native thread has returned from its loop.
    bool hasEnded() const { return control_.ended.load(); }

private:
    // Creation steps: a fresh record and a new suspended native thread with the
    // remembered priority. The previous native thread must be gone. Under the lock.
    void createNativeThread();
    // Kills a busy native thread and starts a fresh one. Under the lock.
    void restartNativeThread();
    // Closes an ended (or missing) native thread and starts a fresh one. Under the lock.
    void replaceEndedThread();
    void startWork(ITask* task, int runs, int pacingMode, int pacingTime);
    // The record update of every run operation, with the resume. Under the lock.
    void setWork(ITask* task, int runs, int pacingMode, int pacingTime);
    // Signals the wake event; called after the record change, outside the lock.
    void wake();
    // Undoes every suspension. Under the lock.
    void resumeLocked();

    HANDLE handle_;  // owned: the native thread, null when none exists
    DWORD threadId_;
    ObjLocker lock_;  // guards control_ and the handle
    ThreadControl control_;
    int priority_;         // last priority set; given to a replacement thread
    bool mayBeSuspended_;  // the native thread may be suspended (created so, or suspend since)
    HANDLE wakeEvent_;     // owned: auto-reset
    HANDLE idleEvent_;     // owned: manual-reset
};

}  // namespace s::thread::win
