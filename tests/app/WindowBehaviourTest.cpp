// The window behaviours of a bound window on the screen: placement on show, the
// placement saved on maximize, minimize and restore, keep on top, sizing limits,
// keep in screen and the middle click.
#include <gtest/gtest.h>

#include <functional>

#include "AppWindowTestSupport.h"
#include "gui/IWindow.h"
#include "gui/events/IEventListener.h"

namespace {

using app_testing::dwordAt;
using app_testing::kViewKey;
using app_testing::putDword;

class FunctionListener : public s::gui::events::IEventListener {
public:
    explicit FunctionListener(std::function<void()> action) : action_(std::move(action)) {}
    void onEvent(s::gui::IComponent*, int) override { action_(); }

private:
    std::function<void()> action_;
};

class WindowBehaviourTest : public app_testing::BoundTest {};

TEST_F(WindowBehaviourTest, FirstRunShowsTheDefaultSizeCentredOnTheWorkArea) {
    boundWindow().show(true, true);
    const RECT window = windowRect();
    const RECT work = workArea();
    EXPECT_EQ(800, window.right - window.left);
    EXPECT_EQ(600, window.bottom - window.top);
    EXPECT_EQ(work.left + (work.right - work.left - 800) / 2, window.left);
    EXPECT_EQ(work.top + (work.bottom - work.top - 600) / 2, window.top);
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_TRUE(window_->isShown());

    // Hiding saves where it is.
    window_->show(false, false);
    EXPECT_FALSE(IsWindowVisible(hwnd()));
    EXPECT_EQ(window.left, dwordAt(kViewKey, L"X"));
    EXPECT_EQ(window.top, dwordAt(kViewKey, L"Y"));
    EXPECT_EQ(800, dwordAt(kViewKey, L"Width"));

    // The session ends (a logoff): the window closes as the user would close it.
    SendMessageW(hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(window_->isClosingDone());
}

TEST_F(WindowBehaviourTest, PositionOffEveryScreenIsCentredAndKeepsTheSize) {
    // A monitor that was left of the screen is gone.
    ASSERT_TRUE(putDword(L"X", -3000));
    ASSERT_TRUE(putDword(L"Y", 100));
    ASSERT_TRUE(putDword(L"Width", 500));
    ASSERT_TRUE(putDword(L"Height", 300));
    boundWindow();
    const RECT window = windowRect();
    const RECT work = workArea();
    EXPECT_EQ(500, window.right - window.left);
    EXPECT_EQ(300, window.bottom - window.top);
    EXPECT_EQ(work.left + (work.right - work.left - 500) / 2, window.left);
    EXPECT_EQ(work.top + (work.bottom - work.top - 300) / 2, window.top);

    // A position on the screen is taken as stored.
    window_->release();
    window_ = nullptr;
    ASSERT_TRUE(putDword(L"X", 40));
    ASSERT_TRUE(putDword(L"Y", 50));
    boundWindow().show(true, false);
    EXPECT_EQ(40, windowRect().left);
    EXPECT_EQ(50, windowRect().top);
}

TEST_F(WindowBehaviourTest, StoredMaximizedShowsMaximized) {
    ASSERT_TRUE(putDword(L"Maximized", 1));
    boundWindow().show(true, true);
    EXPECT_TRUE(IsZoomed(hwnd()));
}

TEST_F(WindowBehaviourTest, MaximizeAndMinimizeSaveTheLastNormalBounds) {
    ASSERT_TRUE(putDword(L"X", 60));
    ASSERT_TRUE(putDword(L"Y", 70));
    ASSERT_TRUE(putDword(L"Width", 400));
    ASSERT_TRUE(putDword(L"Height", 300));
    boundWindow().show(true, true);
    SetWindowPos(hwnd(), nullptr, 80, 90, 420, 310, SWP_NOZORDER);

    ShowWindow(hwnd(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(hwnd()));
    EXPECT_EQ(1, dwordAt(kViewKey, L"Maximized"));
    EXPECT_EQ(80, dwordAt(kViewKey, L"X"));
    EXPECT_EQ(90, dwordAt(kViewKey, L"Y"));
    EXPECT_EQ(420, dwordAt(kViewKey, L"Width"));
    EXPECT_EQ(310, dwordAt(kViewKey, L"Height"));

    ShowWindow(hwnd(), SW_RESTORE);
    EXPECT_EQ(0, dwordAt(kViewKey, L"Maximized"));
    SetWindowPos(hwnd(), nullptr, 100, 110, 420, 310, SWP_NOZORDER);

    ShowWindow(hwnd(), SW_MINIMIZE);
    EXPECT_EQ(0, dwordAt(kViewKey, L"Maximized"));
    EXPECT_EQ(100, dwordAt(kViewKey, L"X"));
    EXPECT_EQ(110, dwordAt(kViewKey, L"Y"));
}

bool runningOnWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

bool isTopmost(HWND hwnd) {
    return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(WindowBehaviourTest, KeepOnTopSetsAndClearsTopmostAndIsStored) {
    ASSERT_TRUE(putDword(L"KeepOnTop", 0));
    // Shown without activation: activating makes the window topmost for a moment.
    boundWindow().show(true, false);
    EXPECT_FALSE(window_->isKeepOnTop());
    EXPECT_FALSE(isTopmost(hwnd()));
    window_->setKeepOnTop(true);
    EXPECT_TRUE(isTopmost(hwnd()));
    EXPECT_EQ(1, dwordAt(kViewKey, L"KeepOnTop"));
    window_->setKeepOnTop(false);
    EXPECT_FALSE(window_->isKeepOnTop());
    EXPECT_EQ(0, dwordAt(kViewKey, L"KeepOnTop"));
    if (!runningOnWine()) {
        EXPECT_FALSE(isTopmost(hwnd()));
    }
    // WINE: an owned window lying right above its owner may be kept in the topmost
    // band by Wine's owner-order fix-up, whatever the request (so under Wine the
    // topmost moment of an activation may also stay); whether it does depends on
    // the z-order at the moment, so the flag is not checked there.
}

TEST_F(WindowBehaviourTest, SizingLimitsApplyAroundTheSizingListeners) {
    boundWindow().show(true, true);
    window_->setMinimumSize(SIZE{150, 120});
    // A listener narrows the proposal below the minimum: the minimum wins afterwards.
    FunctionListener narrow([this] {
        RECT* proposed = window_->getSizingRect();
        if (proposed) proposed->right = proposed->left + 20;
    });
    window_->addListener(s::gui::EVENT_SIZING, &narrow);
    const int limit = workArea().bottom - workArea().top;
    RECT proposed = {100, 50, 600, 50 + limit + 400};
    SendMessageW(hwnd(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(250, proposed.right);
    EXPECT_EQ(50 + limit, proposed.bottom);
    EXPECT_EQ(nullptr, window_->getSizingRect());
}

TEST_F(WindowBehaviourTest, KeepInScreenCorrectsMovesOntoTheAllowedArea) {
    boundWindow().show(true, true);
    const RECT work = workArea();
    window_->setKeepInScreen(true);
    SetWindowPos(hwnd(), nullptr, work.left - 50, work.top + 10, 300, 200, SWP_NOZORDER);
    EXPECT_EQ(work.left, windowRect().left);
    SetWindowPos(hwnd(), nullptr, work.right - 100, work.top + 10, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(work.right - 300, windowRect().left);

    window_->setKeepInScreen(false);
    SetWindowPos(hwnd(), nullptr, work.left - 50, work.top + 10, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(work.left - 50, windowRect().left);
    // Turned on while visible, it moves the window at once.
    window_->setKeepInScreen(true);
    EXPECT_EQ(work.left, windowRect().left);
}

// The test display has no task bar, so its work area is the whole screen. A task
// bar is made by shrinking the work area; Wine applies that to this process alone
// (the program under test, not the other test programs), and it is given back after.
class TaskBarInThisProcess {
public:
    TaskBarInThisProcess(int leftWidth, int bottomHeight) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved_, 0);
        RECT shrunk = saved_;
        shrunk.left += leftWidth;
        shrunk.bottom -= bottomHeight;
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &shrunk, 0);
    }
    ~TaskBarInThisProcess() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0); }
    TaskBarInThisProcess(const TaskBarInThisProcess&) = delete;
    TaskBarInThisProcess& operator=(const TaskBarInThisProcess&) = delete;

private:
    RECT saved_ = {};
};

TEST_F(WindowBehaviourTest, KeepInScreenHoldsTheWindowInTheWorkAreaAsItChanges) {
    boundWindow().show(true, true);
    const RECT screen = workArea();
    window_->setKeepInScreen(true);
    SetWindowPos(hwnd(), nullptr, screen.right - 300, screen.bottom - 200, 300, 200, SWP_NOZORDER);
    ASSERT_EQ(screen.bottom - 200, windowRect().top);
    {
        TaskBarInThisProcess taskBar(30, 50);
        const RECT work = workArea();
        ASSERT_EQ(screen.bottom - 50, work.bottom) << "the work area did not change";
        // The system tells every window that the task bar took its place: the
        // window leaves the space at once.
        SendMessageW(hwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        EXPECT_EQ(work.bottom - 200, windowRect().top);
        // The task bar's side of the screen is not the window's either.
        SetWindowPos(hwnd(), nullptr, screen.left, screen.bottom - 100, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
        EXPECT_EQ(work.left, windowRect().left);
        EXPECT_EQ(work.bottom - 200, windowRect().top);
    }
    // The task bar is gone (or a monitor changed): the whole screen is the window's again.
    SendMessageW(hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(screen.right, screen.bottom));
    SetWindowPos(hwnd(), nullptr, screen.left, screen.bottom - 100, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(screen.left, windowRect().left);
    EXPECT_EQ(screen.bottom - 200, windowRect().top);
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(WindowBehaviourTest, KeepInScreenAndMoveIntoScreenLeaveAMinimizedWindowParked) {
    boundWindow().show(true, true);
    const RECT work = workArea();
    SetWindowPos(hwnd(), nullptr, work.left - 50, work.top + 10, 300, 200, SWP_NOZORDER);
    ShowWindow(hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(hwnd()));
    const RECT parked = windowRect();
    if (!runningOnWine()) {
        EXPECT_EQ(-32000, parked.left);
        EXPECT_EQ(-32000, parked.top);
    }
    // WINE: with unmanaged windows (tools/test.sh) Wine arranges a minimized window
    // as an icon at the bottom of the screen instead of parking it far off; what
    // matters below is that the window stays wherever the system put it.

    window_->setKeepInScreen(true);  // turned on while minimized
    EXPECT_TRUE(IsIconic(hwnd()));
    EXPECT_TRUE(sameRect(parked, windowRect())) << windowRect().left << "," << windowRect().top;
    window_->moveIntoScreen();  // what the owner does once built
    EXPECT_TRUE(IsIconic(hwnd()));
    EXPECT_TRUE(sameRect(parked, windowRect())) << windowRect().left << "," << windowRect().top;

    // Restored, the window comes back to its normal place, which is kept in the screen.
    ShowWindow(hwnd(), SW_RESTORE);
    ASSERT_FALSE(IsIconic(hwnd()));
    EXPECT_EQ(work.left, windowRect().left);
    EXPECT_EQ(300, windowRect().right - windowRect().left);

    // Minimized while kept in the screen: parked as ever, not pulled onto the screen.
    ShowWindow(hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd()));
    EXPECT_TRUE(sameRect(parked, windowRect())) << windowRect().left << "," << windowRect().top;
    // Nor by a move asked for while minimized.
    SetWindowPos(hwnd(), nullptr, parked.left, parked.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(sameRect(parked, windowRect())) << windowRect().left << "," << windowRect().top;
}

TEST_F(WindowBehaviourTest, KeepInScreenLeavesAMaximizedWindowWhereMaximizingPutIt) {
    boundWindow().show(true, true);
    const RECT work = workArea();
    ShowWindow(hwnd(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(hwnd()));
    const RECT full = windowRect();
    // Its frame lies outside the work area, where a kept-in window may not go.
    ASSERT_LT(full.left, work.left);
    ShowWindow(hwnd(), SW_RESTORE);

    window_->setKeepInScreen(true);
    ShowWindow(hwnd(), SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(hwnd()));
    EXPECT_TRUE(sameRect(full, windowRect())) << windowRect().left << "," << windowRect().top;

    window_->setKeepInScreen(false);
    window_->setKeepInScreen(true);  // turned on while maximized
    EXPECT_TRUE(IsZoomed(hwnd()));
    EXPECT_TRUE(sameRect(full, windowRect())) << windowRect().left << "," << windowRect().top;
    window_->moveIntoScreen();
    EXPECT_TRUE(sameRect(full, windowRect())) << windowRect().left << "," << windowRect().top;

    // Restored, it is kept in the screen again.
    ShowWindow(hwnd(), SW_RESTORE);
    SetWindowPos(hwnd(), nullptr, work.left - 50, work.top + 10, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(work.left, windowRect().left);
}

TEST_F(WindowBehaviourTest, MiddleClickClosesIconizesOrDoesNothing) {
    boundWindow().show(true, true);
    window_->setMiddleClickAction(L"DoNothing");
    SendMessageW(hwnd(), WM_MBUTTONDOWN, 0, 0);
    EXPECT_TRUE(IsWindowVisible(hwnd()));

    window_->setMiddleClickAction(L"iconize");
    EXPECT_EQ(L"Iconize", app_testing::textAt(kViewKey, L"OnMClick"));
    SendMessageW(hwnd(), WM_MBUTTONDOWN, 0, 0);
    EXPECT_TRUE(window_->isIconized());
    EXPECT_FALSE(IsWindowVisible(hwnd()));
    window_->restore();

    window_->setMiddleClickAction(L"Close");
    SendMessageW(hwnd(), WM_MBUTTONDOWN, 0, 0);
    EXPECT_TRUE(app_testing::waitFor([this] { return window_->isClosingDone(); }));
    // Closing saved the placement.
    EXPECT_NE(-1, dwordAt(kViewKey, L"X"));
}

}  // namespace
