#include "StartSteps.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ChildProcess.h"
#include "Figures.h"
#include "foundation/system/trace/win/StartTrace.h"

namespace program_bench {

namespace {

using s::system::trace::win::StartTrace;

constexpr DWORD SHOW_TIMEOUT_MS = 15000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr double MIB = 1024.0 * 1024.0;

// One line of the trace: a step and the figures when it was done.
struct StepMark {
    std::string step;
    double atMs;
    double workingSetMiB, peakMiB, privateMiB;
};

// The figures of one step over all starts.
struct StepSeries {
    std::string step;
    Series ms, atMs, growthMiB, workingSetMiB, peakMiB, privateGrowthMiB;
};

std::wstring tracePath() {
    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"huesnap-start-trace.txt";
}

std::vector<StepMark> readTrace(const std::wstring& path) {
    std::vector<StepMark> marks;
    FILE* file = _wfopen(path.c_str(), L"r");
    if (!file) return marks;
    char step[64];
    double atMs;
    unsigned long long workingSet, peak, privateBytes;
    while (fscanf(file, "%63s %lf %llu %llu %llu", step, &atMs, &workingSet, &peak, &privateBytes) == 5)
        marks.push_back(StepMark{step, atMs, workingSet / MIB, peak / MIB, privateBytes / MIB});
    fclose(file);
    return marks;
}

// One traced start: the process's creation, the program's own marks, the state
// `settleMs` after the window showed. Empty when it failed.
std::vector<StepMark> tracedStart(const std::wstring& program, const std::wstring& path, DWORD settleMs) {
    DeleteFileW(path.c_str());
    ChildProcess child;
    SetEnvironmentVariableW(StartTrace::VARIABLE, path.c_str());
    const bool started = child.start(program, L"");
    SetEnvironmentVariableW(StartTrace::VARIABLE, nullptr);  // the yardsticks run without it
    if (!started || child.waitForShownWindow(SHOW_TIMEOUT_MS) < 0) return {};
    Sleep(settleMs);
    const MemoryFigures settled = child.memory();
    const double settledAt = nowMs();
    if (child.closeAndWait(EXIT_TIMEOUT_MS) < 0) return {};
    std::vector<StepMark> marks = readTrace(path);
    if (marks.empty()) return marks;
    marks.insert(marks.begin(), StepMark{"process-created", child.startedMs(), 0, 0, 0});
    marks.push_back(StepMark{"settled", settledAt, settled.workingSetMiB, settled.peakWorkingSetMiB, settled.privateMiB});
    return marks;
}

// Adds one start's marks; the steps of the first start name the rows.
bool addStart(const std::vector<StepMark>& marks, std::vector<StepSeries>& steps) {
    if (steps.empty())
        for (const StepMark& mark : marks) steps.push_back(StepSeries{mark.step, {}, {}, {}, {}, {}, {}});
    if (marks.size() != steps.size()) return false;
    for (size_t i = 0; i < marks.size(); ++i) {
        if (marks[i].step != steps[i].step) return false;
        const StepMark& before = marks[i == 0 ? 0 : i - 1];
        StepSeries& row = steps[i];
        row.ms.add(marks[i].atMs - before.atMs);
        row.atMs.add(marks[i].atMs - marks[0].atMs);
        row.growthMiB.add(marks[i].workingSetMiB - before.workingSetMiB);
        row.workingSetMiB.add(marks[i].workingSetMiB);
        row.peakMiB.add(marks[i].peakMiB);
        row.privateGrowthMiB.add(marks[i].privateMiB - before.privateMiB);
    }
    return true;
}

void printSteps(const wchar_t* title, const std::vector<StepSeries>& steps, int starts) {
    wprintf(L"\nstart-up steps of %ls, medians of %d traced starts (each row: the work since the row above)\n", title,
            starts);
    wprintf(L"%-24ls %8ls %8ls %10ls %9ls %9ls %10ls\n", L"step", L"ms", L"at ms", L"WS +MiB", L"WS MiB", L"peak MiB",
            L"priv +MiB");
    for (const StepSeries& row : steps) {
        const std::wstring step(row.step.begin(), row.step.end());  // ASCII step names
        wprintf(L"%-24ls %8.1f %8.1f %+10.2f %9.2f %9.2f %+10.2f\n", step.c_str(), row.ms.median(),
                row.atMs.median(), row.growthMiB.median(), row.workingSetMiB.median(), row.peakMiB.median(),
                row.privateGrowthMiB.median());
    }
}

}  // namespace

bool printStartSteps(const wchar_t* title, const std::wstring& program, int starts, DWORD settleMs) {
    const std::wstring path = tracePath();
    std::vector<StepSeries> steps;
    for (int i = 0; i < starts; ++i) {
        if (!addStart(tracedStart(program, path, settleMs), steps)) return false;
    }
    DeleteFileW(path.c_str());
    printSteps(title, steps, starts);
    return true;
}

}  // namespace program_bench
