// A silent install as a script or an administrator's tool runs it (setup /S),
// the first start it prepares, the start-with-Windows option chosen from the
// command line, and the silent uninstall.
#include <windows.h>

#include <gtest/gtest.h>

#include "InstallTest.h"
#include "InstalledFiles.h"
#include "RunningCopy.h"
#include "SetupProgram.h"
#include "UserRegistry.h"
#include "program/ProgramDriver.h"
#include "program/ProgramSettings.h"
#include "program/SystemOutputs.h"

namespace testing_install {
namespace {

namespace settings = testing_program::settings;
using testing_program::waitUntil;

const wchar_t kProductPage[] = L"https://tuvo.example/software/huesnap/";

std::wstring runEntryFor(const std::wstring& folder) {
    return L"\"" + folder + L"\\HueSnap.exe\" -startup";
}

TEST_F(InstallTest, SilentInstallSetsUpTheUserAndTheFirstStartOpensTheProductPageOnce) {
    testing_program::OpenedPages pages;
    ASSERT_EQ(0u, install(L""));
    const std::wstring folder = installed_files::defaultFolder();
    expectCompleteInstall(folder);
    EXPECT_FALSE(user_registry::hasValue(kRunKey, kRunValue)) << "a start-up entry nobody chose";
    DWORD silent = 0;
    EXPECT_TRUE(settings::readNumber(nullptr, L"Silent", &silent) && silent == 1)
        << settings::describeNumber(nullptr, L"Silent");

    if (pages.available()) pages.clear();
    RunningCopy program;
    ASSERT_TRUE(program.start(programIn(folder)));
    ASSERT_NE(nullptr, program.waitForMainWindow(kStartTimeoutMs)) << "the installed program shows no main window";
    EXPECT_TRUE(waitUntil(kStartTimeoutMs,
                          [] {
                              DWORD value = 1;
                              return settings::readNumber(nullptr, L"Silent", &value) && value == 0;
                          }))
        << "\"Silent\" was not cleared: " << settings::describeNumber(nullptr, L"Silent");
    if (pages.available()) {
        const std::vector<std::wstring> opened = pages.waitFor(1, kStartTimeoutMs);
        ASSERT_EQ(1u, opened.size());
        EXPECT_EQ(kProductPage, opened[0]);
    }
    EXPECT_TRUE(program.close(kExitTimeoutMs));

    RunningCopy again;
    ASSERT_TRUE(again.start(programIn(folder)));
    ASSERT_NE(nullptr, again.waitForMainWindow(kStartTimeoutMs));
    EXPECT_TRUE(again.close(kExitTimeoutMs));
    if (pages.available()) {
        EXPECT_EQ(1u, pages.read().size()) << "the second start opened the page again";
    }
}

TEST_F(InstallTest, StartOnBootIsWrittenOnlyWhenChosenAndAnUpdateKeepsTheChoice) {
    const std::wstring folder = installed_files::scratchFolder(L"boot");
    ASSERT_EQ(0u, install(folder));
    EXPECT_FALSE(user_registry::hasValue(kRunKey, kRunValue));

    ASSERT_EQ(0u, install(folder, L"/StartOnBoot"));
    std::wstring entry;
    EXPECT_TRUE(user_registry::readText(kRunKey, kRunValue, &entry));
    EXPECT_EQ(runEntryFor(folder), entry);

    // An update without the switch (an updater's plain /S) keeps what the user chose.
    ASSERT_EQ(0u, install(folder));
    EXPECT_TRUE(user_registry::readText(kRunKey, kRunValue, &entry)) << "the update dropped the start-up entry";

    ASSERT_EQ(0u, install(folder, L"/StartOnBoot=0"));
    EXPECT_FALSE(user_registry::hasValue(kRunKey, kRunValue));
    expectCompleteInstall(folder);
}

TEST_F(InstallTest, TheStartUpEntryStartsTheProgramInTheNotificationArea) {
    const std::wstring folder = installed_files::scratchFolder(L"tray");
    ASSERT_EQ(0u, install(folder, L"/StartOnBoot"));
    std::wstring entry;
    ASSERT_TRUE(user_registry::readText(kRunKey, kRunValue, &entry));
    // What the system does at log-on: run the entry's command line.
    const std::wstring quoted = L"\"" + programIn(folder) + L"\"";
    ASSERT_EQ(0u, entry.find(quoted));
    RunningCopy program;
    ASSERT_TRUE(program.start(programIn(folder), entry.substr(quoted.size() + 1)));
    HWND window = program.waitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(nullptr, window);
    // The window is made before the program knows where it goes: it ends hidden.
    EXPECT_TRUE(waitUntil(kStartTimeoutMs, [&] { return !IsWindowVisible(window); }))
        << "started from the start-up entry, the window should wait in the notification area";
    DWORD silent = 0;
    EXPECT_TRUE(settings::readNumber(nullptr, L"Silent", &silent) && silent == 1)
        << "a start at log-on is no first start: \"Silent\" stays for the first start by the user";
    EXPECT_TRUE(program.close(kExitTimeoutMs));
}

TEST_F(InstallTest, SilentUninstallRemovesTheProgramAndKeepsTheSettings) {
    const std::wstring folder = installed_files::scratchFolder(L"removed");
    ASSERT_EQ(0u, install(folder, L"/StartOnBoot"));
    ASSERT_TRUE(settings::writeText(testing_program::kSkinKey, nullptr, L"Sky Blue"));
    std::wstring quiet;
    ASSERT_TRUE(user_registry::readText(kUninstallKey, L"QuietUninstallString", &quiet));
    const std::wstring uninstaller = folder + L"\\Uninstall.exe";
    ASSERT_EQ(L"\"" + uninstaller + L"\" /S", quiet);

    // Started with Windows and still running: the uninstaller closes it.
    RunningCopy running;
    ASSERT_TRUE(running.start(programIn(folder), L"-startup"));
    ASSERT_NE(nullptr, running.waitForMainWindow(kStartTimeoutMs));

    DWORD exitCode = ~0u;
    ASSERT_TRUE(SetupProgram::run(uninstaller, L"/S", &exitCode));
    EXPECT_EQ(0u, exitCode);
    EXPECT_TRUE(running.waitForExit(kExitTimeoutMs)) << "the running copy was not closed";
    // The uninstaller hands over to a copy of itself outside the folder (so the
    // folder can go) and ends at once: wait for that copy's work.
    EXPECT_TRUE(waitUntil(kSetupTimeoutMs, [&] { return leftoversOf(folder).empty(); }))
        << "left behind:" << testing::PrintToString(leftoversOf(folder));
    std::wstring skin;
    EXPECT_TRUE(settings::readText(testing_program::kSkinKey, nullptr, &skin) && skin == L"Sky Blue")
        << "a silent uninstall must keep the settings: " << settings::describeText(testing_program::kSkinKey, nullptr);
    EXPECT_TRUE(settings::hasValue(nullptr, L"Silent"));
}

}  // namespace
}  // namespace testing_install
