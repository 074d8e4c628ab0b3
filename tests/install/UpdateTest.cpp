// Setup over an existing install: over itself, over a running copy, and when
// the folder or the program file cannot be written. Whatever happens, the
// program in the folder afterwards starts: the new one, or the old one intact.
#include <windows.h>

#include <gtest/gtest.h>

#include "InstallTest.h"
#include "InstalledFiles.h"
#include "RunningCopy.h"
#include "SetupProgram.h"
#include "UserRegistry.h"

namespace testing_install {
namespace {

// Starts the program in `folder`, waits for its main window and closes it.
void expectProgramStarts(const std::wstring& folder) {
    RunningCopy program;
    ASSERT_TRUE(program.start(folder + L"\\HueSnap.exe", L"-startup")) << "error " << GetLastError();
    EXPECT_NE(nullptr, program.waitForMainWindow(kStartTimeoutMs)) << "the program in the folder does not start";
    EXPECT_TRUE(program.close(kExitTimeoutMs));
}

TEST_F(InstallTest, InstallingOverItselfReplacesTheProgramAndKeepsOneEntry) {
    const std::wstring folder = installed_files::scratchFolder(L"twice");
    ASSERT_EQ(0u, install(folder));
    const FileIdentity first = installed_files::identityOf(programIn(folder));
    ASSERT_EQ(0u, install(folder));
    EXPECT_FALSE(first == installed_files::identityOf(programIn(folder))) << "the program file was not replaced";
    expectCompleteInstall(folder);
    expectProgramStarts(folder);
}

TEST_F(InstallTest, InstallingOverARunningCopyClosesItAndStartsTheNewProgram) {
    const std::wstring folder = installed_files::scratchFolder(L"running");
    ASSERT_EQ(0u, install(folder));
    const FileIdentity before = installed_files::identityOf(programIn(folder));
    // As started with Windows: iconized, its main window hidden.
    RunningCopy old;
    ASSERT_TRUE(old.start(programIn(folder), L"-startup"));
    ASSERT_NE(nullptr, old.waitForMainWindow(kStartTimeoutMs));

    ASSERT_EQ(0u, install(folder));
    EXPECT_TRUE(old.waitForExit(kExitTimeoutMs)) << "the running copy was not closed";
    EXPECT_FALSE(before == installed_files::identityOf(programIn(folder))) << "the program file was not replaced";
    expectCompleteInstall(folder);

    RunningCopy restarted;
    ASSERT_TRUE(restarted.waitForCopyOf(programIn(folder), kStartTimeoutMs)) << "setup did not start the new program";
    EXPECT_NE(old.processId(), restarted.processId());
    EXPECT_TRUE(restarted.close(kExitTimeoutMs));
}

TEST_F(InstallTest, InstallingIntoAnotherFolderMovesTheInstall) {
    const std::wstring earlier = installed_files::scratchFolder(L"moved from");
    const std::wstring later = installed_files::scratchFolder(L"moved to");
    ASSERT_EQ(0u, install(earlier));
    RunningCopy old;
    ASSERT_TRUE(old.start(programIn(earlier), L"-startup"));
    ASSERT_NE(nullptr, old.waitForMainWindow(kStartTimeoutMs));

    ASSERT_EQ(0u, install(later));
    EXPECT_TRUE(old.waitForExit(kExitTimeoutMs)) << "the copy in the earlier folder was not closed";
    EXPECT_FALSE(installed_files::exists(earlier))
        << "left in the earlier folder:" << testing::PrintToString(leftoversOf(earlier));
    expectCompleteInstall(later);
    std::wstring location;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"InstallLocation", &location) && location == later)
        << testing::PrintToString(location);
    RunningCopy restarted;
    ASSERT_TRUE(restarted.waitForCopyOf(programIn(later), kStartTimeoutMs)) << "setup did not start the new program";
    EXPECT_TRUE(restarted.close(kExitTimeoutMs));
}

TEST_F(InstallTest, AProgramFileHeldOpenStopsSetupAndTheInstalledProgramStillStarts) {
    const std::wstring folder = installed_files::scratchFolder(L"held");
    ASSERT_EQ(0u, install(folder));
    const FileIdentity before = installed_files::identityOf(programIn(folder));
    // Another program (a scanner, a backup) reads the file and lets nobody write or rename it.
    HANDLE held =
        CreateFileW(programIn(folder).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    const DWORD exitCode = install(folder);
    CloseHandle(held);

    EXPECT_EQ(kExitProgramNotClosed, exitCode);
    EXPECT_TRUE(before == installed_files::identityOf(programIn(folder))) << "the program file was touched";
    expectCompleteInstall(folder);
    expectProgramStarts(folder);
}

TEST_F(InstallTest, AFileSetupCannotWriteStopsItAndTheInstalledProgramStillStarts) {
    const std::wstring folder = installed_files::scratchFolder(L"blocked");
    ASSERT_EQ(0u, install(folder));
    const FileIdentity before = installed_files::identityOf(programIn(folder));
    // Setup writes the new program beside the old one first: a folder in the way
    // fails that write, as a full disk would.
    const std::wstring inTheWay = programIn(folder) + L".new";
    ASSERT_TRUE(CreateDirectoryW(inTheWay.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((inTheWay + L"\\kept").c_str(), nullptr));

    EXPECT_EQ(kExitNotWritten, install(folder));
    RemoveDirectoryW((inTheWay + L"\\kept").c_str());
    RemoveDirectoryW(inTheWay.c_str());
    EXPECT_TRUE(before == installed_files::identityOf(programIn(folder))) << "the program file was touched";
    expectCompleteInstall(folder);
    expectProgramStarts(folder);
}

// A folder nobody may write to (Windows: no rights; here a folder of Linux's
// /proc, which even root cannot add to). NSIS itself replaces a /D= that cannot
// be a folder at all (a file in the path) with the earlier install's folder.
TEST_F(InstallTest, AFolderSetupMayNotWriteStopsItAndKeepsTheEarlierInstall) {
    if (!underWine()) GTEST_SKIP() << "needs a folder no user may write to; Wine gives one through its Z: drive";
    const std::wstring folder = installed_files::scratchFolder(L"earlier");
    ASSERT_EQ(0u, install(folder));
    ASSERT_TRUE(installed_files::isFolder(L"Z:\\proc"));

    EXPECT_EQ(kExitNotWritten, install(L"Z:\\proc\\Tuvo HueSnap"));
    std::wstring location;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"InstallLocation", &location));
    EXPECT_EQ(folder, location) << "the installed-programs entry no longer names the working install";
    expectCompleteInstall(folder);
    expectProgramStarts(folder);
}

}  // namespace
}  // namespace testing_install
