#pragma once
// A small benchmark harness: times a body over repeated samples and reports
// the median, so one slow sample (a page fault, the other core busy) does not
// move the figure. Ratios between two medians measured in the same run are
// what the closing notes quote; absolute times vary between machines and Wine.
//
//   bench::Result pool = bench::measure(L"pool acquire/release", 100000, [&] { ... });
//   bench::Result heap = bench::measure(L"new/delete", 100000, [&] { ... });
//   bench::printRatio(pool, heap);
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

struct Result {
    const wchar_t* name;
    double medianNsPerOp;
};

inline double nowNs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1e9 / double(frequency.QuadPart);
}

// Keeps the optimiser from dropping work whose result is otherwise unused.
template <typename T>
inline void keep(T const& value) {
    asm volatile("" : : "g"(&value) : "memory");
}

// Runs `body` `opsPerSample` times per sample, `samples` samples after one warm-up
// sample, and returns the median time of one run of `body`.
template <typename Body>
Result measure(const wchar_t* name, int opsPerSample, Body body, int samples = 15) {
    std::vector<double> perOp;
    for (int s = -1; s < samples; ++s) {
        const double start = nowNs();
        for (int i = 0; i < opsPerSample; ++i) body();
        const double elapsed = nowNs() - start;
        if (s >= 0) perOp.push_back(elapsed / opsPerSample);
    }
    std::sort(perOp.begin(), perOp.end());
    Result result = {name, perOp[perOp.size() / 2]};
    wprintf(L"%-48ls %12.1f ns/op (median of %d)\n", name, result.medianNsPerOp, samples);
    return result;
}

// Prints how many times slower `subject` is than `baseline` (below 1: faster).
inline double printRatio(const Result& subject, const Result& baseline) {
    const double ratio = subject.medianNsPerOp / baseline.medianNsPerOp;
    wprintf(L"ratio  %ls / %ls = %.2f\n", subject.name, baseline.name, ratio);
    return ratio;
}

}  // namespace bench
