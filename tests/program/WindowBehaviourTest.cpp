// Behaviours of the main window a person meets with the mouse: the skin's
// frame, dragging by the body, the middle click, the title-bar buttons and a
// stored position.
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

const COLORREF kBlackBlackFrame = RGB(0x33, 0x33, 0x33);

class WindowBehaviour : public ProgramTest {};

TEST_F(WindowBehaviour, FirstStartShowsTheBlackBlackFrameAllAround) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const RECT rect = screenRect(window);
    const POINT edges[] = {{(rect.left + rect.right) / 2, rect.top},
                           {(rect.left + rect.right) / 2, rect.bottom - 1},
                           {rect.left, (rect.top + rect.bottom) / 2},
                           {rect.right - 1, (rect.top + rect.bottom) / 2}};
    for (const POINT& at : edges) {
        EXPECT_TRUE(waitForPixel(at, kBlackBlackFrame, kReactionTimeoutMs))
            << "at (" << at.x << "," << at.y << "): " << testing::PrintToString(rgbText(screenPixel(at)))
            << ", expected 333333";
    }
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(WindowBehaviour, DraggingTheBodyMovesTheWindowAndTheCloseStoresThePosition) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    const RECT before = screenRect(window);
    const POINT from = view.bodyPoint();
    ASSERT_GE(from.x, 0) << "no body point found";
    const POINT to = {from.x + 60, from.y + 40};
    ASSERT_TRUE(drag(from, to));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                          [&] {
                              const RECT now = screenRect(window);
                              return now.left == before.left + 60 && now.top == before.top + 40;
                          }))
        << "window moved from (" << before.left << "," << before.top << ") to (" << screenRect(window).left << ","
        << screenRect(window).top << "), expected a move by (60,40)";
    const RECT after = screenRect(window);
    ASSERT_TRUE(closeWithButton(window));
    DWORD x = 0, y = 0;
    EXPECT_TRUE(settings::readNumber(kMainView, L"X", &x));
    EXPECT_TRUE(settings::readNumber(kMainView, L"Y", &y));
    EXPECT_EQ(after.left, LONG(x));
    EXPECT_EQ(after.top, LONG(y));
}

TEST_F(WindowBehaviour, StoredPositionPlacesTheWindow) {
    ASSERT_TRUE(settings::writeNumber(kMainView, L"X", 140));
    ASSERT_TRUE(settings::writeNumber(kMainView, L"Y", 90));
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const RECT rect = screenRect(window);
    EXPECT_EQ(140, rect.left);
    EXPECT_EQ(90, rect.top);
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(WindowBehaviour, MiddleClickOnTheBodyCloses) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(click(MainWindowView(window).bodyPoint(), MouseButton::Middle));
    ASSERT_TRUE(program_.waitForExit(kExitTimeoutMs)) << "the program still runs after a middle click";
    EXPECT_EQ(0u, program_.exitCode());
}

TEST_F(WindowBehaviour, MiddleClickIconizesWhenSetSo) {
    ASSERT_TRUE(settings::writeText(kMainView, L"OnMClick", L"Iconize"));
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const size_t iconsBefore = trayIcons().size();
    ASSERT_TRUE(click(MainWindowView(window).bodyPoint(), MouseButton::Middle));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return !IsWindowVisible(window); }))
        << "the window is still shown after a middle click";
    EXPECT_TRUE(waitForTrayIconCount(iconsBefore + 1, kReactionTimeoutMs)) << "no notification icon appeared\n"
                                                                           << describeScreen();
    EXPECT_TRUE(program_.running());
}

TEST_F(WindowBehaviour, MaximizedSurvivesTheNotificationAreaAndAnEndWhileMinimized) {
    ASSERT_TRUE(settings::writeNumber(kMainView, L"Maximized", 1));
    ASSERT_TRUE(settings::writeText(kMainView, L"OnMClick", L"Iconize"));
    const size_t iconsBefore = trayIcons().size();
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(IsZoomed(window));

    // Into the notification area by a middle click, back by a click on the icon.
    ASSERT_TRUE(click(MainWindowView(window).bodyPoint(), MouseButton::Middle));
    ASSERT_TRUE(waitForTrayIconCount(iconsBefore + 1, kReactionTimeoutMs)) << describeScreen();
    ASSERT_TRUE(click(centreOf(trayIcons().back())));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return IsWindowVisible(window) != FALSE; })) << describeScreen();
    EXPECT_TRUE(waitForTrayIconCount(iconsBefore, kReactionTimeoutMs)) << "the icon stayed after the restore";
    EXPECT_TRUE(IsZoomed(window)) << "the window came back from the notification area un-maximized";

    // Minimized with its button, then ended from outside (the task bar button's
    // menu sends the close command): the next start is maximized again. (A window
    // taken down to normal by the restore would store false here as well.)
    HWND minimise = MainWindowView(window).minimiseButton();
    ASSERT_NE(nullptr, minimise);
    ASSERT_TRUE(click(centreOf(minimise)));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return IsIconic(window) != FALSE; }));
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program_.waitForExit(kExitTimeoutMs));
    DWORD maximized = 0;
    EXPECT_TRUE(settings::readNumber(kMainView, L"Maximized", &maximized) && maximized == 1)
        << testing::PrintToString(settings::describeNumber(kMainView, L"Maximized"));
}

TEST_F(WindowBehaviour, CloseButtonEndsTheProgramCleanly) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(closeWithButton(window));
    EXPECT_EQ(0u, program_.exitCode());
    // The close saved the placement of the window it showed.
    EXPECT_TRUE(settings::hasValue(kMainView, L"X"));
    EXPECT_TRUE(settings::hasValue(kMainView, L"Y"));
}

TEST_F(WindowBehaviour, MinimiseButtonMinimises) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    HWND minimise = MainWindowView(window).minimiseButton();
    ASSERT_NE(nullptr, minimise);
    ASSERT_TRUE(click(centreOf(minimise)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return IsIconic(window) != FALSE; }));
    EXPECT_TRUE(program_.running());
}

}  // namespace
}  // namespace testing_program
