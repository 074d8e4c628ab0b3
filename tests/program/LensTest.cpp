// The magnifier beside the pointer while Alt is held, seen on the real screen:
// it shows the pixels around the pointer enlarged, the centre outlined and its
// hex given, goes when Alt comes up, flips at the screen's corner, stays away
// when switched off, and is never what a sample reads, even when the pointer
// jumps onto it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ColourTarget.h"
#include "MainWindowView.h"
#include "ProgramSettings.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

const wchar_t kLensClass[] = L"HueSnapLens";
constexpr int kCells = 11;  // screen pixels on each side of the lens's grid
constexpr int kReach = kCells / 2;
constexpr int kGrid = 1;  // grid lines at 96 DPI, the tests' display

// An 11 x 11 pattern no two neighbours of which agree, dark in the centre.
COLORREF pattern(int dx, int dy) {
    if (dx == 0 && dy == 0) return RGB(0x20, 0x30, 0x40);
    return RGB(0x80 + dx * 12, 0x80 + dy * 12, (dx * dy) & 1 ? 0xF0 : 0x10);
}

COLORREF allAmber(int, int) {
    return RGB(0xE0, 0x90, 0x10);
}

HWND visibleLens(DWORD processId) {
    for (HWND window : visibleWindowsOf(processId))
        if (classOf(window) == kLensClass) return window;
    return nullptr;
}

// The screen point of the middle of the lens square showing pixel (dx, dy) from the centre.
POINT squareMiddle(const RECT& lens, int dx, int dy) {
    const int pitch = (lens.right - lens.left - kGrid) / kCells;
    return {lens.left + kGrid + (dx + kReach) * pitch + (pitch - kGrid) / 2,
            lens.top + kGrid + (dy + kReach) * pitch + (pitch - kGrid) / 2};
}

// A square of `side` pixels on the screen away from the main window, at its top left when `corner`
// is false, else filling the screen's bottom-right corner.
RECT areaAwayFrom(HWND mainWindow, int side, bool corner = false) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (corner) return {width - side, height - side, width, height};
    const RECT window = screenRect(mainWindow);
    const RECT candidates[] = {{200, 100, 200 + side, 100 + side},
                               {width - 20 - side, 100, width - 20, 100 + side},
                               {200, height - 20 - side, 200 + side, height - 20}};
    RECT overlap;
    for (const RECT& area : candidates)
        if (!IntersectRect(&overlap, &area, &window)) return area;
    return candidates[0];
}

// For each poll of a wait with Alt held. Under Wine the program's process can
// lose a SendInput Alt that this process still sees down (a process re-reads the
// X keyboard on a focus or pointer change), so keepDown does not renew it; a hand
// keeps the key down, so once a second the key is pressed again.
void keepAltDown(const AltKeyHeld& alt) {
    static int polls = 0;
    alt.keepDown();
    if (++polls % 50 == 0) {
        keyUp(VK_LMENU);
        keyDown(VK_LMENU);
    }
}

class Lens : public ProgramTest {
protected:
    // Waits for `target`, clicks it (the person works in
    // another program), puts the pointer on `at` and holds Alt.
    void startAndPoint(ColourTarget& target, POINT at) {
        EXPECT_TRUE(target.waitShown(kReactionTimeoutMs)) << "the colour target is not on the screen";
        EXPECT_TRUE(click(target.centre()));
        // Under Wine a click on a window of this process now and then leaves the
        // foreground where it was; a person would click once more.
        if (!waitUntil(2000, [&] { return GetForegroundWindow() == target.window(); })) click(target.centre());
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return GetForegroundWindow() == target.window(); }))
            << "the target at " << target.centre().x << "," << target.centre().y << " is not active; "
            << describeScreen();
        SetCursorPos(at.x, at.y);
    }
    HWND waitForLens(const AltKeyHeld& alt) {
        HWND lens = nullptr;
        waitUntil(kReactionTimeoutMs, [&] {
            keepAltDown(alt);
            return (lens = visibleLens(program_.processId())) != nullptr;
        });
        return lens;
    }
};

