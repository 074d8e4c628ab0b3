// app_bench.exe: what parking a worker thread saves. Handing work to a parked
// Thread (runOnce + waitIdle) against creating a native thread for every run.
#include <windows.h>

#include "app/thread/ITask.h"
#include "app/thread/win/Thread.h"
#include "bench/harness/Bench.h"

namespace {

class EmptyTask : public s::thread::ITask {
public:
    void run() override { ++runs; }
    volatile long runs = 0;
};

DWORD WINAPI emptyThread(void* task) {
    static_cast<EmptyTask*>(task)->run();
    return 0;
}

}  // namespace

int main() {
    EmptyTask task;
    s::thread::win::Thread parked;
    const bench::Result handOver = bench::measure(L"parked Thread: runOnce + waitIdle", 2000, [&] {
        parked.runOnce(&task);
        parked.waitIdle();
    });
    const bench::Result pooled = bench::measure(L"pooled Thread: acquire, run, wait, release", 2000, [&] {
        s::thread::win::Thread* thread = s::thread::win::Thread::acquire();
        thread->runOnce(&task);
        thread->waitIdle();
        thread->release();
    });
    const bench::Result fresh = bench::measure(L"new native thread per run", 500, [&] {
        HANDLE thread = CreateThread(nullptr, 0, &emptyThread, &task, 0, nullptr);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    });
    bench::printRatio(handOver, fresh);
    bench::printRatio(pooled, fresh);
    return 0;
}
