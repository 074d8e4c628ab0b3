#pragma once
// StartTrace: time and memory at each step of the program's start, for the
// program benchmark's breakdown.
//
// Off unless the environment variable HUESNAP_START_TRACE names a file when the
// first step is marked; off, a mark costs one test of a flag read once. On, each
// mark appends one line to that file:
//
//     <step> <performance counter in ms> <working set> <peak working set> <private bytes>
//
// (the sizes in bytes). The counter is the machine's, so the benchmark that
// started the program can set the lines against the moment it started it.
// Marks may come from any thread; lines are written whole, in the order taken.
namespace s::system::trace::win {

class StartTrace {
public:
    // `step` names what has just been done: a short word without spaces.
    static void mark(const char* step);

    // The environment variable that switches the trace on.
    static constexpr wchar_t VARIABLE[] = L"HUESNAP_START_TRACE";
};

}  // namespace s::system::trace::win
