// program_bench.exe: HueSnap.exe measured as its users meet it, in the same run
// against a bare Win32 window program (bare_window.exe) and against the same
// program with HueSnap's shape (floor_window.exe): start, memory at first show
// and settled, where the start's time and memory go, idle cost, Alt-to-colour
// latency, one whole sample, close, and handles over many samples. Exits 1 when a
// budget is missed, 2 when a figure could not be taken.
//
//   program_bench.exe [--starts N] [--presses N] [--samples N] [--idle SECONDS] [--quick]
//                     [--program FOLDER]   (HueSnap.exe and HueSnap-stripped.exe of another build)
//                     [--before FOLDER]    (another build's HueSnap.exe: started in the same rounds,
//                                           and its processor time while Alt is held measured as well)
//                     [--start-only]       (the starts and their steps, nothing else)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Figures.h"
#include "SampleCost.h"
#include "StartSteps.h"
#include "program/ColourTarget.h"
#include "program/MainWindowView.h"
#include "program/RealInput.h"
#include "program/WindowQuery.h"

namespace program_bench {

namespace {

using testing_program::ColourTarget;
using testing_program::MainWindowView;

struct Options {
    int starts = 5;
    int presses = 20;
    int samples = 3000;
    int idleSeconds = 30;
    int wholeSamples = 200;
    std::wstring programFolder;  // empty: this program's own folder
    std::wstring beforeFolder;   // empty: no earlier build to compare with
    bool startOnly = false;
};

// Budgets, as ratios or differences against the yardsticks of the same run.
constexpr double START_RATIO_BUDGET = 1.3;            // against the bare program
constexpr double SETTLED_WORKING_SET_EXTRA_MIB = 3.0;  // against the design floor
constexpr double SAMPLING_PERIOD_MS = 100.0;
constexpr double ALT_LATENCY_MAX_MS = SAMPLING_PERIOD_MS + 10.0;
constexpr double ALT_LATENCY_MEDIAN_MS = SAMPLING_PERIOD_MS / 2 + 10.0;
constexpr double CLOSE_BUDGET_MS = SAMPLING_PERIOD_MS + 20.0;
constexpr double STRIPPED_SIZE_BUDGET_MIB = 1.5;
constexpr double ALT_HELD_EXTRA_MIB = 1.0;  // what the magnifier may add to the working set

constexpr DWORD SHOW_TIMEOUT_MS = 15000;
constexpr DWORD EXIT_TIMEOUT_MS = 10000;
constexpr DWORD SETTLE_MS = 500;
// From the window showing to the working set read settled: the deferred page and
// the sampler thread are in by then.
constexpr DWORD SETTLED_AFTER_SHOW_MS = 2000;
// After a program ended, before the next starts: the system's clean-up of the
// one before (under Wine: the wine server's) must not be counted to the next.
constexpr DWORD GAP_BETWEEN_STARTS_MS = 500;

struct StartFigures {
    Series startMs, processorMs, firstShowPeakMiB, settledPeakMiB, settledPrivateMiB, closeMs;
};

// A program whose starts are measured, and its figures.
struct Started {
    const wchar_t* name;
    std::wstring path;
    StartFigures figures;
};
// The first three are always there; an earlier build of HueSnap may follow.
enum StartedIndex { HUESNAP, BARE, FLOOR, BEFORE };
using StartedPrograms = std::vector<Started>;

std::wstring folderOfThisProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

bool parseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring name = argv[i];
        if (name == L"--quick") {
            options.starts = 3, options.presses = 10, options.samples = 300, options.idleSeconds = 5;
            options.wholeSamples = 50;
            continue;
        }
        if ((name == L"--program" || name == L"--before") && i + 1 < argc) {
            std::wstring& folder = name == L"--program" ? options.programFolder : options.beforeFolder;
            folder = argv[++i];
            if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
            continue;
        }
        if (name == L"--start-only") {
            options.startOnly = true;
            continue;
        }
        int* target = name == L"--starts"    ? &options.starts
                      : name == L"--presses" ? &options.presses
                      : name == L"--samples" ? &options.samples
                      : name == L"--idle"    ? &options.idleSeconds
                                             : nullptr;
        if (!target || i + 1 >= argc || (*target = _wtoi(argv[++i])) <= 0) {
            fwprintf(stderr, L"usage: program_bench.exe [--starts N] [--presses N] [--samples N] [--idle S] [--quick] "
                             L"[--program FOLDER] [--before FOLDER] [--start-only]\n");
            return false;
        }
    }
    return true;
}

