// Setup as a person works it: its pages, from the keyboard.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "InstallTest.h"
#include "InstalledFiles.h"
#include "RunningCopy.h"
#include "SetupProgram.h"
#include "UserRegistry.h"
#include "program/ProgramDriver.h"
#include "program/ProgramSettings.h"
#include "program/RealInput.h"
#include "program/TrayArea.h"
#include "program/WindowQuery.h"

namespace testing_install {
namespace {

using testing_program::waitUntil;

constexpr DWORD kPageTimeoutMs = 20000;

// The visible setup window that shows a control of that class (with that text,
// when given): the page a person sees.
HWND waitForPage(const RunningCopy& setup, const wchar_t* controlClass, const wchar_t* text = nullptr) {
    HWND found = nullptr;
    waitUntil(kPageTimeoutMs, [&] {
        for (HWND window : testing_program::visibleWindowsOf(setup.processId())) {
            for (HWND child : testing_program::visibleChildren(window, controlClass)) {
                if (text && testing_program::textOf(child) != text) continue;
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

// The window that has the keyboard focus in the thread that made `window`.
HWND focusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool waitForFocus(HWND control) {
    return waitUntil(kPageTimeoutMs, [&] { return focusOf(control) == control; });
}

// Tree-view messages without pointers reach another process's tree as they are.
HTREEITEM secondItemOf(HWND tree) {
    const LPARAM first = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, first));
}

bool isSelected(HWND tree, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)) == item;
}

// The components tree shows a tick as state image 2 (1: no tick).
bool isTicked(HWND tree, HTREEITEM item) {
    const LRESULT state = SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK);
    return (state >> 12) == 2;
}

// A message box of setup's (another visible dialog than the wizard), or null.
HWND waitForMessageBox(const RunningCopy& setup, HWND wizard) {
    HWND found = nullptr;
    waitUntil(kPageTimeoutMs, [&] {
        for (HWND window : testing_program::visibleWindowsOf(setup.processId()))
            if (window != wizard && testing_program::classOf(window) == L"#32770") found = window;
        return found != nullptr;
    });
    return found;
}

// The texts of a message box's labels, one after the other.
std::wstring textsIn(HWND box) {
    std::wstring texts;
    for (HWND label : testing_program::visibleChildren(box, L"Static")) texts += testing_program::textOf(label) + L" ";
    return texts;
}

// Shows the folder page for `folder` and makes it the active window; the page, or null.
HWND openFolderPage(const RunningCopy& setup, const std::wstring& folder) {
    HWND window = waitForPage(setup, L"Edit", folder.c_str());
    if (!window) return nullptr;
    // A click on the page's empty lower left corner makes it the active window.
    const RECT frame = testing_program::screenRect(window);
    testing_program::click({frame.left + 12, frame.bottom - 12});
    return waitForFocus(testing_program::findChild(window, L"Edit", folder)) ? window : nullptr;
}

TEST_F(InstallTest, ThePagesInstallWithTheTickedOptionAndStartTheProgram) {
    const std::wstring folder = installed_files::scratchFolder(L"pages");
    RunningCopy setup;
    ASSERT_TRUE(setup.start(SetupProgram::path(), L"/D=" + folder));

    // The folder page, with the folder from the command line.
    HWND window = openFolderPage(setup, folder);
    ASSERT_NE(nullptr, window) << "no active folder page showing " << testing::PrintToString(folder) << "\n"
                               << testing_program::describeScreen();
    testing_program::pressKey(VK_RETURN);

    // The options: below the program (always installed) comes the start with Windows.
    ASSERT_NE(nullptr, waitForPage(setup, L"SysTreeView32")) << testing_program::describeScreen();
    const std::vector<HWND> trees = testing_program::visibleChildren(window, L"SysTreeView32");
    ASSERT_EQ(1u, trees.size());
    HWND tree = trees[0];
    ASSERT_TRUE(waitForFocus(tree)) << "the options did not get the keyboard";
    const HTREEITEM startOnBoot = secondItemOf(tree);
    ASSERT_NE(nullptr, startOnBoot);
    EXPECT_FALSE(isTicked(tree, startOnBoot)) << "a first install offers the start with Windows unticked";
    testing_program::pressKey(VK_DOWN);
    ASSERT_TRUE(waitUntil(kPageTimeoutMs, [&] { return isSelected(tree, startOnBoot); }));
    testing_program::pressKey(VK_SPACE);
    ASSERT_TRUE(waitUntil(kPageTimeoutMs, [&] { return isTicked(tree, startOnBoot); })) << "Space did not tick it";
    testing_program::pressKey(VK_RETURN);

    // The last page offers to start the program, ticked.
    ASSERT_NE(nullptr, waitForPage(setup, L"Button", L"&Run Tuvo HueSnap")) << testing_program::describeScreen();
    HWND runBox = testing_program::findChild(window, L"Button", L"&Run Tuvo HueSnap");
    ASSERT_TRUE(waitForFocus(runBox));
    testing_program::pressKey(VK_RETURN);
    ASSERT_TRUE(setup.waitForExit(kPageTimeoutMs)) << testing_program::describeScreen();
    DWORD exitCode = ~0u;
    EXPECT_TRUE(setup.exitCode(&exitCode) && exitCode == 0) << exitCode;

    expectCompleteInstall(folder);
    std::wstring entry;
    EXPECT_TRUE(user_registry::readText(kRunKey, kRunValue, &entry)) << "the ticked option wrote no start-up entry";
    EXPECT_EQ(L"\"" + programIn(folder) + L"\" -startup", entry);
    EXPECT_FALSE(testing_program::settings::hasValue(nullptr, L"Silent"))
        << "a person saw setup: no page needs opening on the first start";

    RunningCopy started;
    ASSERT_TRUE(started.waitForCopyOf(programIn(folder), kStartTimeoutMs)) << "the last page did not start the program";
    EXPECT_NE(nullptr, started.waitForMainWindow(kStartTimeoutMs));
    EXPECT_TRUE(started.close(kExitTimeoutMs));
}

// The program file is held by another program while setup runs with its
// pages: setup says so, and Retry after the file is free finishes the update.
TEST_F(InstallTest, ThePagesSayWhenTheProgramIsInUseAndRetryFinishes) {
    const std::wstring folder = installed_files::scratchFolder(L"retry");
    ASSERT_EQ(0u, install(folder));
    const FileIdentity before = installed_files::identityOf(programIn(folder));
    HANDLE held =
        CreateFileW(programIn(folder).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    RunningCopy setup;
    ASSERT_TRUE(setup.start(SetupProgram::path(), L"/D=" + folder));
    HWND window = openFolderPage(setup, folder);
    ASSERT_NE(nullptr, window) << testing_program::describeScreen();
    testing_program::pressKey(VK_RETURN);
    ASSERT_NE(nullptr, waitForPage(setup, L"SysTreeView32")) << testing_program::describeScreen();
    ASSERT_TRUE(waitForFocus(testing_program::visibleChildren(window, L"SysTreeView32").front()));
    testing_program::pressKey(VK_RETURN);

    HWND message = waitForMessageBox(setup, window);
    CloseHandle(held);
    ASSERT_NE(nullptr, message) << "setup did not say the program is in use\n" << testing_program::describeScreen();
    const std::wstring said = textsIn(message);
    EXPECT_NE(std::wstring::npos, said.find(L"still running")) << testing::PrintToString(said);
    EXPECT_NE(std::wstring::npos, said.find(folder)) << testing::PrintToString(said);
    EXPECT_TRUE(before == installed_files::identityOf(programIn(folder))) << "touched before the user answered";
    testing_program::pressKey(VK_RETURN);  // Retry, the default

    ASSERT_NE(nullptr, waitForPage(setup, L"Button", L"&Run Tuvo HueSnap")) << testing_program::describeScreen();
    HWND runBox = testing_program::findChild(window, L"Button", L"&Run Tuvo HueSnap");
    ASSERT_TRUE(waitForFocus(runBox));
    testing_program::pressKey(VK_SPACE);  // no start this time
    ASSERT_TRUE(waitUntil(kPageTimeoutMs, [&] { return SendMessageW(runBox, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    testing_program::pressKey(VK_RETURN);
    ASSERT_TRUE(setup.waitForExit(kPageTimeoutMs)) << testing_program::describeScreen();
    DWORD exitCode = ~0u;
    EXPECT_TRUE(setup.exitCode(&exitCode) && exitCode == 0) << exitCode;
    EXPECT_FALSE(before == installed_files::identityOf(programIn(folder))) << "the program file was not replaced";
    expectCompleteInstall(folder);
}

// The uninstaller hands over to a copy of itself in the temporary folder: its
// window belongs to that copy and is found by its title (NSIS adds a space).
HWND uninstallerWindow() {
    HWND window = FindWindowW(L"#32770", L"Tuvo HueSnap Uninstall ");
    if (!window) window = FindWindowW(L"#32770", L"Tuvo HueSnap Uninstall");
    return window && IsWindowVisible(window) ? window : nullptr;
}

// The uninstaller's window once it shows a control of that class and text.
HWND waitForUninstallerPage(const wchar_t* controlClass, const wchar_t* text) {
    HWND found = nullptr;
    waitUntil(kPageTimeoutMs, [&] {
        HWND window = uninstallerWindow();
        if (window && testing_program::findChild(window, controlClass, text)) found = window;
        return found != nullptr;
    });
    return found;
}

bool isActive(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndActive == window;
}

bool programKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, testing_program::kProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

TEST_F(InstallTest, TheUninstallerAsksBeforeDeletingTheSettings) {
    const std::wstring folder = installed_files::scratchFolder(L"asked");
    ASSERT_EQ(0u, install(folder));
    ASSERT_TRUE(testing_program::settings::writeText(testing_program::kSkinKey, nullptr, L"Sky Blue"));
    RunningCopy launcher;
    ASSERT_TRUE(launcher.start(folder + L"\\Uninstall.exe"));

    HWND window = waitForUninstallerPage(L"Button", L"&Uninstall");
    ASSERT_NE(nullptr, window) << testing_program::describeScreen();
    const RECT frame = testing_program::screenRect(window);
    ASSERT_TRUE(testing_program::click({frame.left + 12, frame.bottom - 12}));
    ASSERT_TRUE(waitUntil(kPageTimeoutMs, [&] { return isActive(window); }));
    testing_program::pressKey(VK_RETURN);  // Uninstall

    // The question, with "No" as the answer Enter gives; the person says yes.
    DWORD uninstallerId = 0;
    GetWindowThreadProcessId(window, &uninstallerId);
    HWND question = nullptr;
    ASSERT_TRUE(waitUntil(kPageTimeoutMs, [&] {
        for (HWND shown : testing_program::visibleWindowsOf(uninstallerId))
            if (shown != window && testing_program::classOf(shown) == L"#32770") question = shown;
        return question != nullptr;
    })) << testing_program::describeScreen();
    EXPECT_NE(std::wstring::npos, textsIn(question).find(L"settings")) << testing::PrintToString(textsIn(question));
    EXPECT_TRUE(programKeyExists()) << "the settings went before the person answered";
    testing_program::pressKey('Y');

    ASSERT_NE(nullptr, waitForUninstallerPage(L"Button", L"&Close")) << testing_program::describeScreen();
    testing_program::pressKey(VK_RETURN);
    EXPECT_TRUE(waitUntil(kSetupTimeoutMs, [] { return uninstallerWindow() == nullptr; }));
    EXPECT_TRUE(leftoversOf(folder).empty()) << "left behind:" << testing::PrintToString(leftoversOf(folder));
    EXPECT_FALSE(programKeyExists()) << "the settings stayed after the person said yes";
}

// Where the user may not write, the folder page does not go on. Here that
// place is Linux's /proc (even root cannot add to it), which also shows no free
// space, so NSIS's page itself keeps Next off; a folder with space but no
// rights (Windows) gets setup's own message instead.
TEST_F(InstallTest, TheFolderPageDoesNotGoOnToAFolderNobodyMayWriteTo) {
    if (!underWine()) GTEST_SKIP() << "needs a folder no user may write to; Wine gives one through its Z: drive";
    const std::wstring folder = L"Z:\\proc\\Tuvo HueSnap";
    RunningCopy setup;
    ASSERT_TRUE(setup.start(SetupProgram::path(), L"/D=" + folder));
    HWND window = openFolderPage(setup, folder);
    ASSERT_NE(nullptr, window) << testing_program::describeScreen();
    HWND next = testing_program::findChild(window, L"Button", L"&Next >");
    ASSERT_NE(nullptr, next);
    EXPECT_FALSE(IsWindowEnabled(next)) << "Next leads on to installing where nothing can be written";

    // Cancel, and yes, quit: nothing was installed.
    testing_program::pressKey(VK_ESCAPE);
    ASSERT_NE(nullptr, waitForMessageBox(setup, window)) << testing_program::describeScreen();
    testing_program::pressKey(VK_RETURN);
    ASSERT_TRUE(setup.waitForExit(kPageTimeoutMs)) << testing_program::describeScreen();
    EXPECT_FALSE(user_registry::keyExists(kUninstallKey));
}

}  // namespace
}  // namespace testing_install
