// Device-context wrappers give back every DC and restore what they selected.
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include "support/ResourceCounts.h"

TEST(MemoryDC, DrawsIntoTheSelectedBitmapAndRestoresTheOriginal) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(nullptr, bitmap);
    {
        framework::MemoryDC dc;
        ASSERT_TRUE(dc.valid());
        ASSERT_TRUE(dc.selectBitmap(bitmap));
        SetPixel(dc.handle(), 3, 4, RGB(10, 200, 30));
        EXPECT_EQ(RGB(10, 200, 30), GetPixel(dc.handle(), 3, 4));
        EXPECT_FALSE(dc.selectBitmap(nullptr));
    }
    // Deselected again: the bitmap can go into another DC and still holds the pixel.
    framework::MemoryDC other;
    ASSERT_TRUE(other.selectBitmap(bitmap));
    EXPECT_EQ(RGB(10, 200, 30), GetPixel(other.handle(), 3, 4));
    DeleteObject(bitmap);
}

TEST(DeviceContexts, RepeatedUseLeavesNoGdiObjects) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    auto paintOnce = [&] {
        framework::WindowDC client(window);
        framework::WindowDC whole(window, framework::WindowDC::WholeWindow);
        framework::MemoryDC memory(client.handle());
        HBITMAP bitmap = CreateCompatibleBitmap(client.handle(), 4, 4);
        memory.selectBitmap(bitmap);
        memory.selectBitmap(bitmap);
        // The wrapper restores its own bitmap before deleting, so this delete must succeed.
        struct DeleteAfter {
            HBITMAP b;
            ~DeleteAfter() { DeleteObject(b); }
        } cleanup{bitmap};
    };
    paintOnce();  // first use may create lasting objects (the DC cache)
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 500; ++i) paintOnce();
    EXPECT_EQ(before.gdi, testing_resources::current().gdi);
    DestroyWindow(window);
}

// The leak checks above are only worth something if the counters move.
TEST(ResourceCounts, SeeObjectsComeAndGo) {
    const testing_resources::Counts before = testing_resources::current();
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const testing_resources::Counts during = testing_resources::current();
    DeleteObject(bitmap);
    DestroyWindow(window);
    CloseHandle(event);
    EXPECT_GT(during.gdi, before.gdi);
    EXPECT_GT(during.user, before.user);
    EXPECT_NE(during.kernel, before.kernel);
    EXPECT_EQ(before, testing_resources::current());
}
