// Taking a colour from the screen: the pointer rests on a window of a known
// colour while an Alt key is held, as a person does it.
#include <windows.h>

#include <gtest/gtest.h>

#include "ColourTarget.h"
#include "MainWindowView.h"
#include "ProgramSettings.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

const COLORREF kTargetColour = RGB(0x12, 0xAB, 0x5F);
const wchar_t kTargetHex[] = L"12AB5F";
const COLORREF kSecondColour = RGB(0xC0, 0x30, 0x90);

// A square of the screen that neither the main window nor Wine's stand-alone
// notification area (top left corner) covers.
RECT freeArea(HWND mainWindow) {
    const RECT window = mainWindow ? screenRect(mainWindow) : RECT{0, 0, 0, 0};
    RECT area = {200, 100, 300, 200};
    RECT overlap;
    if (IntersectRect(&overlap, &area, &window)) {
        const int right = GetSystemMetrics(SM_CXSCREEN) - 10;
        const int bottom = GetSystemMetrics(SM_CYSCREEN) - 10;
        area = {right - 100, bottom - 100, right, bottom};
    }
    return area;
}

bool storedBackgroundIs(COLORREF colour) {
    DWORD stored = 0;
    return settings::readNumber(kMainView, L"BackgroundColor", &stored) && stored == colour;
}

class Sampling : public ProgramTest {};

// The person works in another program (a click on it makes it active), the
// colour window stays shown beside it; Alt held over a colour takes it.
TEST_F(Sampling, AltOverAColourSetsTheBackgroundAndStoresIt) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    EXPECT_EQ(L"CFE566", view.shownHexText()) << "the background page is not the one shown at start";
    ColourTarget target(freeArea(window), kTargetColour);
    ASSERT_TRUE(target.waitShown(kReactionTimeoutMs)) << "the colour target is not on the screen";
    ASSERT_TRUE(click(target.centre()));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return GetForegroundWindow() == target.window(); }));
    SetCursorPos(target.centre().x, target.centre().y);
    {
        AltKeyHeld alt;
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
            alt.keepDown();
            return view.shownHexText() == kTargetHex;
        }))
            << "hex field shows " << testing::PrintToString(view.shownHexText());
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return storedBackgroundIs(kTargetColour); }))
            << "BackgroundColor is " << testing::PrintToString(settings::describeNumber(kMainView, L"BackgroundColor"));
        EXPECT_TRUE(waitForPixel(view.samplePanelPoint(), kTargetColour, kReactionTimeoutMs))
            << "the sample panel shows " << testing::PrintToString(rgbText(screenPixel(view.samplePanelPoint())));
    }
    // Without Alt the pointer over another colour changes nothing.
    ColourTarget other(freeArea(window), kSecondColour);
    ASSERT_TRUE(other.waitShown(kReactionTimeoutMs));
    Sleep(500);  // five sampling periods
    EXPECT_EQ(kTargetHex, view.shownHexText());
    EXPECT_TRUE(storedBackgroundIs(kTargetColour));
    EXPECT_TRUE(closeWithButton(window));
}

// Either Alt key samples: a person may hold the right one alone.
TEST_F(Sampling, RightAltAloneSamplesAsWell) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ColourTarget target(freeArea(window), kTargetColour);
    ASSERT_TRUE(target.waitShown(kReactionTimeoutMs)) << "the colour target is not on the screen";
    ASSERT_TRUE(click(target.centre()));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return GetForegroundWindow() == target.window(); }));
    SetCursorPos(target.centre().x, target.centre().y);
    {
        AltKeyHeld rightAlt(VK_RMENU);
        ASSERT_EQ(0, GetAsyncKeyState(VK_LMENU) & 0x8000) << "the left Alt key is down too";
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
            rightAlt.keepDown();
            return view.shownHexText() == kTargetHex;
        }))
            << "hex field shows " << testing::PrintToString(view.shownHexText());
    }
    EXPECT_TRUE(closeWithButton(window));
}

// Alt pressed and released while the colour window itself is active (the person
// tried a sample without moving to another program) must leave the window
// working: the next click on its close button closes it.
TEST_F(Sampling, AltTapWhileTheWindowIsActiveLeavesTheNextClickToIt) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_EQ(window, GetForegroundWindow());
    pressKey(VK_LMENU);
    // Alt is the sampling key: letting it go must not leave the window in menu mode.
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    Sleep(200);  // the release reaches the window's thread; the state is read from outside
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info));
    EXPECT_EQ(0u, info.flags & GUI_INMENUMODE) << "an Alt tap put the window in menu mode";
    EXPECT_TRUE(closeWithButton(window)) << "the click on the close button after an Alt tap was lost";
}

TEST_F(Sampling, AltSamplesWhileTheWindowIsIconized) {
    const size_t iconsBefore = trayIcons().size();
    ASSERT_TRUE(program_.start(L"-startup"));
    ASSERT_TRUE(waitForTrayIconCount(iconsBefore + 1, kStartTimeoutMs)) << describeScreen();
    HWND window = program_.waitForHiddenMainWindow(kReactionTimeoutMs);
    ASSERT_NE(nullptr, window);
    ColourTarget target(freeArea(nullptr), kTargetColour);
    ASSERT_TRUE(target.waitShown(kReactionTimeoutMs));
    ASSERT_TRUE(click(target.centre()));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return GetForegroundWindow() == target.window(); }));
    SetCursorPos(target.centre().x, target.centre().y);
    {
        AltKeyHeld alt;
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
            alt.keepDown();
            return storedBackgroundIs(kTargetColour);
        }))
            << "BackgroundColor is " << testing::PrintToString(settings::describeNumber(kMainView, L"BackgroundColor"));
    }
    // The hidden window's field changed too: it shows the colour once restored
    // with a click on the notification icon.
    std::vector<HWND> icons = trayIcons();
    ASSERT_FALSE(icons.empty());
    ASSERT_TRUE(click(centreOf(icons.back())));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_EQ(kTargetHex, MainWindowView(window).shownHexText());
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(Sampling, StoredColoursComeBackAtTheNextStart) {
    ASSERT_TRUE(settings::writeNumber(kMainView, L"BackgroundColor", kTargetColour));
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    EXPECT_EQ(kTargetHex, view.shownHexText());
    HWND panel = view.samplePanel();
    ASSERT_NE(nullptr, panel);
    EXPECT_TRUE(waitForPixel(view.samplePanelPoint(), kTargetColour, kReactionTimeoutMs))
        << "sample panel shows " << testing::PrintToString(rgbText(screenPixel(view.samplePanelPoint())));
    EXPECT_TRUE(closeWithButton(window));
}

}  // namespace
}  // namespace testing_program
