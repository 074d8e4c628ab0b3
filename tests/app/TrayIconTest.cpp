// The notification area: iconize and restore with the icon's keep flags, clicks
// on the icon, another copy's request, the close button that iconizes, the icon
// coming back with a new task bar, and global hot keys.
//
// Whether the shell holds the icon is asked the shell itself: modifying an icon
// succeeds only while it exists.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "AppWindowTestSupport.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace {

using s::app::win::ManagedWindow;

bool shellHasIcon(HWND hwnd) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd;
    data.uID = 0;
    data.uFlags = NIF_TIP;
    lstrcpynW(data.szTip, L"probe", 6);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class TrayIconTest : public app_testing::BoundTest {
protected:
    ManagedWindow& shown() {
        boundWindow().show(true, true);
        return *window_;
    }
    void click(LPARAM mouseMessage) { SendMessageW(hwnd(), ManagedWindow::WM_APP_TRAY, 0, mouseMessage); }
};

TEST_F(TrayIconTest, IconizeHidesWithAnIconAndRestoreTakesItAway) {
    ManagedWindow& window = shown();
    EXPECT_FALSE(shellHasIcon(hwnd()));
    window.iconize();
    EXPECT_TRUE(window.isIconized());
    EXPECT_FALSE(IsWindowVisible(hwnd()));
    EXPECT_TRUE(window.isNotifyIconPresent());
    EXPECT_TRUE(shellHasIcon(hwnd()));

    window.restore();
    EXPECT_FALSE(window.isIconized());
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_FALSE(window.isNotifyIconPresent());
    EXPECT_FALSE(shellHasIcon(hwnd()));
}

TEST_F(TrayIconTest, KeepFlagsLeaveTheIconButClosingRemovesIt) {
    ManagedWindow& window = shown();
    window.setKeepIconOnRestore(true);
    window.iconize();
    window.restore();
    EXPECT_TRUE(shellHasIcon(hwnd()));
    window.setNotifyIcon(false);
    EXPECT_FALSE(shellHasIcon(hwnd()));

    window.setNotifyIcon(true);
    window.setKeepIconOnRemoval(true);
    window.setNotifyIcon(false);
    EXPECT_TRUE(shellHasIcon(hwnd()));
    const HWND closed = hwnd();
    window.close();
    ASSERT_TRUE(window.isClosingDone());
    EXPECT_FALSE(shellHasIcon(closed));
}

TEST_F(TrayIconTest, TitleBecomesTheTipAndTheIconReturnsWithANewTaskBar) {
    ManagedWindow& window = shown();
    wchar_t title[64] = {};
    GetWindowTextW(hwnd(), title, 64);
    EXPECT_STREQ(L"Tuvo HueSnap", title);
    window.iconize();
    window.setTitle(L"Another Title");
    GetWindowTextW(hwnd(), title, 64);
    EXPECT_STREQ(L"Another Title", title);

    // The shell lost its icons (its task bar was re-created).
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd();
    Shell_NotifyIconW(NIM_DELETE, &data);
    ASSERT_FALSE(shellHasIcon(hwnd()));
    SendMessageW(hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shellHasIcon(hwnd()));
}

TEST_F(TrayIconTest, IconClickRestoresAnIconizedWindowAndIconizesAnActiveOne) {
    ManagedWindow& window = shown();
    window.iconize();
    click(WM_LBUTTONDOWN);
    EXPECT_FALSE(window.isIconized());
    EXPECT_TRUE(IsWindowVisible(hwnd()));

    window.activate(true);
    ASSERT_TRUE(app_testing::waitFor([&] { return window.isActive(); }));
    click(WM_LBUTTONDOWN);
    EXPECT_TRUE(window.isIconized());
    EXPECT_FALSE(IsWindowVisible(hwnd()));

    // Without the restore-on-click flag a click changes nothing.
    window.setRestoreOnIconClick(false);
    click(WM_LBUTTONDOWN);
    EXPECT_TRUE(window.isIconized());
}

