// The right-click menu of the main window, driven as a person does: a right
// click on the sample panel, then the arrow keys and Enter. Under Wine the menu
// of another process cannot be read, so each item is known by what it does.
#include <windows.h>

#include <gtest/gtest.h>

#include "MainWindowView.h"
#include "ProgramSettings.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

const int kSkyBlueIndex =
    8;  // in the skin list: White, Ivory, Black, Black II, Black Black, Black Black II, Classic LG, Beige, Sky Blue
const COLORREF kSkyBlueFrame = RGB(0x57, 0x85, 0xFF);
const int kDeutschIndex = 2;  // English, Belarusian, Deutsch, ...

// On Windows the menu can be read from outside; Wine keeps a menu inside its process.
std::vector<std::wstring> readableMenuItems(HWND menuWindow) {
    std::vector<std::wstring> items;
    const UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kGetMenuHandle, 0, 0));
    const int count = menu ? GetMenuItemCount(menu) : -1;
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        GetMenuStringW(menu, UINT(i), text, 128, MF_BYPOSITION);
        items.push_back(text);
    }
    return items;
}

// A snapshot of a window's pixels on the screen, to see whether its look changed:
// one copy of the whole rectangle, so it never mixes two paintings of the window.
std::vector<COLORREF> pixelsOf(HWND window) {
    const RECT rect = screenRect(window);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
            GdiFlush();
            const COLORREF* first = static_cast<const COLORREF*>(bits);
            pixels.assign(first, first + width * height);
        }
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The window's look once its painting is over: the same in two snapshots a
// moment apart (empty when it never settles).
std::vector<COLORREF> settledPixelsOf(HWND window) {
    std::vector<COLORREF> last = pixelsOf(window), now;
    waitUntil(kReactionTimeoutMs, [&] {
        Sleep(100);
        now = pixelsOf(window);
        if (!now.empty() && now == last) return true;
        last = now;
        return false;
    });
    return now == last ? now : std::vector<COLORREF>();
}

class RightClickMenu : public ProgramTest {};

TEST_F(RightClickMenu, OpensOnTheSamplePanelAndClosesWithEscape) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(openRightClickMenu(window));
    HWND menu = visiblePopupMenu();
    const std::vector<std::wstring> items = readableMenuItems(menu);
    if (!items.empty()) {
        // Only where another process's menu can be read (Windows).
        const std::vector<std::wstring> expected = {L"Keep on Top", L"", L"View", L"Skin", L"Language", L"",
                                                    L"About",       L"", L"Close"};
        EXPECT_EQ(expected, items);
    }
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() == nullptr; }));
    EXPECT_TRUE(program_.running());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(RightClickMenu, OpensAgainWithOneRightClickAfterAChoice) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const POINT at = MainWindowView(window).samplePanelPoint();
    for (int round = 0; round < 3; ++round) {
        click(at, MouseButton::Right);
        ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() != nullptr; }))
            << "right click " << round + 1 << " opened no menu";
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() == nullptr; }));
    }
    EXPECT_TRUE(closeWithButton(window));
}

// A person who closes the menu and at once right-clicks again expects the menu
// again; the system reports that second press as a double click.
TEST_F(RightClickMenu, OpensAgainOnAQuickSecondRightClick) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const POINT at = MainWindowView(window).samplePanelPoint();
    ASSERT_TRUE(openRightClickMenu(window));
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() == nullptr; }));
    clickAtOnce(at, MouseButton::Right);
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() != nullptr; }))
        << "a right click within the double-click time of the last one opened no menu";
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() == nullptr; }));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(RightClickMenu, CloseEndsTheProgram) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(chooseFromRightClickMenu(window, CLOSE_ITEM));
    ASSERT_TRUE(program_.waitForExit(kExitTimeoutMs)) << "the program still runs after \"Close\"";
    EXPECT_EQ(0u, program_.exitCode());
}

// WINE: an owned window keeps WS_EX_TOPMOST after SetWindowPos(HWND_NOTOPMOST)
// (the same holds for a plain owned Win32 window of the test under the same
// Wine), so there the window's flag cannot show keep on top going off; the
// stored setting and the pin's look still do.
bool topmostFlagFollowsRequests() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr;
}

bool storedKeepOnTopIs(DWORD expected) {
    DWORD stored = 0;
    return settings::readNumber(kMainView, L"KeepOnTop", &stored) && stored == expected;
}

