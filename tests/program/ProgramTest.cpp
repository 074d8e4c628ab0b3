#include "ProgramTest.h"

#include "ProgramSettings.h"
#include "RealInput.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {

void ProgramTest::SetUp() {
    ASSERT_TRUE(settings::clearAll()) << "could not remove the program's settings";
    // Nothing of an earlier test may still hold a key or a menu.
    keyUp(VK_LMENU);
    keyUp(VK_RMENU);
    if (visiblePopupMenu()) pressKey(VK_ESCAPE, 2);
    parkPointer();
}

void ProgramTest::TearDown() {
    if (visiblePopupMenu()) pressKey(VK_ESCAPE, 2);
    program_.kill();
}

HWND ProgramTest::startShown(const std::wstring& arguments) {
    if (!program_.start(arguments)) {
        ADD_FAILURE() << "HueSnap.exe did not start (error " << GetLastError() << ")";
        return nullptr;
    }
    HWND window = program_.waitForMainWindow(kStartTimeoutMs);
    if (!window) {
        ADD_FAILURE() << "no shown main window titled "
                      << "\"Tuvo HueSnap...\" with hex fields\n"
                      << describeScreen();
        return nullptr;
    }
    // Answering a sent message shows the window's thread has finished building and pumps.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kReactionTimeoutMs, &ignored);
    return window;
}

bool ProgramTest::closeWithButton(HWND mainWindow) {
    HWND close = MainWindowView(mainWindow).closeButton();
    if (!close) {
        ADD_FAILURE() << "no visible close button (\"#X\")";
        return false;
    }
    if (!click(centreOf(close))) return false;
    parkPointer();
    return program_.waitForExit(kExitTimeoutMs);
}

bool ProgramTest::openRightClickMenu(HWND mainWindow) {
    const POINT at = MainWindowView(mainWindow).samplePanelPoint();
    if (at.x < 0) {
        ADD_FAILURE() << "the sample panel was not found";
        return false;
    }
    click(at, MouseButton::Right);
    if (waitUntil(3000, [] { return visiblePopupMenu() != nullptr; })) return true;
    // One right click must do; the failure is recorded, and a second click lets
    // the test go on to check what the menu does.
    ADD_FAILURE() << "a right click on the sample panel opened no menu; trying once more";
    click(at, MouseButton::Right);
    if (waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() != nullptr; })) return true;
    ADD_FAILURE() << "no popup menu (\"#32768\") after a second right click on the sample panel\n" << describeScreen();
    return false;
}

bool ProgramTest::chooseMenuItem(int item, int subItem) {
    // Home selects the first item whatever the menu selected on opening.
    pressKey(VK_HOME);
    pressKey(VK_DOWN, item);
    if (subItem >= 0) {
        pressKey(VK_RIGHT);  // opens the submenu with its first item selected
        pressKey(VK_DOWN, subItem);
    }
    pressKey(VK_RETURN);
    return waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() == nullptr; });
}

bool ProgramTest::chooseFromRightClickMenu(HWND mainWindow, int item, int subItem) {
    return openRightClickMenu(mainWindow) && chooseMenuItem(item, subItem);
}

}  // namespace testing_program