TEST_F(TrayIconTest, CloseButtonIconizesAndAnotherInstanceRestores) {
    ManagedWindow& window = shown();
    window.setCloseButtonIconizes(true);
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(window.isIconized());
    EXPECT_FALSE(window.isClosingDone());
    EXPECT_TRUE(shellHasIcon(hwnd()));

    SendMessageW(hwnd(), ManagedWindow::WM_APP_ANOTHER_INSTANCE, 0, 0);
    EXPECT_FALSE(window.isIconized());
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_FALSE(shellHasIcon(hwnd()));
}

TEST_F(TrayIconTest, MaximizedStaysMaximizedThroughTheTrayAndAnExitWhileMinimized) {
    ManagedWindow& window = shown();
    ShowWindow(hwnd(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(hwnd()));

    // To the notification area and back by a click on the icon.
    window.iconize();
    click(WM_LBUTTONDOWN);
    ASSERT_FALSE(window.isIconized());
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_TRUE(IsZoomed(hwnd()));
    EXPECT_EQ(1, app_testing::dwordAt(app_testing::kViewKey, L"Maximized"));

    // Minimized, then ended from the icon's menu: the next start is maximized.
    ShowWindow(hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(hwnd()));
    window.close();
    ASSERT_TRUE(window.isClosingDone());
    EXPECT_EQ(1, app_testing::dwordAt(app_testing::kViewKey, L"Maximized"));
    window_->release();
    window_ = nullptr;
    boundWindow().show(true, true);
    EXPECT_TRUE(IsZoomed(hwnd()));
}

// A shell that refuses the first adds, as a task bar still starting at logon does.
struct RefusingShell {
    static LONG refusals;
    static LONG adds;
    static BOOL WINAPI call(DWORD action, PNOTIFYICONDATAW data) {
        if (action == NIM_ADD) {
            InterlockedIncrement(&adds);
            if (InterlockedDecrement(&refusals) >= 0) return FALSE;
        }
        return Shell_NotifyIconW(action, data);
    }
};
LONG RefusingShell::refusals = 0;
LONG RefusingShell::adds = 0;

class RefusedIconTest : public TrayIconTest {
protected:
    void TearDown() override {
        TrayIconTest::TearDown();
        s::app::win::NotifyIcon::setShellCall(nullptr);
    }
    void refuseAdds(LONG count, int retries = s::app::win::NotifyIcon::ADD_RETRIES) {
        RefusingShell::refusals = count;
        RefusingShell::adds = 0;
        s::app::win::NotifyIcon::setShellCall(&RefusingShell::call, retries);
    }
};

TEST_F(RefusedIconTest, RefusedAddIsTriedAgainUntilTheShellTakesIt) {
    ManagedWindow& window = shown();
    refuseAdds(2);
    window.iconize();
    EXPECT_FALSE(shellHasIcon(hwnd()));
    EXPECT_TRUE(window.isNotifyIconPending());
    ASSERT_TRUE(app_testing::waitFor([&] { return shellHasIcon(hwnd()); }, 30 * ManagedWindow::ICON_RETRY_MS))
        << RefusingShell::adds << " adds";
    EXPECT_FALSE(window.isNotifyIconPending());
    EXPECT_EQ(3, RefusingShell::adds);

    // A new task bar that refuses at first is retried the same way.
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd();
    Shell_NotifyIconW(NIM_DELETE, &data);
    refuseAdds(1);
    SendMessageW(hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(app_testing::waitFor([&] { return shellHasIcon(hwnd()); }, 30 * ManagedWindow::ICON_RETRY_MS));

    // Restored before the shell took it: no try is left running.
    window.restore();
    refuseAdds(1);
    window.iconize();
    window.restore();
    EXPECT_FALSE(window.isNotifyIconPending());
    Sleep(3 * ManagedWindow::ICON_RETRY_MS);
    EXPECT_EQ(1, RefusingShell::adds);
    EXPECT_FALSE(shellHasIcon(hwnd()));
}

TEST_F(RefusedIconTest, WindowComesBackWhenEveryTryWasRefused) {
    ManagedWindow& window = shown();
    refuseAdds(1000, 2);
    window.iconize();
    ASSERT_FALSE(IsWindowVisible(hwnd()));
    // Neither an icon nor a task-bar button: the window must not stay out of reach.
    EXPECT_TRUE(app_testing::waitFor([&] { return !window.isIconized(); }, 30 * ManagedWindow::ICON_RETRY_MS));
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_EQ(3, RefusingShell::adds);
}

TEST(RefusedIcon, TriesEndAfterABoundedNumber) {
    RefusingShell::refusals = 100000;
    RefusingShell::adds = 0;
    s::app::win::NotifyIcon::setShellCall(&RefusingShell::call);
    s::app::win::NotifyIcon icon;
    EXPECT_FALSE(icon.add(nullptr));
    int tries = 0;
    while (icon.retryAdd() && tries < 10 * s::app::win::NotifyIcon::ADD_RETRIES) ++tries;
    EXPECT_EQ(s::app::win::NotifyIcon::ADD_RETRIES - 1, tries);
    EXPECT_EQ(1 + s::app::win::NotifyIcon::ADD_RETRIES, RefusingShell::adds);
    EXPECT_FALSE(icon.retryAdd());
    EXPECT_EQ(1 + s::app::win::NotifyIcon::ADD_RETRIES, RefusingShell::adds);
    EXPECT_TRUE(icon.isAddPending());  // still wanted: a new task bar brings it
    s::app::win::NotifyIcon::setShellCall(nullptr);
}

TEST_F(TrayIconTest, HotKeysAreRegisteredReplacedAndGivenBack) {
    ManagedWindow& first = shown();
    ManagedWindow* second = ManagedWindow::acquire();
    ASSERT_TRUE(second->hasNativeWindow());

    ASSERT_TRUE(first.registerHotKey(true, true, false, false, VK_F9, L"HueSnapTestKey", false));
    EXPECT_EQ(1, first.getHotKeyCount());
    // Registering the same name again replaces the hot key.
    ASSERT_TRUE(first.registerHotKey(true, true, false, false, VK_F9, L"HueSnapTestKey", false));
    EXPECT_EQ(1, first.getHotKeyCount());
    // The keys are taken for every other window.
    EXPECT_FALSE(second->registerHotKey(true, true, false, false, VK_F9, L"HueSnapOtherKey", false));
    EXPECT_EQ(0, second->getHotKeyCount());

    first.unregisterHotKey(L"hUEsNAPtESTkEY");  // names compare ignoring case
    EXPECT_EQ(0, first.getHotKeyCount());
    EXPECT_TRUE(second->registerHotKey(true, true, false, false, VK_F9, L"HueSnapOtherKey", false));
    EXPECT_TRUE(second->registerHotKey(false, true, true, false, VK_F10, L"HueSnapThirdKey", false));
    EXPECT_EQ(2, second->getHotKeyCount());
    second->unregisterAllHotKeys();
    EXPECT_EQ(0, second->getHotKeyCount());
    EXPECT_TRUE(first.registerHotKey(true, true, false, false, VK_F9, L"HueSnapTestKey", false));
    second->release();
}

TEST(HotKeyText, NamesTheModifiersInOrderAndTheKeyCode) {
    s::str::strbuffer::StrBuffer* text = s::str::strbuffer::StrBuffer::acquire();
    ASSERT_TRUE(ManagedWindow::hotKeyFailureText(true, true, true, true, 0x78, *text));
    EXPECT_STREQ(L"HotKey Alt+Ctrl+Shift+WinKey+120 has been occupied by another application.", text->c_str());
    ASSERT_TRUE(ManagedWindow::hotKeyFailureText(false, true, false, false, 65, *text));
    EXPECT_STREQ(L"HotKey Ctrl+65 has been occupied by another application.", text->c_str());
    text->release();
    const UINT modifiers = ManagedWindow::hotKeyModifiers(true, false, true, false);
    EXPECT_EQ(UINT(MOD_ALT | MOD_SHIFT), modifiers & ~ManagedWindow::MOD_NO_REPEAT);
}

}  // namespace