// One start: the window shown, memory at once and settled, then WM_CLOSE to the end.
bool measureOneStart(const std::wstring& program, StartFigures& figures) {
    ChildProcess child;
    if (!child.start(program, L"")) return false;
    const double shown = child.waitForShownWindow(SHOW_TIMEOUT_MS);
    if (shown < 0) return false;
    const double processor = child.processorMs();
    const MemoryFigures atShow = child.memory();
    Sleep(SETTLED_AFTER_SHOW_MS);
    const MemoryFigures settled = child.memory();
    const double close = child.closeAndWait(EXIT_TIMEOUT_MS);
    if (close < 0) return false;
    Sleep(GAP_BETWEEN_STARTS_MS);
    figures.startMs.add(shown);
    figures.processorMs.add(processor);
    figures.firstShowPeakMiB.add(atShow.peakWorkingSetMiB);
    figures.settledPeakMiB.add(settled.peakWorkingSetMiB);
    figures.settledPrivateMiB.add(settled.privateMiB);
    figures.closeMs.add(close);
    return true;
}

// Interleaved, each round in another order, after one unmeasured start of each
// (the first start reads the files from disk).
bool measureStarts(const Options& options, StartedPrograms& programs) {
    StartFigures warmUp;
    for (Started& program : programs)
        if (!measureOneStart(program.path, warmUp)) return false;
    const int count = int(programs.size());
    for (int round = 0; round < options.starts; ++round) {
        for (int i = 0; i < count; ++i) {
            // Rotated, and reversed every other round, so none always follows the same one.
            const int step = round % 2 == 0 ? i : count - 1 - i;
            Started& program = programs[size_t((step + round / 2) % count)];
            if (!measureOneStart(program.path, program.figures)) return false;
        }
    }
    return true;
}

// Columns: bare, floor, HueSnap, then the earlier build when there is one; each
// HueSnap figure also as a ratio to the bare program and a difference to the floor.
void printStartTable(const StartedPrograms& programs) {
    const int order[] = {BARE, FLOOR, HUESNAP, BEFORE};
    const size_t columns = programs.size();
    const auto line = [&](const wchar_t* what, Series StartFigures::*series, const wchar_t* unit) {
        wprintf(L"%-36ls", what);
        for (size_t c = 0; c < columns; ++c) wprintf(L" %9.1f", (programs[size_t(order[c])].figures.*series).median());
        const double bare = (programs[BARE].figures.*series).median();
        const double floorFigure = (programs[FLOOR].figures.*series).median();
        for (size_t c = 2; c < columns; ++c) {
            const double ours = (programs[size_t(order[c])].figures.*series).median();
            wprintf(L"  %-4ls %ls x%.2f bare, %+.1f floor", unit, programs[size_t(order[c])].name,
                    bare > 0 ? ours / bare : 0.0, ours - floorFigure);
        }
        wprintf(L"\n");
    };
    wprintf(L"%-36ls", L"median of each run");
    for (size_t c = 0; c < columns; ++c) wprintf(L" %9ls", programs[size_t(order[c])].name);
    wprintf(L"\n");
    line(L"start to visible main window", &StartFigures::startMs, L"ms");
    line(L"processor time to it", &StartFigures::processorMs, L"ms");
    line(L"peak working set at first show", &StartFigures::firstShowPeakMiB, L"MiB");
    line(L"peak working set settled (2 s)", &StartFigures::settledPeakMiB, L"MiB");
    line(L"private bytes settled", &StartFigures::settledPrivateMiB, L"MiB");
    line(L"WM_CLOSE to process end", &StartFigures::closeMs, L"ms");
    wprintf(L"%-36ls", L"  slowest close");
    for (size_t c = 0; c < columns; ++c) wprintf(L" %9.1f", programs[size_t(order[c])].figures.closeMs.maximum());
    wprintf(L"  ms\n");
    for (const Started& program : programs) {
        wprintf(L"%-36ls %ls:", program.name, L"start, each run (ms)");
        // Every figure, so a reader sees the spread a busy machine gives.
        for (size_t i = 0; i < program.figures.startMs.size(); ++i) wprintf(L" %.0f", program.figures.startMs.at(i));
        wprintf(L"\n");
    }
}

