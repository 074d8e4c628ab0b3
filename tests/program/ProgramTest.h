#pragma once
// The common ground of the whole-program tests: every test starts from a first
// start (no settings of the program in the registry), drives one program with
// real input and leaves no process behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "MainWindowView.h"
#include "ProgramDriver.h"

namespace testing_program {

// Generous bounds: a start under Wine in a busy build machine can take seconds.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kReactionTimeoutMs = 10000;
constexpr DWORD kExitTimeoutMs = 30000;

// The right-click menu's items that are not separators, in order.
enum RightClickItem {
    KEEP_ON_TOP = 0,
    VIEW_MENU,
    COPY_AS_MENU,
    CONTRAST_MENU,
    SKIN_MENU,
    LANGUAGE_MENU,
    ABOUT_MENU,
    CLOSE_ITEM
};
// The View submenu's items.
enum ViewItem { KEEP_IN_SCREEN_ITEM = 0, CLOSE_BY_MIDDLE_CLICK_ITEM, SHOW_CONTRAST_ITEM };
// The Copy As submenu's items, in the formats' order.
enum CopyAsItem { COPY_HEX = 0, COPY_HASH_HEX, COPY_CSS_RGB, COPY_CSS_HSL, COPY_CHANNELS, COPY_CODE_HEX, COPY_UNIT_CHANNELS };
// The Contrast submenu's items.
enum ContrastItem { FIX_CONTRAST_AA_ITEM = 0, FIX_CONTRAST_AAA_ITEM };
// The About submenu's items (the notification-icon menu has the same About submenu).
enum AboutItem { VERSION_ITEM = 0, SOFTWARE_PAGE_ITEM, TELL_DEVELOPERS_ITEM, MORE_SOFTWARE_ITEM, WORKPLACE_ITEM };
// The notification-icon menu's items that are not separators.
enum TrayItem { OPEN_WINDOW_ITEM = 0, TRAY_ABOUT_MENU, EXIT_ITEM };

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits for its shown main window; null (and a test failure) otherwise.
    HWND startShown(const std::wstring& arguments = std::wstring());
    // Clicks the title bar's close button and waits for the process to end.
    bool closeWithButton(HWND mainWindow);
    // Right-clicks the sample panel and waits for the popup menu window.
    bool openRightClickMenu(HWND mainWindow);
    // With a popup menu open: selects the item'th item (separators not counted)
    // from the keyboard; with a submenu index, opens that submenu and selects its
    // item too; then presses Enter. Waits until the menu has closed.
    bool chooseMenuItem(int item, int subItem = -1);
    // Right-click menu, then chooseMenuItem.
    bool chooseFromRightClickMenu(HWND mainWindow, int item, int subItem = -1);

    ProgramDriver program_;
};

}  // namespace testing_program
