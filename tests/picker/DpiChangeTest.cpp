// The main window moved to a monitor of another scale. Wine has one DPI for every
// monitor and never sends WM_DPICHANGED itself, so the message is sent here as the
// system sends it: the new DPI and the suggested window rectangle at that DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "gui/win/Box.h"
#include "gui/win/Dpi.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Label.h"
#include "picker/DialogCommands.h"
#include "picker/DialogWindow.h"

namespace {

using picker_testing::DialogTest;
using s::gui::win::Dpi;
using Dialog = s::image::gui::dialogs::huesnap::Dialog;

RECT windowRect(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

LONG fontHeight(HWND control) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

// The height a font of that size code made afresh at `dpi` has.
LONG heightOfNewFont(int sizeCode, int dpi) {
    s::gui::win::FontSetting* font = s::gui::win::FontSetting::acquire();
    font->setDpi(dpi);
    font->setSizeCode(sizeCode);
    const LONG height = font->getLogFont().lfHeight;
    font->release();
    return height < 0 ? -height : height;
}

void sendDpiChange(HWND hwnd, int dpi, RECT suggested) {
    SendMessageW(hwnd, Dpi::CHANGED_MESSAGE, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

class DpiChangeTest : public DialogTest {};

// A -> B -> A: at B the window takes the suggested place and size (grown only where
// its texts need more), its layout and fonts follow B; back at A it has exactly
// its first rectangle, layout and fonts, whatever B was.
TEST_F(DpiChangeTest, TheWindowFollowsTheNewDpiAndComesBackWithoutDrift) {
    Dialog& dialog = start();
    HWND hwnd = dialog.window()->getHandle();
    const int first = Dpi::forWindow(hwnd);
    const RECT start = windowRect(hwnd);
    const int startPanel = dialog.samplePanel()->getHeight();
    const LONG startFont = fontHeight(dialog.sampleLabel()->getHandle());
    ASSERT_EQ(Dpi::scale(100, first), startPanel);
    for (int dpi : {144, 192, 120}) {
        SCOPED_TRACE(dpi);
        const int width = MulDiv(start.right - start.left, dpi, first);
        const int height = MulDiv(start.bottom - start.top, dpi, first);
        const RECT suggested = {start.left + 30, start.top + 20, start.left + 30 + width, start.top + 20 + height};
        sendDpiChange(hwnd, dpi, suggested);
        const RECT taken = windowRect(hwnd);
        EXPECT_EQ(suggested.left, taken.left);
        EXPECT_EQ(suggested.top, taken.top);
        EXPECT_GE(taken.right - taken.left, width);
        EXPECT_GE(taken.bottom - taken.top, height);
        EXPECT_LE(taken.right - taken.left, width + width / 10) << "only text growth may widen it";
        EXPECT_LE(taken.bottom - taken.top, height + height / 10);
        EXPECT_EQ(Dpi::scale(100, dpi), dialog.samplePanel()->getHeight());
        EXPECT_EQ(heightOfNewFont(dialog.sampleLabel()->getFontSetting()->getSizeCode(), dpi),
                  fontHeight(dialog.sampleLabel()->getHandle()))
            << "the sample text's font is made for the new DPI";
        RECT panel = {};
        GetClientRect(dialog.samplePanel()->getHandle(), &panel);
        EXPECT_EQ(Dpi::scale(100, dpi), panel.bottom) << "the native windows follow the layout";

        sendDpiChange(hwnd, first, start);
        const RECT back = windowRect(hwnd);
        EXPECT_TRUE(EqualRect(&start, &back)) << back.left << "," << back.top << " " << back.right - back.left
                                              << "x" << back.bottom - back.top;
        EXPECT_EQ(startPanel, dialog.samplePanel()->getHeight());
        EXPECT_EQ(startFont, fontHeight(dialog.sampleLabel()->getHandle()));
    }
}

// With keep-in-screen on, a suggested rectangle reaching past the screen is moved
// into it: the rule judges the rectangle at the new DPI, not the old one.
TEST_F(DpiChangeTest, KeepInScreenJudgesTheNewRectangle) {
    Dialog& dialog = start();
    HWND hwnd = dialog.window()->getHandle();
    onWindowThread([&] { dialog.runCommand(s::image::gui::dialogs::huesnap::DialogCommands::KEEP_IN_SCREEN); });
    ASSERT_TRUE(dialog.isKeepInScreen());
    const RECT start = windowRect(hwnd);
    const int width = MulDiv(start.right - start.left, 192, Dpi::forWindow(hwnd));
    const int height = MulDiv(start.bottom - start.top, 192, Dpi::forWindow(hwnd));
    const int screenRight = GetSystemMetrics(SM_CXSCREEN), screenBottom = GetSystemMetrics(SM_CYSCREEN);
    const RECT suggested = {screenRight - width / 2, screenBottom - height / 2, screenRight + width / 2,
                            screenBottom + height / 2};
    sendDpiChange(hwnd, 192, suggested);
    const RECT taken = windowRect(hwnd);
    EXPECT_LE(taken.right, screenRight);
    EXPECT_LE(taken.bottom, screenBottom);
    EXPECT_GE(taken.right - taken.left, width) << "moved, not shrunk";
}

}  // namespace
