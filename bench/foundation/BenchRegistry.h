#pragma once
// The benchmarks of foundation_bench.exe register themselves here (one static
// Registration per benchmark file) and BenchMain.cpp runs them in name order, so
// a new benchmark file needs no edit anywhere else.
//
//   static bench::Registration registration(L"pool", &runPoolBench);
#include <algorithm>
#include <vector>

namespace bench {

using BenchFunction = void (*)();

struct RegisteredBench {
    const wchar_t* name;
    BenchFunction run;
};

inline std::vector<RegisteredBench>& registeredBenches() {
    static std::vector<RegisteredBench> benches;
    return benches;
}

struct Registration {
    Registration(const wchar_t* name, BenchFunction run) { registeredBenches().push_back({name, run}); }
};

}  // namespace bench
