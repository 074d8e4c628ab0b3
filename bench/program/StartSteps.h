#pragma once
// Where HueSnap's start goes: the program is started with its start trace on
// (StartTrace, switched on by an environment variable), and the time and the
// working set's growth of each step are printed, medians over the starts.
#include <windows.h>

#include <string>

namespace program_bench {

// Starts `program` `starts` times, each until `settleMs` after its window showed,
// and prints the table under `title`. False when a start or its trace could not be taken.
bool printStartSteps(const wchar_t* title, const std::wstring& program, int starts, DWORD settleMs);

}  // namespace program_bench
