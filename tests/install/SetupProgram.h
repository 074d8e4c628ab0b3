#pragma once
// The setup program the build made, the program it ships, and running setup or
// an uninstaller as a script (or a person at a command prompt) would: with a
// command line, waiting for the exit code.
#include <windows.h>

#include <string>

namespace testing_install {

// Generous bounds: a setup under Wine on a busy build machine can take seconds.
constexpr DWORD kSetupTimeoutMs = 60000;

class SetupProgram {
public:
    // ..\package\HueSnap-<version>-setup.exe, seen from the test program's folder.
    static std::wstring path();
    // ..\package\installer\HueSnap.exe: the stripped program the setup ships.
    static std::wstring shippedProgram();
    // Runs "<program>" <arguments> and waits for it to end; false when it did not
    // start or end in time, else the exit code is stored.
    static bool run(const std::wstring& program, const std::wstring& arguments, DWORD* exitCode);
    // The setup program with /S and the given arguments.
    static bool runSilent(const std::wstring& arguments, DWORD* exitCode);
};

}  // namespace testing_install
