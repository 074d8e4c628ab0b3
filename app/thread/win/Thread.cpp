#include "app/thread/win/Thread.h"

#include "foundation/thread/EasyPooler.h"

namespace s::thread::win {

S_POOLED_CLASS_IMPL(Thread, Thread::POOL_CAPACITY)

namespace {

// A killed thread gets this long to disappear before its handle is closed anyway.
constexpr DWORD KILL_WAIT_MS = 5000;

}  // namespace

Thread::Thread()
    : handle_(nullptr),
      threadId_(0),
      priority_(THREAD_PRIORITY_NORMAL),
      mayBeSuspended_(false),
      wakeEvent_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      idleEvent_(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {
    control_.lock = &lock_;
    control_.wakeEvent = wakeEvent_;
    control_.idleEvent = idleEvent_;
    ObjLocker::Guard guard(lock_);
    createNativeThread();
}

Thread::~Thread() {
    if (handle_) {
        stopAndWait();
        // The ended flag is the loop's last write; the thread returns right after it.
        resume();
        WaitForSingleObject(handle_, INFINITE);
        CloseHandle(handle_);
    }
    if (wakeEvent_) CloseHandle(wakeEvent_);
    if (idleEvent_) CloseHandle(idleEvent_);
}

void Thread::createNativeThread() {
    handle_ = nullptr;
    threadId_ = 0;
    control_.handle = nullptr;
    control_.clearWork();
    if (wakeEvent_) ResetEvent(wakeEvent_);
    // Without both events the loop could neither park nor be waited for.
    if (!wakeEvent_ || !idleEvent_) return;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, &ThreadControl::loop, &control_, CREATE_SUSPENDED, &id);
    if (!thread) return;
    handle_ = thread;
    threadId_ = id;
    mayBeSuspended_ = true;  // created suspended
    control_.handle = thread;
    SetThreadPriority(thread, priority_);
}

void Thread::restartNativeThread() {
    // The lock is held, so the victim cannot own it; it may at worst be waiting for it.
    TerminateThread(handle_, 1);
    WaitForSingleObject(handle_, KILL_WAIT_MS);
    CloseHandle(handle_);
    createNativeThread();
}

void Thread::replaceEndedThread() {
    if (handle_) {
        WaitForSingleObject(handle_, INFINITE);
        CloseHandle(handle_);
    }
    createNativeThread();
}

uint32_t Thread::threadId() const {
    return threadId_;
}

void Thread::startWork(ITask* task, int runs, int pacingMode, int pacingTime) {
    {
        ObjLocker::Guard guard(lock_);
        setWork(task, runs, pacingMode, pacingTime);
    }
    wake();
}

void Thread::setWork(ITask* task, int runs, int pacingMode, int pacingTime) {
    // A native thread that has ended (after a stop) cannot take work: a fresh one does.
    if (handle_ && control_.ended.load()) replaceEndedThread();
    control_.delay = 0;
    control_.task = task;
    control_.remaining = runs < RUNS_UNLIMITED ? 0 : runs;
    control_.pacingMode = pacingMode;
    control_.pacingTime = pacingMode == PACING_NONE ? 0 : pacingTime;
    control_.awake = false;
    control_.setIdle(false);
    control_.ended.store(false);
    resumeLocked();
}

void Thread::runOnce(ITask* task) {
    startWork(task, 1, PACING_NONE, 0);
}
void Thread::runTimes(ITask* task, int times) {
    startWork(task, times, PACING_NONE, 0);
}
void Thread::runTimesWithGap(ITask* task, int times, int gapMs) {
    startWork(task, times, PACING_GAP, gapMs);
}
void Thread::runTimesAtPeriod(ITask* task, int times, int periodMs) {
    startWork(task, times, PACING_PERIOD, periodMs);
}
void Thread::runForever(ITask* task) {
    startWork(task, RUNS_UNLIMITED, PACING_NONE, 0);
}
void Thread::runForeverWithGap(ITask* task, int gapMs) {
    startWork(task, RUNS_UNLIMITED, PACING_GAP, gapMs);
}
void Thread::runForeverAtPeriod(ITask* task, int periodMs) {
    startWork(task, RUNS_UNLIMITED, PACING_PERIOD, periodMs);
}

bool Thread::isIdle() {
    ObjLocker::Guard guard(lock_);
    return control_.idle;
}

void Thread::waitIdle() {
    for (;;) {
        {
            ObjLocker::Guard guard(lock_);
            // An ended thread never becomes idle again, and a missing one never runs.
            if (!handle_ || control_.idle || control_.ended.load()) return;
        }
        WaitForSingleObject(idleEvent_, IDLE_POLL_MS);
    }
}

bool Thread::waitIdleOrRestart(int ms) {
    const DWORD start = GetTickCount();
    const DWORD limit = ms > 0 ? DWORD(ms) : 0;
    for (;;) {
        DWORD left = 0;
        {
            ObjLocker::Guard guard(lock_);
            if (!handle_ || control_.idle || control_.ended.load()) return true;
            const DWORD elapsed = GetTickCount() - start;
            if (elapsed >= limit) {
                restartNativeThread();
                return false;
            }
            left = limit - elapsed;
        }
        WaitForSingleObject(idleEvent_, left < IDLE_POLL_MS ? left : IDLE_POLL_MS);
    }
}

void Thread::finishRuns() {
    ObjLocker::Guard guard(lock_);
    control_.remaining = 0;
    resumeLocked();
}

void Thread::finishRunsAndWait() {
    finishRuns();
    waitIdle();
}

void Thread::waitEnded() {
    for (;;) {
        HANDLE waits[2] = {nullptr, idleEvent_};
        DWORD count = 1;
        {
            ObjLocker::Guard guard(lock_);
            if (!handle_ || control_.ended.load()) return;
            // Parked with no stop asked: the last run has returned and the thread would
            // wait for work for ever, so there is nothing left to wait for.
            if (control_.idle && !control_.stop) return;
            waits[0] = handle_;
            // Without a stop the thread parking ends the wait too.
            if (!control_.stop) count = 2;
            resumeLocked();
        }
        WaitForMultipleObjects(count, waits, FALSE, ENDED_POLL_MS);
    }
}

void Thread::requestStop() {
    {
        ObjLocker::Guard guard(lock_);
        control_.stop = true;
        resumeLocked();
    }
    wake();
}

void Thread::stopAndWait() {
    requestStop();
    waitEnded();
}

void Thread::setDelay(int ms) {
    ObjLocker::Guard guard(lock_);
    control_.delay = ms > 0 ? ms : 0;
}

void Thread::wake() {
    // The record was changed under the lock before this; the event keeps the signal
    // until the thread waits, so signalling after the lock is released loses nothing.
    if (wakeEvent_) SetEvent(wakeEvent_);
}

void Thread::resumeLocked() {
    // Only this object suspends the native thread (it hands out no handle), so a
    // thread it has not suspended since the last resume needs no system call.
    if (!handle_ || !mayBeSuspended_) return;
    // Until the thread was suspended at most once before this call (it then runs).
    for (;;) {
        const DWORD previous = ResumeThread(handle_);
        if (previous == DWORD(-1) || previous <= 1) break;
    }
    mayBeSuspended_ = false;
}

void Thread::resume() {
    ObjLocker::Guard guard(lock_);
    resumeLocked();
}

void Thread::suspend() {
    // Holding the lock guarantees the thread is not inside it when it stops.
    ObjLocker::Guard guard(lock_);
    if (handle_) SuspendThread(handle_);
    mayBeSuspended_ = true;
}

int Thread::getPriority() {
    ObjLocker::Guard guard(lock_);
    if (!handle_) return priority_;
    const int priority = GetThreadPriority(handle_);
    return priority == THREAD_PRIORITY_ERROR_RETURN ? priority_ : priority;
}

void Thread::setPriority(int priority) {
    ObjLocker::Guard guard(lock_);
    priority_ = priority;
    if (handle_) SetThreadPriority(handle_, priority);
}

void Thread::run() {
    waitEnded();
}

bool Thread::hasNativeThread() {
    ObjLocker::Guard guard(lock_);
    return handle_ != nullptr;
}

void Thread::reset() {
    if (!isIdle()) finishRunsAndWait();
    setPriority(THREAD_PRIORITY_NORMAL);
    ObjLocker::Guard guard(lock_);
    if (!handle_ || control_.ended.load()) replaceEndedThread();
    if (handle_) SuspendThread(handle_);
    mayBeSuspended_ = true;
    control_.delay = 0;
    control_.task = nullptr;
    control_.setIdle(true);
    priority_ = THREAD_PRIORITY_NORMAL;
}

}  // namespace s::thread::win
