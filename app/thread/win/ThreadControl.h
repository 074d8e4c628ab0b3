#pragma once
// The record a Thread shares with its native thread, and the native thread's loop.
//
// Parking without a lost wake-up: the loop does not suspend itself. When it runs
// out of work it sets `idle` under the lock, releases the lock and waits on the
// auto-reset wake event. Every operation that gives it work (or asks it to stop)
// changes the record under the lock first and then signals that event. An event
// remembers a signal that arrives before the wait starts, so work handed over in
// the gap between "idle, unlock" and "wait" is seen at once instead of leaving the
// thread asleep with runs pending. A wake-up with nothing to do (a signal from work
// the thread already took) costs one more look at the record and it parks again.
// Callers may still suspend and resume the native thread; waking also resumes it.
#include <windows.h>

#include <atomic>

namespace s::thread {
class ITask;
class ObjLocker;
}  // namespace s::thread

namespace s::thread::win {

class ThreadControl {
public:
    ThreadControl() = default;
    ThreadControl(const ThreadControl&) = delete;
    ThreadControl& operator=(const ThreadControl&) = delete;

    // The native thread's entry point; `argument` is the ThreadControl.
    static DWORD WINAPI loop(void* argument);

    // Under the lock: no delay, no task, no runs, no pacing, no stop, not ended, idle.
    void clearWork();
    // Under the lock: the idle flag together with the idle event waiters block on.
    void setIdle(bool value);

    // Every field but `ended` is read and written only under *lock.
    ObjLocker* lock = nullptr;       // not owned: the Thread's
    HANDLE handle = nullptr;         // not owned: the Thread's native thread handle
    HANDLE wakeEvent = nullptr;      // not owned: the Thread's; auto-reset, signalled when work or a stop arrives
    HANDLE idleEvent = nullptr;      // not owned: the Thread's; manual-reset, signalled while idle
    int delay = 0;                   // ms, one-time pause before the next run
    ITask* task = nullptr;           // not owned; null = the runs only count down
    int remaining = 0;               // -1 = unlimited
    int pacingMode = 0;              // IThread::PACING_*
    int pacingTime = 0;              // ms: the gap or the period
    bool awake = false;              // set by the thread each time it takes the lock in its loop
    bool idle = true;                // no runs left; the thread parks
    bool stop = false;               // asks the thread to end
    std::atomic<bool> ended{false};  // the thread's last write, made without the lock

private:
    // Each takes the lock held and returns with it released.
    void sleepDelay();
    void runNext();
    void park();
};

}  // namespace s::thread::win
