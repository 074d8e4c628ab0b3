#pragma once
// A reusable worker thread: runs a task once, a given number of times or until
// told to stop, optionally paced, then parks until it is given more work.
//
// Run operations replace whatever work was pending: they set the task, the run
// count and the pacing, clear the idle flag and wake the thread. Runs are counted
// down by the thread; when none remain it becomes idle and parks.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::thread {

class ITask;

class IThread : public base::IObject {
public:
    // Pacing modes of the run operations.
    static constexpr int PACING_NONE = 0;
    static constexpr int PACING_GAP = 1;     // sleep a fixed gap after each run
    static constexpr int PACING_PERIOD = 2;  // start runs a fixed period apart
    // A run count meaning "until told otherwise".
    static constexpr int RUNS_UNLIMITED = -1;

    // The native thread's id (0 when there is no native thread).
    virtual uint32_t threadId() const = 0;

    // `task` may be null: the runs then only count down. Counts below -1 are taken as 0.
    virtual void runOnce(ITask* task) = 0;
    virtual void runTimes(ITask* task, int times) = 0;
    virtual void runTimesWithGap(ITask* task, int times, int gapMs) = 0;
    virtual void runTimesAtPeriod(ITask* task, int times, int periodMs) = 0;
    virtual void runForever(ITask* task) = 0;
    virtual void runForeverWithGap(ITask* task, int gapMs) = 0;
    virtual void runForeverAtPeriod(ITask* task, int periodMs) = 0;

    // True while the thread has no runs left (also right after creation).
    virtual bool isIdle() = 0;
    // Returns once the thread is idle (or has ended, or never existed).
    virtual void waitIdle() = 0;
    // Waits at most `ms` for the thread to become idle. If it is still busy then,
    // kills it and starts a fresh parked thread with the remembered priority.
    // True when it became idle in time; false when it had to be replaced.
    virtual bool waitIdleOrRestart(int ms) = 0;
    // No further runs: the current one (if any) completes, then the thread parks.
    virtual void finishRuns() = 0;
    virtual void finishRunsAndWait() = 0;
    // Returns once the native thread has ended, or, when no stop was asked, once it
    // has parked with no runs left (its last run has returned; it would never end).
    virtual void waitEnded() = 0;
    // Asks the thread to end; a parked thread is woken for it.
    virtual void requestStop() = 0;
    virtual void stopAndWait() = 0;
    // A one-time pause before the next run (cleared by every run operation).
    virtual void setDelay(int ms) = 0;
    // Undoes every suspension of the native thread.
    virtual void resume() = 0;
    // Suspends the native thread (it must hold no lock the caller needs).
    virtual void suspend() = 0;
    virtual int getPriority() = 0;
    // Applied now and remembered for a replacement thread.
    virtual void setPriority(int priority) = 0;
};

}  // namespace s::thread
