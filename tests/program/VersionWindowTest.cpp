// The version window, opened from the right-click menu's About submenu: its
// address link opens the address, "Close" closes it, each command makes a new
// window in place of the last, and its texts are readable by other programs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowView.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "SystemOutputs.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

const wchar_t kMakerAddress[] = L"https://tuvo.example/";  // entry 101000, shown after "URL:"
const COLORREF kLinkColour = RGB(0, 170, 0);

class VersionWindow : public ProgramTest {
protected:
    // The program's shown top-level windows other than the main window and menus.
    std::vector<HWND> versionWindows(HWND mainWindow) {
        std::vector<HWND> found;
        for (HWND window : visibleWindowsOf(program_.processId()))
            if (window != mainWindow && classOf(window) != L"#32768" && findChild(window, L"Button", L"Close"))
                found.push_back(window);
        return found;
    }

    HWND openVersionWindow(HWND mainWindow, HWND replacing = nullptr) {
        if (!chooseFromRightClickMenu(mainWindow, ABOUT_MENU, VERSION_ITEM)) return nullptr;
        HWND found = nullptr;
        waitUntil(kReactionTimeoutMs, [&] {
            const std::vector<HWND> windows = versionWindows(mainWindow);
            found = windows.size() == 1 && windows[0] != replacing ? windows[0] : nullptr;
            return found != nullptr;
        });
        if (!found) ADD_FAILURE() << "no new version window with a \"Close\" button\n" << describeScreen();
        return found;
    }

    // A point of the window that drags it (the window answers HTCAPTION there),
    // found by asking the window's hit test along its middle column.
    static bool findDragPoint(HWND window, POINT* at) {
        const RECT rect = screenRect(window);
        const int x = (rect.left + rect.right) / 2;
        for (int y = rect.top + 2; y < rect.bottom - 2; y += 3) {
            DWORD_PTR hit = 0;
            if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit) &&
                hit == HTCAPTION) {
                *at = {x, y};
                return true;
            }
        }
        return false;
    }

    // The version window opens over the main window; a person drags it aside to
    // reach the main window again.
    static bool dragAsideOf(HWND version, HWND mainWindow) {
        POINT from = {};
        if (!findDragPoint(version, &from)) return false;
        const RECT rect = screenRect(version);
        const int dx = 20 - rect.left;
        if (!drag(from, {from.x + dx, from.y})) return false;
        return waitUntil(kReactionTimeoutMs, [&] {
            RECT now = screenRect(version), overlap;
            const RECT main = screenRect(mainWindow);
            return !IntersectRect(&overlap, &now, &main);
        });
    }

    // The first pixel of the link colour, row by row from the top: the "URL:"
    // link comes before the support panel's link.
    static bool findLinkPixel(HWND window, POINT* at) {
        const RECT rect = screenRect(window);
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (screenPixel({x, y}) == kLinkColour) {
                    *at = {x, y};
                    return true;
                }
        return false;
    }
};

TEST_F(VersionWindow, OpensFromTheMenuAndItsCloseButtonClosesIt) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    HWND version = openVersionWindow(window);
    ASSERT_NE(nullptr, version);
    EXPECT_EQ(window, GetWindow(version, GW_OWNER)) << "the version window is not owned by the main window";
    ASSERT_TRUE(click(centreOf(findChild(version, L"Button", L"Close"))));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return versionWindows(window).empty(); }))
        << "the version window is still shown after \"Close\"";
    EXPECT_TRUE(program_.running());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(closeWithButton(window));
}

// A screen reader reads the window's texts through WM_GETTEXT from its own
// process: every caption and value the window shows must answer with its text.
TEST_F(VersionWindow, EveryShownTextIsReadableByWmGetTextFromAnotherProcess) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    HWND version = openVersionWindow(window);
    ASSERT_NE(nullptr, version);
    std::vector<std::wstring> texts;
    for (HWND child : visibleChildren(version))
        if (!textOf(child).empty()) texts.push_back(textOf(child));
    const std::wstring shown[] = {L"Version Information", L"Tuvo HueSnap", L"Version:", HUESNAP_TEST_VERSION,
                                  L"Last Updated:", HUESNAP_TEST_RELEASE_DATE, L"URL:", kMakerAddress,
                                  L"Is this freeware useful?", L"Please support us via donation.", L"Close"};
    for (const std::wstring& text : shown)
        EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), text)) << "not readable: " << text;
    ASSERT_TRUE(click(centreOf(findChild(version, L"Button", L"Close"))));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return versionWindows(window).empty(); }));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(VersionWindow, EachCommandMakesANewWindowInPlaceOfTheLast) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    HWND first = openVersionWindow(window);
    ASSERT_NE(nullptr, first);
    ASSERT_TRUE(dragAsideOf(first, window)) << "the version window could not be dragged off the main window";
    HWND second = openVersionWindow(window, first);
    ASSERT_NE(nullptr, second);
    EXPECT_FALSE(IsWindow(first) && IsWindowVisible(first)) << "the first version window is still shown";
    EXPECT_EQ(1u, versionWindows(window).size());
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(VersionWindow, TheUrlLinkOpensTheAddress) {
    OpenedPages pages;
    if (!pages.available()) GTEST_SKIP() << "web pages cannot be recorded here (run through tools/test.sh)";
    pages.clear();
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    HWND version = openVersionWindow(window);
    ASSERT_NE(nullptr, version);
    POINT link = {};
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return findLinkPixel(version, &link); }))
        << "no text in the link colour (0, 170, 0) in the version window";
    ASSERT_TRUE(click(link));
    const std::vector<std::wstring> opened = pages.waitFor(1, kReactionTimeoutMs);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(kMakerAddress, opened[0]);
    ASSERT_TRUE(click(centreOf(findChild(version, L"Button", L"Close"))));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return versionWindows(window).empty(); }));
    EXPECT_TRUE(closeWithButton(window));
}

}  // namespace
}  // namespace testing_program
