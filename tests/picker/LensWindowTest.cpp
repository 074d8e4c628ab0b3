// The magnifier's window on the real screen, driven as the sampler drives it:
// a read at a point the lens covers still reads what is below the lens, and
// refreshes and Alt presses leave no GDI object, window or handle behind (the
// program benchmark counts them over 3,000 refreshes).
#include <gtest/gtest.h>
#include <windows.h>

#include "picker/LensPlacement.h"
#include "picker/win/Lens.h"
#include "tests/support/ResourceCounts.h"

namespace {

using s::image::gui::dialogs::huesnap::LensPlacement;
using s::image::gui::dialogs::huesnap::win::Lens;

const COLORREF kBlue = RGB(0x10, 0x40, 0xC0);

// A blue window on a thread of its own, which repaints whatever the lens uncovers.
class BlueWindow {
public:
    explicit BlueWindow(const RECT& area) : area_(area), ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
        WaitForSingleObject(ready_, 10000);
    }
    ~BlueWindow() {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
        CloseHandle(ready_);
    }

private:
    static DWORD WINAPI run(void* param) {
        auto* self = static_cast<BlueWindow*>(param);
        WNDCLASSW blue = {};
        blue.lpfnWndProc = proc;
        blue.hInstance = GetModuleHandleW(nullptr);
        blue.hbrBackground = CreateSolidBrush(kBlue);
        blue.lpszClassName = L"LensTestBlue";
        RegisterClassW(&blue);
        const RECT& a = self->area_;
        self->window_ =
            CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, blue.lpszClassName, L"", WS_POPUP, a.left, a.top,
                            a.right - a.left, a.bottom - a.top, nullptr, nullptr, blue.hInstance, nullptr);
        ShowWindow(self->window_, SW_SHOWNOACTIVATE);
        UpdateWindow(self->window_);
        SetEvent(self->ready_);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        UnregisterClassW(blue.lpszClassName, blue.hInstance);
        DeleteObject(blue.hbrBackground);
        return 0;
    }
    static LRESULT CALLBACK proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, msg, wp, lp);
    }

    RECT area_;
    HANDLE ready_;
    HANDLE thread_ = nullptr;
    HWND window_ = nullptr;
};

COLORREF screenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// One sample as the sampler takes it.
COLORREF sample(Lens& lens, POINT at) {
    lens.beforeRead(at);
    const COLORREF colour = screenPixel(at);
    lens.afterRead(at, colour);
    return colour;
}

RECT lensRect() {
    HWND window = FindWindowW(Lens::CLASS_NAME, nullptr);
    RECT rect = {0, 0, 0, 0};
    if (window && IsWindowVisible(window)) GetWindowRect(window, &rect);
    return rect;
}

TEST(LensWindow, AReadWhereTheLensWasReadsWhatIsBelowItAndTheLensMovesOff) {
    BlueWindow below(RECT{100, 100, 600, 600});
    Lens lens;
    ASSERT_EQ(kBlue, sample(lens, POINT{200, 200}));
    const RECT first = lensRect();
    ASSERT_GT(first.right, first.left) << "no lens shown";
    // The pointer jumps onto the lens's hex row, which is dark where the window below is blue.
    const POINT onLens = {first.left + 2, first.bottom - 2};
    ASSERT_NE(kBlue, screenPixel(onLens)) << "the screen read does not see the lens here: nothing to prove";
    EXPECT_EQ(kBlue, sample(lens, onLens));
    EXPECT_FALSE(LensPlacement::overlaps(lensRect(), LensPlacement::magnifiedArea(onLens, 5)));
    lens.readingPaused();
    EXPECT_EQ(nullptr, FindWindowW(Lens::CLASS_NAME, nullptr)) << "the lens outlived the reading";
}

TEST(LensWindow, RefreshesAndAltPressesLeaveNothingBehind) {
    BlueWindow below(RECT{100, 100, 600, 600});
    Lens lens;
    for (int i = 0; i < 10; ++i) sample(lens, POINT{200 + i, 200});  // first use may create lasting objects
    lens.readingPaused();
    const testing_resources::Counts before = testing_resources::current();
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 300; ++i) sample(lens, POINT{150 + i % 300, 150 + (i * 7) % 300});
        lens.readingPaused();  // Alt up: the window and its pictures go
    }
    EXPECT_EQ(before, testing_resources::current());
}

TEST(LensWindow, SwitchedOffShowsNothingAndSwitchedOnAgainShows) {
    Lens lens;
    lens.setEnabled(false);
    sample(lens, POINT{300, 300});
    EXPECT_EQ(nullptr, FindWindowW(Lens::CLASS_NAME, nullptr));
    lens.setEnabled(true);
    sample(lens, POINT{300, 300});
    EXPECT_NE(nullptr, FindWindowW(Lens::CLASS_NAME, nullptr));
    lens.setEnabled(false);  // while shown: gone at the next sample
    sample(lens, POINT{300, 300});
    EXPECT_EQ(nullptr, FindWindowW(Lens::CLASS_NAME, nullptr));
}

}  // namespace
