// The main colour window: the first start's colours and selected role, typed hex
// digits, the arrow buttons, role switching and samples reaching only the
// selected role and its stored value.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "DialogTestSupport.h"
#include "tests/support/ClipboardHolder.h"
#include "tests/support/DialogAnswer.h"
#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Slider.h"
#include "gui/win/TextField.h"
#include "picker/ScreenSampler.h"

namespace {

using picker_testing::DialogTest;
using s::image::color::makeColor;
using s::image::gui::dialogs::huesnap::ColorUpdate;
using s::image::gui::dialogs::huesnap::ScreenSampler;
using Dialog = s::image::gui::dialogs::huesnap::Dialog;

void type(s::gui::win::TextField* field, const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c) SendMessageW(field->getHandle(), WM_CHAR, *c, 0);
}

TEST_F(DialogTest, FirstStartShowsTheDefaultColoursWithTheBackgroundRoleSelected) {
    Dialog& dialog = start();
    EXPECT_EQ(makeColor(244, 137, 162), dialog.sampleLabel()->getForeground());
    EXPECT_EQ(makeColor(207, 229, 102), dialog.samplePanel()->getBackground());
    EXPECT_STREQ(L"F489A2", dialog.rolePage(Dialog::TEXT_ROLE).hexField->getText());
    EXPECT_STREQ(L"CFE566", dialog.rolePage(Dialog::BACKGROUND_ROLE).hexField->getText());
    const Dialog::RolePage& text = dialog.rolePage(Dialog::TEXT_ROLE);
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    EXPECT_TRUE(background.roleButton->isToggled());
    EXPECT_FALSE(text.roleButton->isToggled());
    EXPECT_EQ(dialog.roleFont(true), background.roleButton->getFontSetting());
    EXPECT_TRUE(IsWindowVisible(background.page->getHandle()));
    EXPECT_FALSE(IsWindowVisible(text.page->getHandle()));
    EXPECT_TRUE(dialog.isSamplerRunning());
    // Showing the start state stores nothing.
    EXPECT_EQ(-1, storedInt(Dialog::TEXT_COLOR_VALUE));
    // Sliders show the components computed from the colour.
    EXPECT_EQ(text.role.hue(), text.sliders[0]->getPosition());
    EXPECT_EQ(text.role.lightness(), text.sliders[2]->getPosition());

    // The window is as big as its content: the last row ends inside it, the
    // stretched ones reach its right margin.
    RECT window = {}, copy = {}, hex = {};
    GetWindowRect(dialog.window()->getHandle(), &window);
    GetWindowRect(background.copy->getHandle(), &copy);
    GetWindowRect(background.hexField->getHandle(), &hex);
    EXPECT_LE(copy.bottom, window.bottom);
    EXPECT_GT(copy.top, window.top + 200);
    // Inside the skin's 1-pixel frame and the rows' 2-pixel margin.
    EXPECT_EQ(window.right - 4, hex.right);
    EXPECT_EQ(window.right - 4, copy.right);
}

// The page not shown at start gets its windows just after the window appears:
// by the time the start returns they exist, and switching to it shows a page
// laid out exactly where the other one was.
TEST_F(DialogTest, TheTextPageIsMadeByTheTimeTheStartReturnsAndTakesTheSamePlace) {
    Dialog& dialog = start();
    const Dialog::RolePage& text = dialog.rolePage(Dialog::TEXT_ROLE);
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    ASSERT_NE(nullptr, text.page->getHandle());
    ASSERT_NE(nullptr, text.hexField->getHandle());
    ASSERT_NE(nullptr, text.copy->getHandle());
    EXPECT_EQ(GetParent(background.page->getHandle()), GetParent(text.page->getHandle()));
    RECT backgroundHex = {}, backgroundCopy = {};
    GetWindowRect(background.hexField->getHandle(), &backgroundHex);
    GetWindowRect(background.copy->getHandle(), &backgroundCopy);
    click(text.roleButton);
    EXPECT_TRUE(IsWindowVisible(text.page->getHandle()));
    EXPECT_FALSE(IsWindowVisible(background.page->getHandle()));
    RECT textHex = {}, textCopy = {};
    GetWindowRect(text.hexField->getHandle(), &textHex);
    GetWindowRect(text.copy->getHandle(), &textCopy);
    EXPECT_TRUE(EqualRect(&backgroundHex, &textHex));
    EXPECT_TRUE(EqualRect(&backgroundCopy, &textCopy));
    EXPECT_STREQ(L"F489A2", text.hexField->getText());
}

TEST_F(DialogTest, CopyPutsTheRolesHexTextOnTheClipboard) {
    Dialog& dialog = start();
    click(dialog.rolePage(Dialog::BACKGROUND_ROLE).copy);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    const std::wstring copied = text ? text : L"";
    if (text) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(L"CFE566", copied);
}

