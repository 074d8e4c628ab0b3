#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace program_bench {

double Series::median() const {
    if (values_.empty()) return -1;
    std::vector<double> sorted(values_);
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Series::maximum() const {
    return values_.empty() ? -1 : *std::max_element(values_.begin(), values_.end());
}

void Budgets::atMost(const wchar_t* what, double figure, double limit, const wchar_t* unit) {
    // A negative figure means it could not be measured: that is a miss too.
    const bool met = figure >= 0 && figure <= limit;
    if (!met) ++missed_;
    wprintf(L"%-6ls %-44ls %10.2f %-4ls (budget <= %.2f)\n", met ? L"ok" : L"MISSED", what, figure, unit, limit);
}

void Budgets::holds(const wchar_t* what, bool held, const std::wstring& detail) {
    if (!held) ++missed_;
    wprintf(L"%-6ls %-44ls %ls\n", held ? L"ok" : L"MISSED", what, detail.c_str());
}

}  // namespace program_bench
