// The test driver's own means, checked on windows of the test itself: if one
// of these fails, the whole-program tests cannot be trusted either.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "ColourTarget.h"
#include "ProgramDriver.h"
#include "ProgramSettings.h"
#include "RealInput.h"
#include "SystemOutputs.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

const UINT kIconCallback = WM_APP + 5;

// A window of the test that counts the mouse messages it gets, directly or
// through its notification icon.
struct Recorder {
    static LONG clicks;
    static LONG iconClicks;
    static LRESULT CALLBACK proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_LBUTTONDOWN) InterlockedIncrement(&clicks);
        if (msg == kIconCallback && lp == WM_LBUTTONDOWN) InterlockedIncrement(&iconClicks);
        return DefWindowProcW(window, msg, wp, lp);
    }
};
LONG Recorder::clicks = 0;
LONG Recorder::iconClicks = 0;

HWND makeRecorderWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Recorder::proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"HueSnapTestRecorder";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"HueSnapTestRecorder", L"recorder", WS_POPUP | WS_VISIBLE, 300, 300,
                                  120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window);
    return window;
}

TEST(Driver, PointerMovesAndClicksArriveAsRealInput) {
    HWND window = makeRecorderWindow();
    ASSERT_NE(nullptr, window);
    Recorder::clicks = 0;
    ASSERT_TRUE(movePointer({350, 340}));
    POINT at = {};
    GetCursorPos(&at);
    EXPECT_EQ(350, at.x);
    EXPECT_EQ(340, at.y);
    ASSERT_TRUE(click({360, 330}));
    EXPECT_TRUE(waitUntil(5000, [] { return Recorder::clicks == 1; })) << "clicks seen: " << Recorder::clicks;
    DestroyWindow(window);
}

TEST(Driver, AltKeyIsSeenByEveryProcessWhileHeld) {
    {
        AltKeyHeld alt;
        EXPECT_NE(0, GetAsyncKeyState(VK_LMENU) & 0x8000);
    }
    EXPECT_EQ(0, GetAsyncKeyState(VK_LMENU) & 0x8000);
}

TEST(Driver, ColourTargetShowsItsColourOnTheScreen) {
    ColourTarget target({20, 20, 80, 80}, RGB(0x21, 0x43, 0x65));
    ASSERT_TRUE(target.waitShown(5000)) << rgbText(screenPixel(target.centre())).c_str();
    EXPECT_EQ(RGB(0x21, 0x43, 0x65), screenPixel({21, 21}));
}

TEST(Driver, ClipboardTextRoundTrip) {
    ASSERT_TRUE(setClipboardText(L"A1B2C3"));
    EXPECT_EQ(L"A1B2C3", clipboardText());
}

TEST(Driver, SettingsRoundTripAndClear) {
    ASSERT_TRUE(settings::writeNumber(kMainView, L"X", 12));
    ASSERT_TRUE(settings::writeText(kLanguageKey, nullptr, L"German"));
    DWORD x = 0;
    EXPECT_TRUE(settings::readNumber(kMainView, L"X", &x));
    EXPECT_EQ(12u, x);
    EXPECT_EQ(L"\"German\"", settings::describeText(kLanguageKey, nullptr));
    ASSERT_TRUE(settings::clearAll());
    EXPECT_FALSE(settings::hasValue(kMainView, L"X"));
    EXPECT_EQ(L"<missing>", settings::describeText(kLanguageKey, nullptr));
}

TEST(Driver, OpenedPagesAreRecorded) {
    OpenedPages pages;
    if (!pages.available()) GTEST_SKIP() << "web pages cannot be recorded here (run through tools/test.sh)";
    pages.clear();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpVerb = L"open";
    info.lpFile = L"https://example.invalid/driver-check";
    info.nShow = SW_SHOW;
    ASSERT_TRUE(ShellExecuteExW(&info));
    const std::vector<std::wstring> opened = pages.waitFor(1, 30000);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(L"https://example.invalid/driver-check", opened[0]);
}

TEST(Driver, NotificationIconIsFoundAndTakesClicks) {
    HWND window = makeRecorderWindow();
    ASSERT_NE(nullptr, window);
    const size_t before = trayIcons().size();
    NOTIFYICONDATAW icon = {};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kIconCallback;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(icon.szTip, L"driver check");
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));
    EXPECT_TRUE(waitForTrayIconCount(before + 1, 10000)) << describeScreen();
    Recorder::iconClicks = 0;
    std::vector<HWND> icons = trayIcons();
    if (!icons.empty()) {
        click(centreOf(icons.back()));
        EXPECT_TRUE(waitUntil(5000, [] { return Recorder::iconClicks == 1; }));
    }
    Shell_NotifyIconW(NIM_DELETE, &icon);
    EXPECT_TRUE(waitForTrayIconCount(before, 10000)) << "icon still shown after NIM_DELETE";
    DestroyWindow(window);
}

}  // namespace
}  // namespace testing_program
