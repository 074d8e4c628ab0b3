#include "app/thread/win/ThreadControl.h"

#include "app/thread/IThread.h"
#include "app/thread/ITask.h"
#include "foundation/thread/ObjLocker.h"

namespace s::thread::win {

void ThreadControl::clearWork() {
    delay = 0;
    task = nullptr;
    remaining = 0;
    pacingMode = IThread::PACING_NONE;
    pacingTime = 0;
    awake = false;
    stop = false;
    ended.store(false);
    setIdle(true);
}

void ThreadControl::setIdle(bool value) {
    idle = value;
    if (!idleEvent) return;
    if (value) {
        SetEvent(idleEvent);
    } else {
        ResetEvent(idleEvent);
    }
}

DWORD WINAPI ThreadControl::loop(void* argument) {
    ThreadControl& block = *static_cast<ThreadControl*>(argument);
    block.lock->lock();
    block.awake = true;
    while (!block.stop) {
        if (block.delay != 0) {
            block.sleepDelay();
        } else if (block.remaining != 0) {
            block.runNext();
        } else {
            block.park();
        }
        block.lock->lock();
        block.awake = true;
    }
    block.lock->unlock();
    block.ended.store(true);
    return 0;
}

void ThreadControl::sleepDelay() {
    const int ms = delay;
    delay = 0;
    lock->unlock();
    Sleep(DWORD(ms));
}

void ThreadControl::runNext() {
    if (remaining != IThread::RUNS_UNLIMITED) --remaining;
    const int left = remaining;
    const int mode = pacingMode;
    const int time = pacingTime;
    ITask* const current = task;
    lock->unlock();

    // GetTickCount wraps after 49.7 days; the unsigned difference stays right across the wrap.
    const DWORD start = GetTickCount();
    if (current) current->run();
    if (left == 0 || time <= 0) return;  // no pause after the last run
    if (mode == IThread::PACING_GAP) {
        Sleep(DWORD(time));
    } else if (mode == IThread::PACING_PERIOD) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed < DWORD(time)) Sleep(DWORD(time) - elapsed);
    }
}

void ThreadControl::park() {
    setIdle(true);
    lock->unlock();
    WaitForSingleObject(wakeEvent, INFINITE);
}

}  // namespace s::thread::win
