#pragma once
// The common ground of the installer tests: each starts with no install, no
// settings and no start-up entry of the program in the user's profile, and
// leaves none behind (removed directly, not through the uninstaller, so a
// failed uninstall cannot spoil the next test).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace testing_install {

// Generous bounds: a start under Wine on a busy build machine can take seconds.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;

// Setup's exit codes besides 0 (see resources/package/HueSnap.nsi).
constexpr DWORD kExitProgramNotClosed = 3;
constexpr DWORD kExitNotWritten = 4;

class InstallTest : public ::testing::Test {
public:
    static bool underWine();

protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // setup /S [options] /D=<folder>; the exit code (~0u, and a failure, when it
    // did not start or end).
    static DWORD install(const std::wstring& folder, const std::wstring& options = std::wstring());
    // Checks what a finished install in `folder` leaves: the two program files
    // (the shipped bytes), the shortcut and the installed-programs entry.
    static void expectCompleteInstall(const std::wstring& folder);
    static std::wstring programIn(const std::wstring& folder) { return folder + L"\\HueSnap.exe"; }
    // What is still there of an install in `folder`, for a failure message ("" when nothing).
    static std::wstring leftoversOf(const std::wstring& folder);

private:
    static void removeEveryInstall();
};

}  // namespace testing_install