// Processor time the program used over `seconds` while nobody touched it.
double idleProcessorMs(ChildProcess& child, int seconds) {
    Sleep(1000);  // whatever start-up left to do
    const double before = child.processorMs();
    Sleep(DWORD(seconds) * 1000);
    return child.processorMs() - before;
}

// A square of the screen away from the main window and from Wine's stand-alone
// notification area (top left corner).
RECT freeArea(HWND mainWindow, int width) {
    const RECT window = testing_program::screenRect(mainWindow);
    RECT area = {200, 100, 200 + width, 200};
    RECT overlap;
    if (IntersectRect(&overlap, &area, &window)) {
        const int right = GetSystemMetrics(SM_CXSCREEN) - 10;
        const int bottom = GetSystemMetrics(SM_CYSCREEN) - 10;
        area = {right - width, bottom - 100, right, bottom};
    }
    return area;
}

COLORREF nextColour(unsigned& seed) {
    seed = seed * 1103515245u + 12345u;
    return COLORREF((seed >> 8) & 0xFFFFFF);
}

// The pointer rests on a new colour, the target window is active (the person
// works in another program); Alt goes down at a random moment of the sampling
// period, and the time until the hex field shows the colour is taken.
double oneAltPress(const MainWindowView& view, HWND mainWindow, COLORREF colour, unsigned& seed) {
    ColourTarget target(freeArea(mainWindow, 100), colour);
    if (!target.waitShown(5000) || !testing_program::click(target.centre())) return -1;
    // A random phase against the program's sampler: each press takes about as
    // long as the one before, so the clock alone would hit the same phase each time.
    Sleep(DWORD(nextColour(seed) % DWORD(SAMPLING_PERIOD_MS)));
    const std::wstring expected = testing_program::rgbText(colour);
    testing_program::keyDown(VK_LMENU);
    const double pressed = nowMs();
    double shown = -1;
    while (nowMs() - pressed < 2000) {
        if (_wcsicmp(view.shownHexText().c_str(), expected.c_str()) == 0) {
            shown = nowMs() - pressed;
            break;
        }
        Sleep(1);
    }
    testing_program::keyUp(VK_LMENU);
    Sleep(2 * DWORD(SAMPLING_PERIOD_MS));  // the sampler sees Alt up before the next colour
    return shown;
}

bool measureAltLatency(ChildProcess& child, int presses, Series& latency) {
    const MainWindowView view(child.shownWindow());
    if (!view.shownHexField()) return false;
    unsigned seed = 20261209u;
    for (int i = 0; i < presses; ++i) {
        const double ms = oneAltPress(view, child.shownWindow(), nextColour(seed), seed);
        if (ms < 0) return false;
        latency.add(ms);
    }
    return true;
}

struct SampleRun {
    HandleFigures before, after;
    int coloursSeen;
    double processorMs;
    double heldMs;
    double workingSetUpMiB, workingSetHeldMiB;  // just before Alt went down, and at the end of the hold
    double processorPercent() const { return heldMs > 0 ? 100.0 * processorMs / heldMs : -1; }
};

// Alt held over a window that changes its colour every period, so nearly every
// sample changes the colour: read, apply and store, `samples` times. The pointer
// stays inside that one window: under Wine, entering another window makes the
// system re-read the keyboard and forget a key pressed by SendInput.
bool holdAltForSamples(ChildProcess& child, int samples, SampleRun& run) {
    const MainWindowView view(child.shownWindow());
    const COLORREF colours[2] = {RGB(0x20, 0x60, 0xA0), RGB(0xA0, 0x40, 0x20)};
    ColourTarget target(freeArea(child.shownWindow(), 100), colours[0]);
    if (!target.waitShown(5000) || !testing_program::click(target.centre())) return false;
    testing_program::keyDown(VK_LMENU);  // a first round creates whatever lasts
    Sleep(1000);
    testing_program::keyUp(VK_LMENU);
    Sleep(SETTLE_MS);
    run.before = child.handles();
    run.workingSetUpMiB = child.memory().workingSetMiB;
    const double processorBefore = child.processorMs();
    std::wstring lastHex = view.shownHexText();
    run.coloursSeen = 0;
    testing_program::keyDown(VK_LMENU);
    const double start = nowMs();
    for (int i = 1; nowMs() - start < samples * SAMPLING_PERIOD_MS; ++i) {
        target.setColour(colours[i % 2]);
        Sleep(DWORD(SAMPLING_PERIOD_MS));
        const std::wstring hex = view.shownHexText();
        if (hex != lastHex) ++run.coloursSeen;
        lastHex = hex;
    }
    run.heldMs = nowMs() - start;
    run.workingSetHeldMiB = child.memory().workingSetMiB;
    testing_program::keyUp(VK_LMENU);
    Sleep(SETTLE_MS);
    run.processorMs = child.processorMs() - processorBefore;
    run.after = child.handles();
    return true;
}

