// foundation_bench.exe: runs every registered foundation benchmark (see BenchRegistry.h).
#include <cwchar>

#include "BenchRegistry.h"

int main() {
    std::vector<bench::RegisteredBench> benches = bench::registeredBenches();
    std::sort(benches.begin(), benches.end(), [](const bench::RegisteredBench& a, const bench::RegisteredBench& b) {
        return wcscmp(a.name, b.name) < 0;
    });
    for (const bench::RegisteredBench& b : benches) {
        wprintf(L"-- %ls\n", b.name);
        b.run();
    }
    return 0;
}
