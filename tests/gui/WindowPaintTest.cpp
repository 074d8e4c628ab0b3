// Window painting: the back-buffer rule, a skinned window's frame and
// background on the screen, its region, and the skinned hit test.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "gui/drawer/IWindow.h"
#include "gui/win/Window.h"
#include "tests/gui/WindowTestSupport.h"

namespace {

using s::gui::IComponent;
using s::gui::win::Window;

// A window drawer with a 1-pixel frame, and a region that cuts a 10 x 10 square
// out of the top-left corner.
class TestWindowDrawer : public s::gui::drawer::IWindow {
public:
    static constexpr wchar_t CLASS_NAME[] = L"test_TestWindowDrawer";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    TestWindowDrawer* newInstance() const override { return nullptr; }
    void release() override {}
    void reset() override {}
    int32_t colourCount() const override { return 2; }
    COLORREF getColour(int32_t i) const override { return i == 0 ? background_ : i == 1 ? frame_ : 0; }
    bool setColour(int32_t, COLORREF) override { return false; }
    void paint(HDC dc, int left, int top, int right, int bottom) override {
        fill(dc, RECT{left, top, right, bottom}, frame_);
        fill(dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, background_);
    }
    HRGN region(int left, int top, int right, int bottom) const override {
        HRGN all = CreateRectRgn(left, top, right, bottom);
        HRGN corner = CreateRectRgn(left, top, left + 10, top + 10);
        CombineRgn(all, all, corner, RGN_DIFF);
        DeleteObject(corner);
        return all;
    }
    COLORREF getBackground() const override { return background_; }
    void setBackground(COLORREF colour) override { background_ = colour; }
    COLORREF getFrame() const override { return frame_; }
    void setFrame(COLORREF colour) override { frame_ = colour; }
    bool isTransparent() const override { return false; }
    void setTransparent(bool) override {}
    int getTopStyle() const override { return 1; }
    void setTopStyle(int) override {}
    int getBottomStyle() const override { return 1; }
    void setBottomStyle(int) override {}

private:
    static void fill(HDC dc, RECT area, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    COLORREF background_ = RGB(0x20, 0x40, 0x60);
    COLORREF frame_ = RGB(0xF0, 0x10, 0x10);
};

using window_testing::FunctionListener;
using window_testing::WindowHolder;

// Runs `action` on the window's thread.
void onWindowThread(Window* window, std::function<void()> action) {
    FunctionListener listener([&](IComponent*, int) { action(); });
    window->reset();
    window->addListener(s::gui::EVENT_USER, &listener);
    window->sendUserEvent(L"run", nullptr, 0, 0);
    window->reset();
}

COLORREF screenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Waits until the screen pixel shows `expected` (painting is asynchronous).
COLORREF waitForPixel(int x, int y, COLORREF expected) {
    COLORREF seen = screenPixel(x, y);
    for (int i = 0; i < 300 && seen != expected; ++i) {
        Sleep(10);
        seen = screenPixel(x, y);
    }
    return seen;
}

TEST(WindowPaint, BackBufferShrinksAtSixtyPercentAndStaysAtEighty) {
    WindowHolder holder;
    Window* window = holder.window;
    SIZE sizes[4] = {};
    onWindowThread(window, [&] {
        window->prepareBackBuffer(100, 100);
        sizes[0] = window->getBackBufferSize();
        window->prepareBackBuffer(60, 100);  // 60 % of the area: a new, exact buffer
        sizes[1] = window->getBackBufferSize();
        window->prepareBackBuffer(48, 100);  // 80 % of that: kept
        sizes[2] = window->getBackBufferSize();
        window->prepareBackBuffer(70, 90);   // wider than the buffer: resized
        sizes[3] = window->getBackBufferSize();
    });
    EXPECT_EQ(sizes[0].cx, 100);
    EXPECT_EQ(sizes[1].cx, 60);
    EXPECT_EQ(sizes[1].cy, 100);
    EXPECT_EQ(sizes[2].cx, 60);
    EXPECT_GE(sizes[3].cx, 70);
    EXPECT_GE(sizes[3].cy, 90);
}

TEST(WindowPaint, EmptySizeMakesNoBuffer) {
    WindowHolder holder;
    bool made = true;
    onWindowThread(holder.window, [&] { made = holder.window->prepareBackBuffer(0, 10); });
    EXPECT_FALSE(made);
    EXPECT_EQ(holder.window->getBackBufferSize().cx, 0);
}

class SkinnedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = holder_.window;
        ASSERT_TRUE(window_->hasNativeWindow());
        hwnd_ = window_->getHandle();
        window_->setWindowDrawer(&drawer_);
        SetWindowPos(hwnd_, HWND_TOPMOST, 50, 50, 200, 150, SWP_NOACTIVATE);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }
    void TearDown() override { ShowWindow(hwnd_, SW_HIDE); }

