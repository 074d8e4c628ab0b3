// Worker threads: run counts, pacing, parking and waking, stopping, replacing a
// stuck thread, reuse through the pool, and back-to-back hand-overs that would
// hang if a wake-up could be lost.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "app/thread/ITask.h"
#include "app/thread/win/Thread.h"
#include "foundation/thread/EasyPooler.h"
#include "support/ResourceCounts.h"

namespace {

using s::thread::ITask;
using s::thread::win::Thread;

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Counts its runs and notes when each started and ended. The worker writes the
// notes; the test reads them after waitIdle, whose lock orders the accesses.
class RecordingTask : public ITask {
public:
    explicit RecordingTask(DWORD workMs = 0) : workMs_(workMs) {}
    void run() override {
        starts.push_back(nowMs());
        if (workMs_) Sleep(workMs_);
        ends.push_back(nowMs());
        ++runs;
    }
    std::atomic<int> runs{0};
    std::vector<double> starts;
    std::vector<double> ends;

private:
    DWORD workMs_;
};

// Signals `started`, then blocks until `proceed` is signalled.
class GatedTask : public ITask {
public:
    GatedTask()
        : started(CreateEventW(nullptr, FALSE, FALSE, nullptr)), proceed(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~GatedTask() override {
        CloseHandle(started);
        CloseHandle(proceed);
    }
    void run() override {
        ++runs;
        SetEvent(started);
        WaitForSingleObject(proceed, INFINITE);
        ++finished;
    }
    bool waitStarted() { return WaitForSingleObject(started, 10000) == WAIT_OBJECT_0; }
    HANDLE started;  // owned
    HANDLE proceed;  // owned
    std::atomic<int> runs{0};
    std::atomic<int> finished{0};
};

class CountingTask : public ITask {
public:
    void run() override { ++runs; }
    std::atomic<int> runs{0};
};

TEST(Thread, RunTimesRunsExactlyThatOftenThenParks) {
    Thread thread;
    RecordingTask task;
    thread.runTimes(&task, 3);
    thread.waitIdle();
    EXPECT_EQ(3, task.runs.load());
    EXPECT_TRUE(thread.isIdle());
    EXPECT_FALSE(thread.hasEnded());
    // Parked, not ended: it takes more work.
    thread.runOnce(&task);
    thread.waitIdle();
    EXPECT_EQ(4, task.runs.load());
}

TEST(Thread, RunTimesZeroNeverRunsAndParksAtOnce) {
    Thread thread;
    EXPECT_TRUE(thread.isIdle());  // idle from creation
    EXPECT_STREQ(L"s_thread_win_Thread", thread.getClassName());
    RecordingTask task;
    thread.runTimes(&task, 0);
    thread.waitIdle();
    EXPECT_EQ(0, task.runs.load());
    EXPECT_TRUE(thread.isIdle());
}

TEST(Thread, RunsAtPeriodStartAboutOnePeriodApart) {
    Thread thread;
    RecordingTask task(30);
    thread.runTimesAtPeriod(&task, 5, 100);
    thread.waitIdle();
    ASSERT_EQ(5, task.runs.load());
    for (size_t i = 1; i < task.starts.size(); ++i) {
        const double gap = task.starts[i] - task.starts[i - 1];
        EXPECT_GE(gap, 80.0) << "run " << i;
        EXPECT_LE(gap, 400.0) << "run " << i;
    }
}

// With one long period (or gap) a pause after the last run would be plain to see.
TEST(Thread, NoPauseFollowsTheLastPacedRun) {
    Thread thread;
    RecordingTask periodic;
    double begin = nowMs();
    thread.runTimesAtPeriod(&periodic, 2, 800);
    thread.waitIdle();
    double took = nowMs() - begin;
    ASSERT_EQ(2, periodic.runs.load());
    EXPECT_GE(periodic.starts[1] - periodic.starts[0], 750.0);
    EXPECT_LT(took, 1500.0);

    RecordingTask gapped;
    begin = nowMs();
    thread.runTimesWithGap(&gapped, 2, 800);
    thread.waitIdle();
    took = nowMs() - begin;
    ASSERT_EQ(2, gapped.runs.load());
    EXPECT_GE(gapped.starts[1] - gapped.ends[0], 750.0);
    EXPECT_LT(took, 1500.0);
}

// The task asks its own thread for a pause before the next run.
class DelayingTask : public RecordingTask {
public:
    explicit DelayingTask(Thread* thread) : thread_(thread) {}
    void run() override {
        RecordingTask::run();
        if (runs == 1) thread_->setDelay(300);
    }

private:
    Thread* thread_;  // not owned
};

TEST(Thread, DelayPausesOnceBeforeTheNextRun) {
    Thread thread;
    DelayingTask task(&thread);
    thread.runTimes(&task, 3);
    thread.waitIdle();
    ASSERT_EQ(3, task.runs.load());
    EXPECT_GE(task.starts[1] - task.ends[0], 280.0);
    EXPECT_LT(task.starts[2] - task.ends[1], 250.0);
}

TEST(Thread, RequestStopEndsAnIdleThread) {
    Thread thread;
    CountingTask task;
    thread.runOnce(&task);
    thread.waitIdle();
    thread.requestStop();
    thread.waitEnded();
    EXPECT_TRUE(thread.hasEnded());
    EXPECT_EQ(1, task.runs.load());
}

TEST(Thread, StopEndsAThreadThatNeverRan) {
    Thread thread;
    thread.stopAndWait();
    EXPECT_TRUE(thread.hasEnded());
}

TEST(Thread, WaitEndedReturnsOnceTheOnlyRunHasReturned) {
    // How a long-running task is stopped by its own flag: waitEnded must not wait
    // for a thread that has parked with nothing to do.
    Thread thread;
    GatedTask task;
    thread.runOnce(&task);
    ASSERT_TRUE(task.waitStarted());
    SetEvent(task.proceed);
    thread.waitEnded();
    EXPECT_EQ(1, task.finished.load());
    EXPECT_FALSE(thread.hasEnded());
}

TEST(Thread, FinishRunsDuringRunForeverLetsTheCurrentRunComplete) {
    Thread thread;
    GatedTask task;
    thread.runForever(&task);
    ASSERT_TRUE(task.waitStarted());
    thread.finishRuns();
    EXPECT_FALSE(thread.isIdle());
    SetEvent(task.proceed);
    thread.waitIdle();
    EXPECT_EQ(1, task.runs.load());
    EXPECT_EQ(1, task.finished.load());
}

TEST(Thread, StopDuringRunForeverEndsAfterTheCurrentRun) {
    Thread thread;
    GatedTask task;
    thread.runForever(&task);
    ASSERT_TRUE(task.waitStarted());
    thread.requestStop();
    SetEvent(task.proceed);
    thread.waitEnded();
    EXPECT_TRUE(thread.hasEnded());
    EXPECT_EQ(1, task.finished.load());
    // An ended thread is not idle, yet waiting for idle must not hang.
    thread.waitIdle();
}

TEST(Thread, RunAfterAStopStartsAFreshNativeThread) {
    Thread thread;
    const uint32_t firstId = thread.threadId();
    thread.stopAndWait();
    CountingTask task;
    thread.runOnce(&task);
    thread.waitIdle();
    EXPECT_EQ(1, task.runs.load());
    EXPECT_FALSE(thread.hasEnded());
    EXPECT_NE(firstId, thread.threadId());
}

TEST(Thread, WaitIdleOrRestartReplacesAThreadStuckInATask) {
    Thread thread;
    thread.setPriority(THREAD_PRIORITY_BELOW_NORMAL);
    const uint32_t stuckId = thread.threadId();
    GatedTask stuck;  // never let go
    thread.runOnce(&stuck);
    ASSERT_TRUE(stuck.waitStarted());
    EXPECT_FALSE(thread.waitIdleOrRestart(100));

    EXPECT_TRUE(thread.isIdle());
    EXPECT_NE(stuckId, thread.threadId());
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, thread.getPriority());
    CountingTask next;
    thread.runTimes(&next, 2);
    EXPECT_TRUE(thread.waitIdleOrRestart(10000));
    EXPECT_EQ(2, next.runs.load());
    EXPECT_EQ(0, stuck.finished.load());
}

TEST(Thread, WaitIdleOrRestartKeepsAThreadThatFinishesInTime) {
    Thread thread;
    const uint32_t id = thread.threadId();
    RecordingTask task(50);
    thread.runOnce(&task);
    EXPECT_TRUE(thread.waitIdleOrRestart(10000));
    EXPECT_EQ(id, thread.threadId());
    EXPECT_EQ(1, task.runs.load());
}

TEST(Thread, RunOperationsWakeAThreadSuspendedByItsCaller) {
    Thread thread;
    CountingTask task;
    thread.runOnce(&task);
    thread.waitIdle();
    thread.suspend();
    thread.suspend();
    thread.runOnce(&task);
    thread.waitIdle();
    EXPECT_EQ(2, task.runs.load());
}

TEST(Thread, DestroyingABusyThreadEndsItAfterItsRun) {
    CountingTask task;
    auto* thread = new Thread();
    thread->runForeverWithGap(&task, 1);
    while (task.runs.load() < 3) Sleep(1);
    delete thread;
    const int runs = task.runs.load();
    Sleep(50);
    EXPECT_EQ(runs, task.runs.load());
}

TEST(ThreadPool, ReleasedThreadIsParkedAndReusedWithNormalPriority) {
    Thread* thread = Thread::acquire();
    ASSERT_NE(nullptr, thread);
    CountingTask task;
    thread->setPriority(THREAD_PRIORITY_LOWEST);
    thread->runTimes(&task, 2);
    thread->waitIdle();
    const uint32_t id = thread->threadId();
    thread->release();

    Thread* again = Thread::acquire();
    ASSERT_EQ(thread, again);
    EXPECT_EQ(id, again->threadId());
    EXPECT_TRUE(again->isIdle());
    EXPECT_EQ(THREAD_PRIORITY_NORMAL, again->getPriority());
    again->runOnce(&task);
    again->waitIdle();
    EXPECT_EQ(3, task.runs.load());
    again->release();
}

TEST(ThreadPool, ReleaseWhileBusyLetsTheCurrentRunFinishAndDropsTheRest) {
    Thread* thread = Thread::acquire();
    ASSERT_NE(nullptr, thread);
    GatedTask task;
    thread->runTimes(&task, 5);
    ASSERT_TRUE(task.waitStarted());
    std::thread opener([&task] {
        Sleep(100);
        SetEvent(task.proceed);
    });
    thread->release();  // returns once the run in progress has returned
    EXPECT_EQ(1, task.finished.load());
    opener.join();
    Thread* again = Thread::acquire();
    ASSERT_EQ(thread, again);
    Sleep(50);
    EXPECT_EQ(1, task.runs.load());
    again->release();
}

TEST(ThreadPool, StoppedThreadComesBackFromThePoolWorking) {
    Thread* thread = Thread::acquire();
    ASSERT_NE(nullptr, thread);
    thread->stopAndWait();
    thread->release();
    Thread* again = Thread::acquire();
    ASSERT_EQ(thread, again);
    EXPECT_FALSE(again->hasEnded());
    CountingTask task;
    again->runOnce(&task);
    again->waitIdle();
    EXPECT_EQ(1, task.runs.load());
    again->release();
}

TEST(ThreadResources, CreatingAndDestroyingThreadsLeavesNoHandles) {
    auto cycle = [] {
        CountingTask task;
        for (int i = 0; i < 20; ++i) {
            Thread thread;
            thread.runTimes(&task, 2);
            thread.waitIdle();
        }
        Thread stuck;
        GatedTask gated;
        stuck.runOnce(&gated);
        gated.waitStarted();
        stuck.waitIdleOrRestart(0);
    };
    cycle();
    const auto before = testing_resources::current();
    cycle();
    EXPECT_EQ(before.kernel, testing_resources::current().kernel);
}

// Each client hands work over and waits for it, back to back. A wake-up lost
// between "idle" and "parked" leaves a client in waitIdle for ever, so the
// clients run under a deadline rather than being joined blindly.
constexpr int CYCLES = 10000;

bool finishWithin(std::vector<std::thread>& clients, std::atomic<int>& done, double limitMs) {
    const double start = nowMs();
    while (done.load() < int(clients.size()) && nowMs() - start < limitMs) Sleep(10);
    const bool finished = done.load() == int(clients.size());
    for (auto& client : clients) {
        if (finished) {
            client.join();
        } else {
            client.detach();  // hung: leave it (and its worker) behind
        }
    }
    return finished;
}

TEST(ThreadStress, BackToBackHandOversOnOwnWorkersNeverHang) {
    auto* workers = new Thread[2];
    CountingTask tasks[2];
    std::atomic<int> done{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < 2; ++c) {
        clients.emplace_back([&, c] {
            for (int i = 0; i < CYCLES; ++i) {
                workers[c].runOnce(&tasks[c]);
                workers[c].waitIdle();
            }
            ++done;
        });
    }
    ASSERT_TRUE(finishWithin(clients, done, 60000.0)) << "a client hung in waitIdle";
    EXPECT_EQ(CYCLES, tasks[0].runs.load());
    EXPECT_EQ(CYCLES, tasks[1].runs.load());
    delete[] workers;
}

TEST(ThreadStress, TwoClientsSharingOneWorkerNeverHang) {
    auto* worker = new Thread();
    CountingTask tasks[2];
    std::atomic<int> done{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < 2; ++c) {
        clients.emplace_back([&, c] {
            for (int i = 0; i < CYCLES; ++i) {
                worker->runOnce(&tasks[c]);
                worker->waitIdle();
            }
            ++done;
        });
    }
    ASSERT_TRUE(finishWithin(clients, done, 60000.0)) << "a client hung in waitIdle";
    // A hand-over may replace one the worker has not taken yet, never add runs.
    EXPECT_LE(tasks[0].runs.load() + tasks[1].runs.load(), 2 * CYCLES);
    EXPECT_GT(tasks[0].runs.load(), 0);
    EXPECT_GT(tasks[1].runs.load(), 0);
    worker->waitIdle();
    EXPECT_TRUE(worker->isIdle());
    delete worker;
}

}  // namespace
