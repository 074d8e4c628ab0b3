// The program starts, shows its window with the product name, paints it, and
// closes cleanly when asked to, leaving no process behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "MainWindowView.h"
#include "ProgramDriver.h"
#include "ProgramSettings.h"
#include "RealInput.h"
#include "WindowQuery.h"

using testing_program::MainWindowView;
using testing_program::ProgramDriver;
using testing_program::waitUntil;

TEST(StartAndClose, ShowsItsWindowAndPaintsIt) {
    ASSERT_TRUE(testing_program::settings::clearAll());
    ProgramDriver program;
    ASSERT_TRUE(program.start());
    HWND window = program.waitForMainWindow(60000);
    ASSERT_NE(nullptr, window) << "no visible main window titled Tuvo HueSnap";
    MainWindowView view(window);
    EXPECT_EQ(0u, view.title().find(testing_program::kProductName));

    // The sample panel shows the first start's background colour (207, 229, 102).
    const POINT panel = view.samplePanelPoint();
    const COLORREF background = RGB(207, 229, 102);
    EXPECT_TRUE(testing_program::waitForPixel(panel, background, 10000))
        << "got " << testing::PrintToString(testing_program::rgbText(testing_program::screenPixel(panel)))
        << ", expected CFE566";

    HWND close = view.closeButton();
    ASSERT_NE(nullptr, close);
    ASSERT_TRUE(testing_program::click(testing_program::centreOf(close)));
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