std::wstring describe(const HandleFigures& figures) {
    wchar_t text[96];
    swprintf(text, 96, L"GDI %lu, USER %lu, kernel %lu", figures.gdi, figures.user, figures.kernel);
    return text;
}

double fileSizeMiB(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return double((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / (1024.0 * 1024.0);
}

struct RunningFigures {
    double idleOursMs = -1, idleBareMs = -1;
    Series altLatency;
    SampleRun samples = {};
    SampleRun beforeSamples = {};  // another build's, with --before
};

// The Alt-held figure of another build's program, in the same run and on the same screen.
bool measureBeforeBuild(const Options& options, RunningFigures& figures) {
    ChildProcess child;
    return child.start(options.beforeFolder + L"HueSnap.exe", L"") && child.waitForShownWindow(SHOW_TIMEOUT_MS) >= 0 &&
           holdAltForSamples(child, options.samples, figures.beforeSamples) && child.closeAndWait(EXIT_TIMEOUT_MS) >= 0;
}

bool measureRunningProgram(const Options& options, const std::wstring& hueSnap, const std::wstring& bare,
                           RunningFigures& figures) {
    ChildProcess bareChild;
    if (!bareChild.start(bare, L"") || bareChild.waitForShownWindow(SHOW_TIMEOUT_MS) < 0) return false;
    figures.idleBareMs = idleProcessorMs(bareChild, options.idleSeconds);
    bareChild.closeAndWait(EXIT_TIMEOUT_MS);
    ChildProcess child;
    if (!child.start(hueSnap, L"") || child.waitForShownWindow(SHOW_TIMEOUT_MS) < 0) return false;
    figures.idleOursMs = idleProcessorMs(child, options.idleSeconds);
    wprintf(L"%-40ls %10.1f %10.1f  ms over %d s\n", L"processor time while idle, Alt up", figures.idleOursMs,
            figures.idleBareMs, options.idleSeconds);
    if (!measureAltLatency(child, options.presses, figures.altLatency)) return false;
    wprintf(L"%-40ls median %.1f ms, slowest %.1f ms (%zu presses)\n", L"Alt pressed to colour in the hex field",
            figures.altLatency.median(), figures.altLatency.maximum(), figures.altLatency.size());
    if (!holdAltForSamples(child, options.samples, figures.samples)) return false;
    const SampleRun& run = figures.samples;
    wprintf(L"%-40ls %.0f s held, %d colour changes, %.2f ms processor per change\n", L"samples with Alt held",
            run.heldMs / 1000, run.coloursSeen, run.coloursSeen ? run.processorMs / run.coloursSeen : 0.0);
    wprintf(L"%-40ls before: %ls; after: %ls\n", L"handles (one lens refresh per sample)",
            describe(run.before).c_str(), describe(run.after).c_str());
    wprintf(L"%-40ls %.1f MiB with Alt up, %.1f MiB held\n", L"working set", run.workingSetUpMiB,
            run.workingSetHeldMiB);
    if (child.closeAndWait(EXIT_TIMEOUT_MS) < 0) return false;
    if (!options.beforeFolder.empty() && !measureBeforeBuild(options, figures)) return false;
    wprintf(L"%-40ls %.2f %% of one core", L"processor while Alt is held", run.processorPercent());
    if (!options.beforeFolder.empty())
        wprintf(L"; before (%ls): %.2f %%", options.beforeFolder.c_str(), figures.beforeSamples.processorPercent());
    wprintf(L"\n");
    return true;
}

void checkStartBudgets(const StartedPrograms& programs, Budgets& budgets) {
    const StartFigures& ours = programs[HUESNAP].figures;
    budgets.atMost(L"start time, HueSnap / bare", ours.startMs.median() / programs[BARE].figures.startMs.median(),
                   START_RATIO_BUDGET, L"x");
    budgets.atMost(L"settled peak working set above the floor",
                   ours.settledPeakMiB.median() - programs[FLOOR].figures.settledPeakMiB.median(),
                   SETTLED_WORKING_SET_EXTRA_MIB, L"MiB");
    budgets.atMost(L"WM_CLOSE to process end, median", ours.closeMs.median(), CLOSE_BUDGET_MS, L"ms");
}

void checkBudgets(const RunningFigures& running, const Series& wholeSample, double strippedMiB, Budgets& budgets) {
    budgets.atMost(L"Alt to colour shown, slowest", running.altLatency.maximum(), ALT_LATENCY_MAX_MS, L"ms");
    budgets.atMost(L"Alt to colour shown, median", running.altLatency.median(), ALT_LATENCY_MEDIAN_MS, L"ms");
    budgets.atMost(L"processor time while idle", running.idleOursMs, 0.0, L"ms");
    budgets.atMost(L"working set added while Alt is held",
                   running.samples.workingSetHeldMiB - running.samples.workingSetUpMiB, ALT_HELD_EXTRA_MIB, L"MiB");
    budgets.holds(L"no handle growth over the samples", running.samples.before == running.samples.after,
                  describe(running.samples.before) + L" -> " + describe(running.samples.after));
    budgets.atMost(L"one whole sample, median", wholeSample.median(), SAMPLING_PERIOD_MS, L"ms");
    budgets.atMost(L"stripped HueSnap.exe", strippedMiB, STRIPPED_SIZE_BUDGET_MIB, L"MiB");
}

int run(const Options& options) {
    const std::wstring folder = folderOfThisProgram();
    const std::wstring programFolder = options.programFolder.empty() ? folder : options.programFolder;
    const std::wstring hueSnap = programFolder + L"HueSnap.exe", bare = folder + L"bare_window.exe";
    StartedPrograms programs = {
        {L"HueSnap", hueSnap, {}}, {L"bare", bare, {}}, {L"floor", folder + L"floor_window.exe", {}}};
    if (!options.beforeFolder.empty()) programs.push_back({L"before", options.beforeFolder + L"HueSnap.exe", {}});
    if (!measureStarts(options, programs)) {
        fwprintf(stderr, L"a start could not be measured (is HueSnap.exe beside this program?)\n");
        return 2;
    }
    printStartTable(programs);
    for (const size_t traced : {size_t(HUESNAP), size_t(BEFORE)}) {
        if (traced >= programs.size()) continue;
        const Started& program = programs[traced];
        if (!printStartSteps(program.name, program.path, options.starts, SETTLED_AFTER_SHOW_MS)) {
            fwprintf(stderr, L"the start's steps of %ls could not be measured\n", program.name);
            return 2;
        }
    }
    Budgets budgets;
    if (options.startOnly) {
        wprintf(L"\nbudgets\n");
        checkStartBudgets(programs, budgets);
        wprintf(L"%d budget(s) missed\n", budgets.missed());
        return budgets.allMet() ? 0 : 1;
    }
    RunningFigures running;
    if (!measureRunningProgram(options, hueSnap, bare, running)) {
        fwprintf(stderr, L"the running program could not be measured\n");
        return 2;
    }
    const Series wholeSample = measureWholeSamples(options.wholeSamples);
    wprintf(L"%-40ls median %.3f ms, slowest %.3f ms (%zu samples)\n", L"one whole sample (read, apply, store)",
            wholeSample.median(), wholeSample.maximum(), wholeSample.size());
    const double strippedMiB = fileSizeMiB(programFolder + L"HueSnap-stripped.exe");
    wprintf(L"%-40ls %.2f MiB\n", L"stripped HueSnap.exe", strippedMiB);
    wprintf(L"\nbudgets\n");
    checkStartBudgets(programs, budgets);
    checkBudgets(running, wholeSample, strippedMiB, budgets);
    wprintf(L"%d budget(s) missed\n", budgets.missed());
    return budgets.allMet() ? 0 : 1;
}

}  // namespace

}  // namespace program_bench

int wmain(int argc, wchar_t** argv) {
    program_bench::Options options;
    if (!program_bench::parseOptions(argc, argv, options)) return 2;
    return program_bench::run(options);
}
