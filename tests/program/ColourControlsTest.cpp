// The colour controls a person uses by hand: the role buttons, the hex field
// typed into, and the copy button.
#include <windows.h>

#include <gtest/gtest.h>

#include "MainWindowView.h"
#include "ProgramSettings.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "SystemOutputs.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

class ColourControls : public ProgramTest {
protected:
    // Clicks into the shown hex field and empties it from the keyboard.
    bool clearShownHexField(const MainWindowView& view) {
        HWND field = view.shownHexField();
        if (!field || !click(centreOf(field))) return false;
        pressKey(VK_END);
        pressKey(VK_BACK, 8);
        return waitUntil(kReactionTimeoutMs, [&] { return textOf(field).empty(); });
    }
};

TEST_F(ColourControls, CopyPutsTheShownHexOnTheClipboard) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ASSERT_TRUE(setClipboardText(L"before"));
    HWND copy = view.buttonWithText(L"Copy to Clipboard");
    ASSERT_NE(nullptr, copy);
    ASSERT_TRUE(click(centreOf(copy)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [] { return clipboardText() == L"CFE566"; }))
        << "clipboard holds " << testing::PrintToString(clipboardText());
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(ColourControls, TextRoleButtonShowsTheTextPage) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    HWND text = view.buttonWithText(L" Text ");
    ASSERT_NE(nullptr, text);
    ASSERT_TRUE(click(centreOf(text)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.shownHexText() == L"F489A2"; }))
        << "the shown hex field holds " << testing::PrintToString(view.shownHexText());
    HWND background = view.buttonWithText(L" Background ");
    ASSERT_NE(nullptr, background);
    ASSERT_TRUE(click(centreOf(background)));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.shownHexText() == L"CFE566"; }));
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(ColourControls, FiveTypedDigitsChangeNothingAndTheSixthApplies) {
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    MainWindowView view(window);
    ASSERT_TRUE(clearShownHexField(view)) << "the hex field could not be emptied from the keyboard";
    typeText(L"12ab5");
    ASSERT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return view.shownHexText() == L"12ab5"; }));
    EXPECT_FALSE(settings::hasValue(kMainView, L"BackgroundColor")) << "five digits changed the colour";
    EXPECT_TRUE(waitForPixel(view.samplePanelPoint(), RGB(207, 229, 102), kReactionTimeoutMs));
    typeText(L"f");
    DWORD stored = 0;
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs,
                          [&] {
                              return settings::readNumber(kMainView, L"BackgroundColor", &stored) &&
                                     stored == RGB(0x12, 0xAB, 0x5F);
                          }))
        << "BackgroundColor is " << testing::PrintToString(settings::describeNumber(kMainView, L"BackgroundColor"));
    EXPECT_TRUE(waitForPixel(view.samplePanelPoint(), RGB(0x12, 0xAB, 0x5F), kReactionTimeoutMs))
        << "the sample panel shows " << testing::PrintToString(rgbText(screenPixel(view.samplePanelPoint())));
    // The field keeps what was typed: it is not rewritten in upper case.
    EXPECT_EQ(L"12ab5f", view.shownHexText());
    EXPECT_TRUE(closeWithButton(window));
}

}  // namespace
}  // namespace testing_program
