// Setup as a person works it: its pages, from the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

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

TEST_F(InstallTest, ThePagesInstallWithTheTickedOptionAndStartTheProgram) {
    const std::wstring folder = installed_files::scratchFolder(L"pages");
    RunningCopy setup;
    ASSERT_TRUE(setup.start(SetupProgram::path(), L"/D=" + folder));

    // The folder page, with the folder from the command line.
    HWND window = waitForPage(setup, L"Edit", folder.c_str());
    ASSERT_NE(nullptr, window) << "no folder page showing " << testing::PrintToString(folder) << "\n"
                               << testing_program::describeScreen();
    // A click on the page's empty lower left corner makes it the active window.
    const RECT frame = testing_program::screenRect(window);
    ASSERT_TRUE(testing_program::click({frame.left + 12, frame.bottom - 12}));
    testing_program::pressKey(VK_RETURN);

    // The options: below the program (always installed) comes the start with Windows.
    ASSERT_NE(nullptr, waitForPage(setup, L"SysTreeView32")) << testing_program::describeScreen();
    testing_program::pressKey(VK_DOWN);
    testing_program::pressKey(VK_SPACE);
    testing_program::pressKey(VK_RETURN);

    // The last page offers to start the program, ticked.
    ASSERT_NE(nullptr, waitForPage(setup, L"Button", L"&Run Tuvo HueSnap")) << testing_program::describeScreen();
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

}  // namespace
}  // namespace testing_install
