// The program starts, shows its window with the product name, paints it, and
// closes cleanly when asked to, leaving no process behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "ProgramDriver.h"

using testing_program::ProgramDriver;
using testing_program::waitUntil;

namespace {

const wchar_t kTitle[] = L"Tuvo HueSnap";

// Reads a pixel of the real screen, where the program's window is shown.
COLORREF screenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace

TEST(StartAndClose, ShowsItsWindowAndPaintsIt) {
    ProgramDriver program;
    ASSERT_TRUE(program.start());
    HWND window = program.waitForWindow(kTitle, 60000);
    ASSERT_NE(nullptr, window) << "no visible window titled Tuvo HueSnap";

    SetForegroundWindow(window);
    RECT client;
    GetClientRect(window, &client);
    POINT corner = {4, 4};  // inside the client area, away from the centred title text
    ClientToScreen(window, &corner);
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(waitUntil(10000, [&] { return screenPixel(corner.x, corner.y) == background; }))
        << "got " << std::hex << screenPixel(corner.x, corner.y) << ", expected " << background;

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.waitForExit(30000));
    EXPECT_EQ(0u, program.exitCode());
}

TEST(StartAndClose, HasTheIconAndVersionResources) {
    const std::wstring exe = ProgramDriver::folderOfThisProgram() + L"HueSnap.exe";
    HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, image);
    EXPECT_NE(nullptr, FindResourceW(image, MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14)));  // RT_GROUP_ICON
    EXPECT_NE(nullptr, FindResourceW(image, MAKEINTRESOURCEW(130), L"IDR_XML"));
    EXPECT_NE(nullptr, FindResourceW(image, MAKEINTRESOURCEW(131), L"IDR_JPG"));
    EXPECT_NE(nullptr, FindResourceW(image, MAKEINTRESOURCEW(132), L"IDR_JPG"));
    EXPECT_NE(nullptr, FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)));  // RT_VERSION
    EXPECT_NE(nullptr, FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)));  // RT_MANIFEST
    FreeLibrary(image);
}