TEST_F(DialogTest, StoredColoursAreShownAtStart) {
    ASSERT_TRUE(store()->setS32(L"MainWindow\\View", Dialog::TEXT_COLOR_VALUE, int32_t(makeColor(1, 2, 3))));
    Dialog& dialog = start();
    EXPECT_STREQ(L"010203", dialog.rolePage(Dialog::TEXT_ROLE).hexField->getText());
    EXPECT_EQ(makeColor(1, 2, 3), dialog.sampleLabel()->getForeground());
}

// A colour value never has bits 24-31 set; a failed screen read (CLR_INVALID)
// does. Neither a stored one nor a sampled one may become a colour.
TEST_F(DialogTest, ColoursWithTheTopByteSetAreNeitherShownNorStored) {
    ASSERT_TRUE(store()->setS32(L"MainWindow\\View", Dialog::TEXT_COLOR_VALUE, int32_t(CLR_INVALID)));
    ASSERT_TRUE(store()->setS32(L"MainWindow\\View", Dialog::BACKGROUND_COLOR_VALUE, 0x01102030));
    Dialog& dialog = start();
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    EXPECT_STREQ(L"F489A2", dialog.rolePage(Dialog::TEXT_ROLE).hexField->getText());
    EXPECT_EQ(Dialog::DEFAULT_BACKGROUND_COLOR, background.role.colour());
    EXPECT_STREQ(L"CFE566", background.hexField->getText());

    onWindowThread([&] { dialog.applyBackgroundColor(makeColor(0, 0, 255), ColorUpdate::all()); });
    ASSERT_TRUE(store()->removeValue(view(), Dialog::BACKGROUND_COLOR_VALUE));
    s::image::color::ColorValue unreadable = CLR_INVALID;
    dialog.window()->sendUserEvent(ScreenSampler::PROCESS_NEW_COLOR, &unreadable, 0, 0);
    EXPECT_EQ(makeColor(0, 0, 255), background.role.colour());
    EXPECT_EQ(makeColor(0, 0, 255), dialog.samplePanel()->getBackground());
    EXPECT_STREQ(L"0000FF", background.hexField->getText());
    EXPECT_EQ(240, background.sliders[0]->getPosition());
    EXPECT_FALSE(store()->hasValue(view(), Dialog::BACKGROUND_COLOR_VALUE)) << "nothing may be stored";
}

// Cancel in the system colour chooser changes nothing: not the colour, not the
// hue a grey kept, not the stored value.
TEST_F(DialogTest, CancelInTheColourChooserLeavesEverythingAsItWas) {
    Dialog& dialog = start();
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    onWindowThread([&] { dialog.applyBackgroundColor(makeColor(0, 0, 255), ColorUpdate::all()); });
    s::image::color::ColorValue grey = makeColor(128, 128, 128);
    dialog.window()->sendUserEvent(ScreenSampler::PROCESS_NEW_COLOR, &grey, 0, 0);
    ASSERT_EQ(240, background.role.hue()) << "a sampled grey keeps the hue";
    ASSERT_TRUE(store()->removeValue(view(), Dialog::BACKGROUND_COLOR_VALUE));

    const DWORD windowThread = dialog.window()->getThreadId();
    testing_dialogs::Answer answer;
    std::thread cancel([&] { answer = testing_dialogs::answerDialog(windowThread, IDCANCEL); });
    click(background.swatch);  // returns once the chooser is closed
    cancel.join();
    ASSERT_TRUE(answer.found) << "the colour chooser did not open";
    EXPECT_EQ(grey, background.role.colour());
    EXPECT_EQ(240, background.role.hue());
    EXPECT_EQ(240, background.sliders[0]->getPosition());
    EXPECT_EQ(0, background.role.saturation());
    EXPECT_STREQ(L"808080", background.hexField->getText());
    EXPECT_FALSE(store()->hasValue(view(), Dialog::BACKGROUND_COLOR_VALUE)) << "nothing changed, nothing is stored";
}

TEST_F(DialogTest, FiveHexDigitsChangeNothingAndTheSixthAppliesWithoutRewritingTheField) {
    Dialog& dialog = start();
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    SendMessageW(background.hexField->getHandle(), EM_SETSEL, 0, -1);
    type(background.hexField, L"12ab5");
    EXPECT_EQ(makeColor(207, 229, 102), background.role.colour());
    EXPECT_EQ(-1, storedInt(Dialog::BACKGROUND_COLOR_VALUE));
    type(background.hexField, L"f");
    EXPECT_EQ(makeColor(0x12, 0xAB, 0x5F), background.role.colour());
    EXPECT_EQ(makeColor(0x12, 0xAB, 0x5F), dialog.samplePanel()->getBackground());
    EXPECT_STREQ(L"12ab5f", background.hexField->getText());
    EXPECT_EQ(int32_t(makeColor(0x12, 0xAB, 0x5F)), storedInt(Dialog::BACKGROUND_COLOR_VALUE));
}

