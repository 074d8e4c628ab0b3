// The contrast line, the contrast fix, Copy As and paste, driven as a person
// drives them: right-click menu from the keyboard, real clicks, real Alt, Ctrl+V.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "ColourTarget.h"
#include "MainWindowView.h"
#include "ProgramSettings.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "SystemOutputs.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

// The ratio the line shows ("Contrast 4.54:1..." gives 4.54); -1 without one.
double shownRatio(const std::wstring& line) {
    const size_t end = line.find(L":1");
    if (end == std::wstring::npos) return -1.0;
    size_t begin = end;
    while (begin > 0 && (iswdigit(line[begin - 1]) || line[begin - 1] == L'.')) --begin;
    return begin < end ? std::wcstod(line.substr(begin, end - begin).c_str(), nullptr) : -1.0;
}

class ContrastAndCopyAs : public ProgramTest {
protected:
    bool clickCopy(const MainWindowView& view) {
        HWND copy = view.buttonWithText(L"Copy to Clipboard");
        return copy && click(centreOf(copy));
    }

    // Another program's window of one colour, activated, with the pointer on it and Alt held.
    void sample(HWND window, COLORREF colour, const std::wstring& hex) {
        const RECT screen = screenRect(window);
        const RECT area = {screen.right + 20, screen.top, screen.right + 120, screen.top + 100};
        ColourTarget target(area, colour);
        ASSERT_TRUE(target.waitShown(kReactionTimeoutMs));
        ASSERT_TRUE(click(target.centre()));
        ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return GetForegroundWindow() == target.window(); }));
        SetCursorPos(target.centre().x, target.centre().y);
        MainWindowView view(window);
        AltKeyHeld alt;
        EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
            alt.keepDown();
            return view.shownHexText() == hex;
        })) << "hex field shows " << testing::PrintToString(view.shownHexText());
    }
};

TEST_F(ContrastAndCopyAs, HashHexIsCopiedAndTheChoiceSurvivesARestart) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(chooseFromRightClickMenu(window, COPY_AS_MENU, COPY_HASH_HEX));
    DWORD stored = 0;
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return settings::readNumber(kMainView, L"CopyFormat", &stored); }));
    EXPECT_EQ(1u, stored) << "CopyFormat";
    ASSERT_TRUE(setClipboardText(L"before"));
    ASSERT_TRUE(clickCopy(MainWindowView(window)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return clipboardText() == L"#CFE566"; }))
        << "clipboard holds " << testing::PrintToString(clipboardText());
    EXPECT_EQ(L"CFE566", MainWindowView(window).shownHexText()) << "the field keeps showing RRGGBB";
    ASSERT_TRUE(closeWithButton(window));

    ProgramDriver again;
    ASSERT_TRUE(again.start());
    HWND second = again.waitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(nullptr, second);
    ASSERT_TRUE(setClipboardText(L"before"));
    ASSERT_TRUE(clickCopy(MainWindowView(second)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return clipboardText() == L"#CFE566"; }))
        << "after a restart the clipboard holds " << testing::PrintToString(clipboardText());
    EXPECT_TRUE(closeWithButton(second));
    EXPECT_TRUE(again.waitForExit(kExitTimeoutMs));
}

// Ctrl+V of a style-sheet colour into the hex field applies it.
TEST_F(ContrastAndCopyAs, PastingIntoTheHexFieldAppliesAColourText) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    HWND field = view.shownHexField();
    ASSERT_NE(nullptr, field);
    ASSERT_TRUE(setClipboardText(L" rgb(18 171 95) "));
    ASSERT_TRUE(click(centreOf(field)));
    keyDown(VK_CONTROL);
    pressKey('V');
    keyUp(VK_CONTROL);
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.shownHexText() == L"12AB5F"; }))
        << "hex field shows " << testing::PrintToString(view.shownHexText());
    DWORD stored = 0;
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] {
        return settings::readNumber(kMainView, L"BackgroundColor", &stored) && stored == RGB(0x12, 0xAB, 0x5F);
    }));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(ContrastAndCopyAs, SampledBlackOnWhiteShows21AndTheFixMakesTheDefaultPairPassAa) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.contrastText().find(L"1.68:1") != std::wstring::npos; }))
        << "the default pair's line reads " << testing::PrintToString(view.contrastText());

    ASSERT_TRUE(chooseFromRightClickMenu(window, CONTRAST_MENU, FIX_CONTRAST_AA_ITEM));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return shownRatio(view.contrastText()) >= 4.5; }))
        << "after the fix the line reads " << testing::PrintToString(view.contrastText());
    EXPECT_NE(std::wstring::npos, view.contrastText().find(L"Normal text: AA pass"));
    EXPECT_NE(L"CFE566", view.shownHexText()) << "the background (the selected role) should have changed";

    HWND text = view.buttonWithText(L" Text ");
    ASSERT_NE(nullptr, text);
    ASSERT_TRUE(click(centreOf(text)));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.shownHexText() == L"F489A2"; }));
    sample(window, RGB(0, 0, 0), L"000000");
    HWND background = view.buttonWithText(L" Background ");
    ASSERT_NE(nullptr, background);
    ASSERT_TRUE(click(centreOf(background)));
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.shownHexText() != L"000000"; }));
    sample(window, RGB(255, 255, 255), L"FFFFFF");
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.contrastText().find(L"21.00:1") != std::wstring::npos; }))
        << "the line reads " << testing::PrintToString(view.contrastText());
    EXPECT_TRUE(closeWithButton(window));
}

}  // namespace
}  // namespace testing_program