TEST_F(RightClickMenu, KeepOnTopTwiceReturnsToTheStartWithPinAndWindowAgreeing) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    HWND pin = view.pinButton();
    ASSERT_NE(nullptr, pin);
    // A first start keeps the window on top, with the pin pressed.
    EXPECT_TRUE(view.isTopmost());
    // The pressed look is taken once the pin has been painted, not at a moment
    // that may fall before or inside its painting.
    const std::vector<COLORREF> pinOnTop = settledPixelsOf(pin);
    ASSERT_FALSE(pinOnTop.empty()) << "the pin's look never settled";

    ASSERT_TRUE(chooseFromRightClickMenu(window, KEEP_ON_TOP));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return storedKeepOnTopIs(0); }))
        << "KeepOnTop is " << testing::PrintToString(settings::describeNumber(kMainView, L"KeepOnTop"));
    if (topmostFlagFollowsRequests()) {
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return !view.isTopmost(); })) << "still topmost";
    }
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return pixelsOf(pin) != pinOnTop; }))
        << "the pin button looks the same after keep on top was turned off";

    ASSERT_TRUE(chooseFromRightClickMenu(window, KEEP_ON_TOP));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return storedKeepOnTopIs(1); }))
        << "KeepOnTop is " << testing::PrintToString(settings::describeNumber(kMainView, L"KeepOnTop"));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.isTopmost(); })) << "not topmost again";
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return pixelsOf(pin) == pinOnTop; }))
        << "the pin button does not look as at the start";
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(RightClickMenu, PinClickAndMenuItemAlwaysAgree) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    HWND pin = view.pinButton();
    ASSERT_NE(nullptr, pin);
    ASSERT_TRUE(view.isTopmost());
    ASSERT_TRUE(click(centreOf(pin)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return storedKeepOnTopIs(0); }))
        << "a click on the pin did not turn keep on top off";
    if (topmostFlagFollowsRequests()) {
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return !view.isTopmost(); })) << "still topmost";
    }
    // The menu's check mark followed the pin: choosing the item turns keep on top on again.
    ASSERT_TRUE(chooseFromRightClickMenu(window, KEEP_ON_TOP));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return storedKeepOnTopIs(1); }))
        << "the menu item did not turn keep on top back on after the pin turned it off";
    EXPECT_TRUE(view.isTopmost());
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(RightClickMenu, SkyBlueSkinRepaintsTheFrameAndIsStored) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ASSERT_TRUE(chooseFromRightClickMenu(window, SKIN_MENU, kSkyBlueIndex));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.outermostPixel() == kSkyBlueFrame; }))
        << "outermost pixel " << testing::PrintToString(rgbText(view.outermostPixel())) << ", expected 5785FF";
    EXPECT_EQ(L"\"Sky Blue\"", settings::describeText(kSkinKey, nullptr));
    EXPECT_TRUE(closeWithButton(window));
    // The next start keeps the skin.
    ProgramDriver again;
    ASSERT_TRUE(again.start());
    HWND second = again.waitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(nullptr, second);
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return MainWindowView(second).outermostPixel() == kSkyBlueFrame; }))
        << "after a restart the frame is " << testing::PrintToString(rgbText(MainWindowView(second).outermostPixel()));
}

TEST_F(RightClickMenu, DeutschChangesTheTextsAndIsStored) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ASSERT_NE(nullptr, view.buttonWithText(L"Copy to Clipboard"));
    ASSERT_TRUE(chooseFromRightClickMenu(window, LANGUAGE_MENU, kDeutschIndex));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
        return view.buttonWithText(L"In die Zwischenablage kopieren") != nullptr;
    })) << "the copy button does not show the German text";
    EXPECT_NE(nullptr, view.buttonWithText(L" Hintergrund "));
    EXPECT_EQ(nullptr, view.buttonWithText(L"Copy to Clipboard"));
    // The product name has no German text of its own: the title keeps it.
    EXPECT_EQ(0u, view.title().find(kProductName)) << "title " << testing::PrintToString(view.title());
    EXPECT_EQ(L"\"German\"", settings::describeText(kLanguageKey, nullptr));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(RightClickMenu, KeepInScreenIsStored) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(chooseFromRightClickMenu(window, VIEW_MENU, KEEP_IN_SCREEN_ITEM));
    DWORD stored = 0;
    EXPECT_TRUE(
        waitUntil(kReactionTimeoutMs, [&] { return settings::readNumber(kMainView, L"KeepInScreen", &stored); }));
    EXPECT_EQ(1u, stored);
    ASSERT_TRUE(chooseFromRightClickMenu(window, VIEW_MENU, KEEP_IN_SCREEN_ITEM));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                          [&] { return settings::readNumber(kMainView, L"KeepInScreen", &stored) && stored == 0; }))
        << "KeepInScreen is " << testing::PrintToString(settings::describeNumber(kMainView, L"KeepInScreen"));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(RightClickMenu, CloseByMiddleClickItemTurnsTheMiddleClickOff) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    // A first start closes on a middle click, so the item is checked: choosing it turns that off.
    ASSERT_TRUE(chooseFromRightClickMenu(window, VIEW_MENU, CLOSE_BY_MIDDLE_CLICK_ITEM));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                          [&] {
                              std::wstring value;
                              return settings::readText(kMainView, L"OnMClick", &value) && value == L"DoNothing";
                          }))
        << "OnMClick is " << testing::PrintToString(settings::describeText(kMainView, L"OnMClick"));
    ASSERT_TRUE(click(MainWindowView(window).bodyPoint(), MouseButton::Middle));
    EXPECT_FALSE(program_.waitForExit(2000)) << "a middle click still closed the window";
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(closeWithButton(window));
}

}  // namespace
}  // namespace testing_program