    WindowHolder holder_;
    Window* window_ = nullptr;
    HWND hwnd_ = nullptr;
    TestWindowDrawer drawer_;
};

TEST_F(SkinnedWindow, ClientAreaIsTheWholeWindow) {
    RECT client;
    GetClientRect(hwnd_, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 150);
}

TEST_F(SkinnedWindow, ShowsFrameOnEdgesAndBackgroundInside) {
    EXPECT_EQ(waitForPixel(50 + 100, 50 + 75, drawer_.getBackground()), drawer_.getBackground());
    EXPECT_EQ(waitForPixel(50, 50 + 75, drawer_.getFrame()), drawer_.getFrame());            // left edge
    EXPECT_EQ(waitForPixel(50 + 199, 50 + 75, drawer_.getFrame()), drawer_.getFrame());      // right edge
    EXPECT_EQ(waitForPixel(50 + 100, 50 + 149, drawer_.getFrame()), drawer_.getFrame());     // bottom edge
    EXPECT_EQ(waitForPixel(50 + 100, 50, drawer_.getFrame()), drawer_.getFrame());           // top edge
}

TEST_F(SkinnedWindow, RegionComesFromTheDrawerForTheWindowSize) {
    SetWindowPos(hwnd_, nullptr, 0, 0, 220, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd_, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 5, 5));
    EXPECT_TRUE(PtInRegion(region, 15, 5));
    EXPECT_TRUE(PtInRegion(region, 219, 159));
    EXPECT_FALSE(PtInRegion(region, 220, 159));
    DeleteObject(region);
}

TEST_F(SkinnedWindow, HitTestFindsBordersAndCorners) {
    auto hit = [this](int x, int y) { return SendMessageW(hwnd_, WM_NCHITTEST, 0, MAKELPARAM(50 + x, 50 + y)); };
    EXPECT_EQ(hit(197, 10), HTTOPRIGHT);
    EXPECT_EQ(hit(197, 75), HTRIGHT);
    EXPECT_EQ(hit(2, 140), HTBOTTOMLEFT);
    EXPECT_EQ(hit(100, 75), HTCLIENT);
    window_->setDragByBody(true);
    EXPECT_EQ(hit(100, 75), HTCAPTION);
}

TEST_F(SkinnedWindow, DraggingTheRightBorderWidensTheWindow) {
    auto send = [this](UINT msg, int x, int y) { SendMessageW(hwnd_, msg, 0, MAKELPARAM(x, y)); };
    int sizing = 0;  // the drag offers each rectangle to the size limits and sizing listeners
    FunctionListener counter([&](IComponent*, int) { ++sizing; });
    window_->addListener(s::gui::EVENT_SIZING, &counter);
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    send(WM_MOUSEMOVE, 198, 75);  // over the right border band: capture taken
    ASSERT_TRUE(GetGUIThreadInfo(window_->getThreadId(), &info));
    EXPECT_EQ(info.hwndCapture, hwnd_);
    send(WM_LBUTTONDOWN, 198, 75);
    send(WM_MOUSEMOVE, 228, 75);
    send(WM_LBUTTONUP, 228, 75);
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    EXPECT_EQ(rect.right - rect.left, 230);
    EXPECT_EQ(rect.bottom - rect.top, 150);
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(sizing, 1);
    send(WM_MOUSEMOVE, 100, 75);  // back inside: capture given back
    ASSERT_TRUE(GetGUIThreadInfo(window_->getThreadId(), &info));
    EXPECT_EQ(info.hwndCapture, nullptr);
}

TEST_F(SkinnedWindow, RemovingTheDrawerGivesTheSystemFrameBack) {
    window_->setWindowDrawer(nullptr);
    RECT client;
    GetClientRect(hwnd_, &client);
    EXPECT_LT(client.right, 200);
    EXPECT_EQ(SendMessageW(hwnd_, WM_NCHITTEST, 0, MAKELPARAM(50 + 100, 50 + 75)), HTCLIENT);
}

}  // namespace
