#include "InstallTest.h"

#include <objbase.h>

#include "InstalledFiles.h"
#include "RunningCopy.h"
#include "SetupProgram.h"
#include "UserRegistry.h"
#include "program/ProgramSettings.h"
#include "program/WindowQuery.h"

namespace testing_install {

namespace {

// Under Wine a Start-menu shortcut also becomes a menu entry and icons in the
// Linux desktop of whoever runs the tests. The test prefix's menu builder is
// switched off, so nothing an install does leaves the prefix.
void keepWineMenusOut() {
    if (!InstallTest::underWine()) return;
    user_registry::writeText(L"Software\\Wine\\DllOverrides", L"winemenubuilder.exe", L"");
}

std::wstring scratchRoot() {
    const std::wstring folder = installed_files::scratchFolder(L"");
    return folder.substr(0, folder.size() - 1);
}

BOOL CALLBACK endSetupWindowProcess(HWND window, LPARAM) {
    if (testing_program::classOf(window) != L"#32770") return TRUE;
    const std::wstring title = testing_program::textOf(window);
    if (title.rfind(L"Tuvo HueSnap Setup", 0) != 0 && title.rfind(L"Tuvo HueSnap Uninstall", 0) != 0) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
    return TRUE;
}

// A setup or uninstaller a failed test left waiting on a page or a question
// (the uninstaller runs as a copy of itself, which no test started directly).
void endSetupsLeftOpen() {
    EnumWindows(endSetupWindowProcess, 0);
}

void endCopiesRunningFrom(const std::wstring& folder) {
    for (int i = 0; i < 4; ++i) {
        RunningCopy copy;
        if (!copy.waitForCopyOf(folder + L"\\HueSnap.exe", 0)) return;
        copy.kill();
    }
}

}  // namespace

bool InstallTest::underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

void InstallTest::SetUpTestSuite() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    keepWineMenusOut();
}

void InstallTest::TearDownTestSuite() {
    CoUninitialize();
}

void InstallTest::SetUp() {
    ASSERT_TRUE(installed_files::exists(SetupProgram::path()))
        << "no setup program at " << testing::PrintToString(SetupProgram::path());
    removeEveryInstall();
}

void InstallTest::TearDown() {
    removeEveryInstall();
}

void InstallTest::removeEveryInstall() {
    endSetupsLeftOpen();
    const std::wstring folders[] = {installed_files::defaultFolder(), scratchRoot()};
    for (const std::wstring& folder : folders) {
        endCopiesRunningFrom(folder);
        for (const std::wstring& name : installed_files::namesIn(folder)) endCopiesRunningFrom(folder + L"\\" + name);
        EXPECT_TRUE(installed_files::removeFolder(folder)) << "could not remove " << testing::PrintToString(folder);
    }
    DeleteFileW(installed_files::shortcutPath().c_str());
    EXPECT_TRUE(user_registry::removeTree(kUninstallKey));
    user_registry::removeValue(kRunKey, kRunValue);
    EXPECT_TRUE(testing_program::settings::clearAll());
}

DWORD InstallTest::install(const std::wstring& folder, const std::wstring& options) {
    std::wstring arguments = options;
    if (!folder.empty()) arguments += (arguments.empty() ? L"" : L" ") + std::wstring(L"/D=") + folder;
    DWORD exitCode = ~0u;
    if (!SetupProgram::runSilent(arguments, &exitCode)) {
        ADD_FAILURE() << "setup did not start or did not end with " << testing::PrintToString(arguments);
        return ~0u;
    }
    return exitCode;
}

void InstallTest::expectCompleteInstall(const std::wstring& folder) {
    const std::vector<std::wstring> expectedFiles = {L"HueSnap.exe", L"Uninstall.exe"};
    EXPECT_EQ(expectedFiles, installed_files::namesIn(folder)) << "in " << testing::PrintToString(folder);
    EXPECT_TRUE(installed_files::sameBytes(programIn(folder), SetupProgram::shippedProgram()))
        << "the installed program is not the one setup ships";

    EXPECT_EQ(installed_files::longPath(programIn(folder)),
              installed_files::longPath(installed_files::shortcutTarget(installed_files::shortcutPath())))
        << "the Start-menu shortcut does not start the installed program";

    std::wstring text;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"DisplayName", &text) && text == L"Tuvo HueSnap") << text;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"DisplayVersion", &text) && text == HUESNAP_VERSION_TEXT)
        << text;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"Publisher", &text) && text == L"Tuvo") << text;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"DisplayIcon", &text) && text == programIn(folder) + L",0")
        << text;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"UninstallString", &text) &&
                text == L"\"" + folder + L"\\Uninstall.exe\"")
        << text;
    EXPECT_TRUE(user_registry::readText(kUninstallKey, L"QuietUninstallString", &text) &&
                text == L"\"" + folder + L"\\Uninstall.exe\" /S")
        << text;
}

std::wstring InstallTest::leftoversOf(const std::wstring& folder) {
    std::wstring left;
    for (const std::wstring& name : installed_files::namesIn(folder)) left += L" file:" + name;
    if (installed_files::exists(folder)) left += L" folder";
    if (installed_files::exists(installed_files::shortcutPath())) left += L" shortcut";
    if (user_registry::hasValue(kRunKey, kRunValue)) left += L" start-up entry";
    if (user_registry::keyExists(kUninstallKey)) left += L" installed-programs entry";
    return left;
}

}  // namespace testing_install