TEST_F(Lens, ShowsThePixelsAroundThePointerWithTheCentreOutlinedAndItsHexAndGoesWithAlt) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ColourTarget target(areaAwayFrom(window, 420), RGB(0x60, 0x60, 0x60));  // reaching under the lens
    target.setPattern(pattern, kReach);
    startAndPoint(target, target.centre());
    const POINT pointer = target.centre();
    {
        AltKeyHeld alt;
        HWND lens = waitForLens(alt);
        ASSERT_NE(nullptr, lens) << "no lens appeared while Alt was held; the window shows "
                                 << testing::PrintToString(view.shownHexText()) << "\n"
                                 << describeScreen();
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                              [&] {
                                  keepAltDown(alt);
                                  return textOf(lens) == L"203040" && view.shownHexText() == L"203040";
                              }))
            << "the lens gives " << testing::PrintToString(textOf(lens)) << ", the window "
            << testing::PrintToString(view.shownHexText());
        const RECT at = screenRect(lens);
        // Below and to the right, clear of the pixels it shows, never activated.
        EXPECT_GT(at.left, pointer.x + kReach);
        EXPECT_GT(at.top, pointer.y + kReach);
        EXPECT_NE(lens, GetForegroundWindow());
        EXPECT_TRUE(hasExStyle(lens, WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOPMOST));
        for (int dy = -kReach; dy <= kReach; ++dy) {
            for (int dx = -kReach; dx <= kReach; ++dx) {
                EXPECT_EQ(rgbText(pattern(dx, dy)), rgbText(screenPixel(squareMiddle(at, dx, dy))))
                    << "the square of pixel " << dx << "," << dy;
            }
        }
        // The dark centre is outlined in white, on its rim and over the grid around it.
        const POINT centre = squareMiddle(at, 0, 0);
        const int half = ((at.right - at.left - kGrid) / kCells - kGrid) / 2;
        EXPECT_EQ(L"FFFFFF", rgbText(screenPixel({centre.x - half, centre.y})));
        EXPECT_EQ(L"FFFFFF", rgbText(screenPixel({centre.x, centre.y + half})));
        // A click on the lens reaches the window below it.
        EXPECT_EQ(target.window(), WindowFromPoint(centre));
    }
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return visibleLens(program_.processId()) == nullptr; }))
        << "the lens stayed after Alt came up";
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(Lens, FlipsAtTheScreensBottomRightCornerAndStaysOnTheScreen) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ColourTarget target(areaAwayFrom(window, 200, true), RGB(0x30, 0x90, 0x50));
    const POINT corner = {GetSystemMetrics(SM_CXSCREEN) - 3, GetSystemMetrics(SM_CYSCREEN) - 3};
    startAndPoint(target, corner);
    AltKeyHeld alt;
    HWND lens = waitForLens(alt);
    ASSERT_NE(nullptr, lens);
    const RECT at = screenRect(lens);
    EXPECT_LT(at.right, corner.x - kReach) << "not flipped to the left";
    EXPECT_LT(at.bottom, corner.y - kReach) << "not flipped upwards";
    EXPECT_GE(at.left, 0);
    EXPECT_GE(at.top, 0);
    EXPECT_TRUE(closeWithButton(window));
    EXPECT_EQ(nullptr, visibleLens(program_.processId()));
}

TEST_F(Lens, SwitchedOffInTheViewMenuNoLensAppearsAlsoAfterARestart) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(chooseFromRightClickMenu(window, VIEW_MENU, MAGNIFIER_ITEM));
    DWORD stored = 1;
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                          [&] { return settings::readNumber(kMainView, L"Magnifier", &stored) && stored == 0; }))
        << "Magnifier is " << testing::PrintToString(settings::describeNumber(kMainView, L"Magnifier"));
    ASSERT_TRUE(closeWithButton(window));
    ProgramDriver again;
    ASSERT_TRUE(again.start());
    window = again.waitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    const COLORREF colour = RGB(0x44, 0x55, 0x66);
    ColourTarget target(areaAwayFrom(window, 100), colour);
    startAndPoint(target, target.centre());
    {
        AltKeyHeld alt;
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
            keepAltDown(alt);
            return view.shownHexText() == rgbText(colour);
        })) << "sampling stopped with the lens off";
        // Three more periods with Alt held: a lens would have come with the first sample.
        EXPECT_FALSE(waitUntil(300, [&] { return visibleLens(again.processId()) != nullptr; }));
    }
    EXPECT_TRUE(click(centreOf(view.closeButton())));
    EXPECT_TRUE(again.waitForExit(kExitTimeoutMs));
}

// The pointer jumps from the amber square it magnifies onto the lens's hex row,
// where the target below is blue: every sample from then on is blue, and not
// one shows what the lens was showing there.
TEST_F(Lens, APointerJumpingOntoTheLensSamplesWhatIsBelowIt) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    const COLORREF blue = RGB(0x10, 0x40, 0xC0);
    ColourTarget target(areaAwayFrom(window, 420), blue);
    target.setPattern(allAmber, kReach);
    startAndPoint(target, target.centre());
    AltKeyHeld alt;
    HWND lens = waitForLens(alt);
    ASSERT_NE(nullptr, lens);
    const std::wstring amber = rgbText(allAmber(0, 0));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
        keepAltDown(alt);
        return textOf(lens) == amber && view.shownHexText() == amber;
    }));
    const RECT last = screenRect(lens);
    const POINT onLens = {last.left + 2, last.bottom - 2};  // the hex row's dark corner
    ASSERT_EQ(target.window(), WindowFromPoint(onLens)) << "the target does not reach under the lens";
    SetCursorPos(onLens.x, onLens.y);
    std::vector<std::wstring> seen;
    const bool blueShown = waitUntil(kReactionTimeoutMs, [&] {
        keepAltDown(alt);
        const std::wstring hex = view.shownHexText();
        if (seen.empty() || seen.back() != hex) seen.push_back(hex);
        return hex == rgbText(blue);
    });
    EXPECT_TRUE(blueShown);
    for (const std::wstring& hex : seen)
        EXPECT_TRUE(hex == amber || hex == rgbText(blue)) << "a sample read " << testing::PrintToString(hex);
    // The lens moved off the pixels it now shows, and shows them.
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                          [&] {
                              keepAltDown(alt);
                              lens = visibleLens(program_.processId());
                              return lens && textOf(lens) == rgbText(blue);
                          }))
        << "the lens " << lens << " shows " << testing::PrintToString(textOf(lens)) << "; samples seen "
        << testing::PrintToString(seen);
    RECT overlap;
    const RECT shown = {onLens.x - kReach, onLens.y - kReach, onLens.x + kReach + 1, onLens.y + kReach + 1};
    const RECT now = screenRect(lens);
    EXPECT_FALSE(IntersectRect(&overlap, &shown, &now)) << "the lens covers the pixels it shows";
    EXPECT_TRUE(closeWithButton(window));
}

}  // namespace
}  // namespace testing_program
