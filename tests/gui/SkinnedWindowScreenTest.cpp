// A real window with the program's "Black Black" skin, read back from the
// screen: frame colour on every edge pixel, background inside, corners cut by
// the region when the skin's window drawer asks for rounding.
#include <windows.h>

#include <gtest/gtest.h>

#include "gui/drawer/ISkin.h"
#include "gui/drawer/IWindow.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "gui/win/Window.h"

using s::gui::win::Window;

namespace {

const int kLeft = 60, kTop = 40, kWidth = 200, kHeight = 150;
const COLORREF kBlackBlackBackground = RGB(0x00, 0x00, 0x00);
const COLORREF kBlackBlackFrame = RGB(0x33, 0x33, 0x33);

COLORREF screenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Painting reaches the screen asynchronously: wait for the expected colour.
COLORREF waitForPixel(int x, int y, COLORREF expected) {
    COLORREF seen = screenPixel(x, y);
    for (int i = 0; i < 300 && seen != expected; ++i) {
        Sleep(10);
        seen = screenPixel(x, y);
    }
    return seen;
}

class BlackBlackWindow : public ::testing::Test {
protected:
    void SetUp() override {
        skinner_ = s::gui::drawer::skin::createThinWindowSkinner();
        ASSERT_NE(nullptr, skinner_);
        int32_t index = -1;
        ASSERT_TRUE(skinner_->findSkin(L"Black Black", index));
        drawer_ = skinner_->skin(index)->getWindow();
        ASSERT_NE(nullptr, drawer_);
        window_ = Window::acquire();
        ASSERT_TRUE(window_ && window_->hasNativeWindow());
        hwnd_ = window_->getHandle();
        window_->setWindowDrawer(drawer_);
        SetWindowPos(hwnd_, HWND_TOPMOST, kLeft, kTop, kWidth, kHeight, SWP_NOACTIVATE);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }
    void TearDown() override {
        if (window_) {
            ShowWindow(hwnd_, SW_HIDE);
            window_->setWindowDrawer(nullptr);
            window_->release();
        }
        if (skinner_) skinner_->release();
    }

    s::gui::drawer::Skinner* skinner_ = nullptr;
    s::gui::drawer::IWindow* drawer_ = nullptr;  // owned by the skin set
    Window* window_ = nullptr;
    HWND hwnd_ = nullptr;
};

}  // namespace

TEST_F(BlackBlackWindow, FrameOnEveryEdgePixelBackgroundInside) {
    ASSERT_EQ(kBlackBlackBackground, waitForPixel(kLeft + 100, kTop + 75, kBlackBlackBackground));
    for (int x = 0; x < kWidth; x += 1) {
        ASSERT_EQ(kBlackBlackFrame, waitForPixel(kLeft + x, kTop, kBlackBlackFrame)) << "top, x " << x;
        ASSERT_EQ(kBlackBlackFrame, waitForPixel(kLeft + x, kTop + kHeight - 1, kBlackBlackFrame)) << "bottom, x " << x;
    }
    for (int y = 0; y < kHeight; y += 1) {
        ASSERT_EQ(kBlackBlackFrame, waitForPixel(kLeft, kTop + y, kBlackBlackFrame)) << "left, y " << y;
        ASSERT_EQ(kBlackBlackFrame, waitForPixel(kLeft + kWidth - 1, kTop + y, kBlackBlackFrame)) << "right, y " << y;
    }
    EXPECT_EQ(kBlackBlackBackground, screenPixel(kLeft + 1, kTop + 1));
    EXPECT_EQ(kBlackBlackBackground, screenPixel(kLeft + kWidth - 2, kTop + kHeight - 2));
}

TEST_F(BlackBlackWindow, RoundedTopStyleCutsTheTopCorners) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    // The skin's drawer is square: the region covers the whole window.
    if (GetWindowRgn(hwnd_, region) != ERROR) {
        EXPECT_TRUE(PtInRegion(region, 0, 0));
    }
    // Ask the drawer for large rounding at the top: after the next resize the
    // region follows, and the corner pixel is no longer part of the window.
    drawer_->setTopStyle(2);
    SetWindowPos(hwnd_, nullptr, 0, 0, kWidth + 10, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_NE(ERROR, GetWindowRgn(hwnd_, region));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, kWidth + 9, 0));
    EXPECT_TRUE(PtInRegion(region, 0, kHeight - 1)) << "the bottom stays square";
    EXPECT_TRUE(PtInRegion(region, (kWidth + 10) / 2, 0));
    DeleteObject(region);
    drawer_->setTopStyle(0);
}