TEST_F(DialogTest, HueArrowsWrapRoundTheCircleAndSaturationStopsAtZero) {
    Dialog& dialog = start();
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    onWindowThread([&] { dialog.applyBackgroundColor(makeColor(255, 0, 0), ColorUpdate::all()); });
    ASSERT_EQ(0, background.role.hue());
    click(background.decrease[0]);
    EXPECT_EQ(357, background.role.hue());
    EXPECT_EQ(357, background.sliders[0]->getPosition());
    EXPECT_STREQ(s::image::color::formatHex(background.role.colour()).digits, background.hexField->getText());
    EXPECT_EQ(int32_t(background.role.colour()), storedInt(Dialog::BACKGROUND_COLOR_VALUE));
    // The other sliders stay where they were.
    EXPECT_EQ(100, background.sliders[1]->getPosition());
    EXPECT_EQ(50, background.sliders[2]->getPosition());

    onWindowThread([&] { dialog.applyBackgroundColor(makeColor(128, 128, 128), ColorUpdate::all()); });
    const auto before = background.role.colour();
    click(background.decrease[1]);
    EXPECT_EQ(0, background.role.saturation());
    EXPECT_EQ(before, background.role.colour());
}

TEST_F(DialogTest, SampleWithTheTextRoleSelectedChangesOnlyTheTextColour) {
    Dialog& dialog = start();
    const Dialog::RolePage& text = dialog.rolePage(Dialog::TEXT_ROLE);
    const Dialog::RolePage& background = dialog.rolePage(Dialog::BACKGROUND_ROLE);
    click(text.roleButton);
    EXPECT_TRUE(text.roleButton->isToggled());
    EXPECT_FALSE(background.roleButton->isToggled());
    EXPECT_EQ(dialog.roleFont(true), text.roleButton->getFontSetting());
    EXPECT_EQ(dialog.roleFont(false), background.roleButton->getFontSetting());
    EXPECT_TRUE(IsWindowVisible(text.page->getHandle()));
    EXPECT_FALSE(IsWindowVisible(background.page->getHandle()));
    // A second click on the pressed role changes nothing.
    click(text.roleButton);
    EXPECT_TRUE(text.roleButton->isToggled());

    s::image::color::ColorValue colour = makeColor(10, 200, 30);
    dialog.window()->sendUserEvent(ScreenSampler::PROCESS_NEW_COLOR, &colour, 0, 0);
    EXPECT_EQ(colour, text.role.colour());
    EXPECT_EQ(colour, dialog.sampleLabel()->getForeground());
    EXPECT_STREQ(L"0AC81E", text.hexField->getText());
    EXPECT_EQ(int32_t(colour), storedInt(Dialog::TEXT_COLOR_VALUE));
    EXPECT_EQ(makeColor(207, 229, 102), background.role.colour());
    EXPECT_EQ(-1, storedInt(Dialog::BACKGROUND_COLOR_VALUE));

    // A grey keeps the hue; a copy of the name's text is not the event.
    const int hue = text.role.hue();
    colour = makeColor(90, 90, 90);
    dialog.window()->sendUserEvent(ScreenSampler::PROCESS_NEW_COLOR, &colour, 0, 0);
    EXPECT_EQ(hue, text.sliders[0]->getPosition());
    EXPECT_EQ(0, text.role.saturation());
    static const wchar_t lookalike[] = L"ProcessNewColor";
    s::image::color::ColorValue other = makeColor(1, 1, 1);
    dialog.window()->sendUserEvent(lookalike, &other, 0, 0);
    EXPECT_EQ(colour, text.role.colour());
}

TEST_F(DialogTest, StartedWithTheStartupOptionItBeginsInTheNotificationArea) {
    Dialog& dialog = start(true);
    EXPECT_TRUE(dialog.window()->isIconized());
    EXPECT_FALSE(IsWindowVisible(dialog.window()->getHandle()));
    EXPECT_TRUE(dialog.window()->isNotifyIconPresent());
}

TEST_F(DialogTest, ClosingStopsTheSampler) {
    Dialog& dialog = start();
    dialog.window()->close();
    ASSERT_TRUE(picker_testing::DialogTest::waitUntil([&] { return dialog.isFinished(); }));
    EXPECT_TRUE(waitUntil([&] { return !dialog.isSamplerRunning(); }));
}

}  // namespace

namespace {

// Selecting the field says "copied": not when another program holds the clipboard.
TEST_F(DialogTest, CopyWhileTheClipboardIsHeldLeavesTheFieldUnselected) {
    Dialog& dialog = start();
    s::gui::win::TextField* field = dialog.rolePage(Dialog::BACKGROUND_ROLE).hexField;
    SendMessageW(field->getHandle(), EM_SETSEL, 0, 0);
    DWORD first = 1, last = 1;
    {
        testing_support::ClipboardHolder held;
        click(dialog.rolePage(Dialog::BACKGROUND_ROLE).copy);
        SendMessageW(field->getHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        EXPECT_EQ(first, last) << "nothing was copied, so nothing may look copied";
    }

    click(dialog.rolePage(Dialog::BACKGROUND_ROLE).copy);
    SendMessageW(field->getHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(0u, first);
    EXPECT_EQ(6u, last);
}

}  // namespace
