#pragma once
// The figures one run of the program benchmark collects, their medians, and
// the budgets they are held to.
#include <string>
#include <vector>

namespace program_bench {

// A set of measurements of one quantity.
class Series {
public:
    void add(double value) { values_.push_back(value); }
    bool empty() const { return values_.empty(); }
    double median() const;
    double maximum() const;
    size_t size() const { return values_.size(); }
    double at(size_t index) const { return values_[index]; }  // in the order added

private:
    std::vector<double> values_;
};

// One budget check: prints the line and remembers a miss.
class Budgets {
public:
    // `figure` <= `limit`; `what` names it in the report.
    void atMost(const wchar_t* what, double figure, double limit, const wchar_t* unit);
    void holds(const wchar_t* what, bool held, const std::wstring& detail);
    bool allMet() const { return missed_ == 0; }
    int missed() const { return missed_; }

private:
    int missed_ = 0;
};

}  // namespace program_bench
