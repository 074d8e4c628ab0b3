// The program at other display scales, as a person with a 125, 150 or 200 %
// display meets it. Wine reads the DPI (HKCU\Control Panel\Desktop, LogPixels)
// when a process starts, so each test sets it, then starts the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ColourTarget.h"
#include "MainWindowView.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "WindowQuery.h"
#include "tests/support/RegistryValues.h"

namespace testing_program {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const COLORREF kBlackBlackFrame = RGB(0x33, 0x33, 0x33);
// Generous: the fit check starts the main and the version window per language.
const DWORD kFitCheckTimeoutMs = 300000;

int scaled(int pixels96, int dpi) {
    return MulDiv(pixels96, dpi, 96);
}

bool writeLogPixels(DWORD dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool written = RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                                        sizeof(dpi)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

// Runs the fit check of the picker's tests (beside this program) in a process of
// its own, which starts at the DPI set now; true when every text fit.
bool textsFitIn(const std::wstring& filter, std::string* report) {
    std::wstring command =
        L"\"" + ProgramDriver::folderOfThisProgram() + L"picker_tests.exe\" --gtest_filter=" + filter;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        *report = "picker_tests.exe could not be started";
        return false;
    }
    DWORD code = 1;
    if (WaitForSingleObject(info.hProcess, kFitCheckTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        *report = "the fit check did not end in time";
    } else {
        GetExitCodeProcess(info.hProcess, &code);
        if (code != 0) *report = "the fit check failed (its misfits are in the log above)";
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code == 0;
}

class DisplayScale : public ProgramTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
            hadLogPixels_ = testing_registry::readDwordValue(key, L"LogPixels", &logPixels_);
            RegCloseKey(key);
        }
    }
    void TearDown() override {
        if (hadLogPixels_) {
            writeLogPixels(logPixels_);
        } else {
            HKEY key = nullptr;
            if (RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
                RegDeleteValueW(key, L"LogPixels");
                RegCloseKey(key);
            }
        }
        ProgramTest::TearDown();
    }

    // The main window's size at 100 %, measured once for all scales.
    SIZE sizeAtDesign() {
        static SIZE size = {0, 0};
        if (size.cx > 0) return size;
        EXPECT_TRUE(writeLogPixels(96));
        ProgramDriver first;
        HWND window = first.start() ? first.waitForMainWindow(kStartTimeoutMs) : nullptr;
        if (!window) return size;
        const RECT rect = screenRect(window);
        EXPECT_TRUE(click(centreOf(MainWindowView(window).closeButton())) && first.waitForExit(kExitTimeoutMs));
        size = {rect.right - rect.left, rect.bottom - rect.top};
        return size;
    }

    bool hadLogPixels_ = false;
    DWORD logPixels_ = 96;
};

void expectFrameAllAround(HWND window, int dpi) {
    const RECT rect = screenRect(window);
    const int depth = scaled(1, dpi);
    for (int d = 0; d < depth; ++d) {
        const POINT edges[] = {{(rect.left + rect.right) / 2, rect.top + d},
                               {(rect.left + rect.right) / 2, rect.bottom - 1 - d},
                               {rect.left + d, (rect.top + rect.bottom) / 2},
                               {rect.right - 1 - d, (rect.top + rect.bottom) / 2}};
        for (const POINT& at : edges)
            EXPECT_TRUE(waitForPixel(at, kBlackBlackFrame, kReactionTimeoutMs))
                << "at (" << at.x << "," << at.y << "): " << testing::PrintToString(rgbText(screenPixel(at)));
    }
}

void expectBodyDragMoves(HWND window) {
    const RECT before = screenRect(window);
    const POINT from = MainWindowView(window).bodyPoint();
    ASSERT_GE(from.x, 0) << "no body point found";
    ASSERT_TRUE(drag(from, {from.x + 60, from.y + 40}));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
        const RECT now = screenRect(window);
        return now.left == before.left + 60 && now.top == before.top + 40;
    })) << "the window is at (" << screenRect(window).left << "," << screenRect(window).top << ")";
}

// Alt held over 1-pixel-wide stripes: each pointer position reads its own stripe,
// never a neighbour or a blend (any scaling between the pointer and the read would).
void expectEachStripeReadExactly(HWND window) {
    const COLORREF colours[] = {RGB(0xFF, 0x00, 0x00), RGB(0x00, 0xFF, 0x00), RGB(0x00, 0x00, 0xFF),
                                RGB(0xFF, 0xFF, 0x00), RGB(0x00, 0xFF, 0xFF), RGB(0xFF, 0x00, 0xFF),
                                RGB(0x80, 0x40, 0x20), RGB(0x20, 0x40, 0x80)};
    const RECT around = screenRect(window);
    const int left = around.right + 40 < GetSystemMetrics(SM_CXSCREEN) - 20 ? around.right + 40 : 40;
    const int top = 300;
    std::vector<std::unique_ptr<ColourTarget>> stripes;
    for (int i = 0; i < 8; ++i)
        stripes.push_back(std::make_unique<ColourTarget>(RECT{left + i, top, left + i + 1, top + 60}, colours[i]));
    for (const auto& stripe : stripes) ASSERT_TRUE(stripe->waitShown(kReactionTimeoutMs));
    ASSERT_TRUE(click(stripes[0]->centre()));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return GetForegroundWindow() == stripes[0]->window(); }));
    MainWindowView view(window);
    AltKeyHeld alt;
    for (int i : {3, 4, 0, 7, 6, 1, 2, 5}) {
        SetCursorPos(left + i, top + 30);
        const std::wstring expected = rgbText(colours[i]);
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
            alt.keepDown();
            return view.shownHexText() == expected;
        })) << "stripe " << i << ": the hex field shows " << testing::PrintToString(view.shownHexText())
            << ", expected " << testing::PrintToString(expected);
    }
}

// The window is the 100 % window times the scale (within 2 pixels per side, and
// what larger text adds), every text fits, the frame is whole all round, a body
// drag moves it; at 150 % and 200 % the sampler reads exact pixels; a real click
// on the drawn close glyph closes it.
TEST_P(DisplayScale, TheWholeWindowScalesAndWorks) {
    const int dpi = GetParam();
    const SIZE design = sizeAtDesign();
    ASSERT_GT(design.cx, 0) << "no window at 100 %";
    ASSERT_TRUE(writeLogPixels(DWORD(dpi)));
    std::string report;
    const wchar_t* fitCheck =
        dpi == 144 ? L"TextFitTest.Every*InEveryLanguage" : L"TextFitTest.EveryTextFitsItsControlInEnglish";
    EXPECT_TRUE(textsFitIn(fitCheck, &report)) << report;
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const RECT rect = screenRect(window);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    // 2 pixels per side of rounding; text grows by the font's own rounding, a tenth at most.
    EXPECT_GE(width, scaled(design.cx, dpi) - 4);
    EXPECT_LE(width, scaled(design.cx, dpi) + 4 + scaled(design.cx, dpi) / 10);
    EXPECT_GE(height, scaled(design.cy, dpi) - 4);
    EXPECT_LE(height, scaled(design.cy, dpi) + 4 + scaled(design.cy, dpi) / 10);
    expectFrameAllAround(window, dpi);
    expectBodyDragMoves(window);
    if (dpi >= 144) expectEachStripeReadExactly(window);
    EXPECT_TRUE(closeWithButton(window)) << "a click on the close glyph did not close the program";
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScale, ::testing::Values(120, 144, 192),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace testing_program
