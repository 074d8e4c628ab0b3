// The main window's contrast line, contrast fix, Show Contrast and paste, on
// the real window and store (the window's own thread does the work).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "DialogTestSupport.h"
#include "TextFit.h"
#include "gui/win/Label.h"
#include "gui/win/TextField.h"
#include "image/color/Contrast.h"
#include "picker/ClipboardText.h"
#include "picker/ColorRole.h"

namespace {

using picker_testing::DialogTest;
using picker_testing::windowText;
using s::image::color::ColorValue;
using s::image::color::Contrast;
using s::image::gui::dialogs::huesnap::ColorUpdate;
using Dialog = s::image::gui::dialogs::huesnap::Dialog;

constexpr int FIX_AA = 410;
constexpr int FIX_AAA = 411;
constexpr int SHOW_CONTRAST = 420;
constexpr ColorValue WHITE = 0x00FFFFFF;
constexpr ColorValue GREY_77 = 0x00777777;
constexpr ColorValue GREY_76 = 0x00767676;

int windowHeight(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
}

class ContrastDialogTest : public DialogTest {
protected:
    void setPair(ColorValue text, ColorValue background) {
        onWindowThread([&] {
            dialog_->applyTextColor(text, ColorUpdate::all());
            dialog_->applyBackgroundColor(background, ColorUpdate::all());
        });
    }
    void run(int command) {
        onWindowThread([&] { dialog_->runCommand(command); });
    }
    ColorValue colourOf(Dialog::RoleIndex role) { return dialog_->rolePage(role).role.colour(); }
    std::wstring line() { return windowText(dialog_->contrastLine()->getHandle()); }
    // Pastes `text` into the role's hex field as Ctrl+V does.
    void paste(Dialog::RoleIndex role, const wchar_t* text) {
        ASSERT_TRUE(s::image::gui::dialogs::huesnap::copyToClipboard(dialog_->window()->getHandle(), text));
        SendMessageW(dialog_->rolePage(role).hexField->getHandle(), WM_PASTE, 0, 0);
    }
};

// The line's window text follows each change, with the ratio cut, never rounded up.
TEST_F(ContrastDialogTest, TheLineTellsRatioAndGradesInItsWindowText) {
    start();
    EXPECT_EQ(L"Contrast 1.68:1\r\nNormal text: AA fail, AAA fail\r\nLarge text: AA fail, AAA fail", line());
    setPair(GREY_77, WHITE);
    EXPECT_EQ(L"Contrast 4.47:1\r\nNormal text: AA fail, AAA fail\r\nLarge text: AA pass, AAA fail", line());
    setPair(GREY_76, WHITE);
    EXPECT_EQ(L"Contrast 4.54:1\r\nNormal text: AA pass, AAA fail\r\nLarge text: AA pass, AAA pass", line());
    // "pass" is wider than "fail": the window makes room rather than cut the line.
    for (const picker_testing::TextFit::Misfit& misfit : picker_testing::TextFit::check(dialog_->window()))
        ADD_FAILURE() << std::string(misfit.text.begin(), misfit.text.end()) << ": " << misfit.textWidth << " > "
                      << misfit.roomWidth << (misfit.cutOff ? " (cut off)" : "");
    // A slider step changes it too.
    click(dialog_->rolePage(Dialog::BACKGROUND_ROLE).decrease[2]);
    EXPECT_TRUE(waitUntil([&] { return line().find(L"4.54:1") == std::wstring::npos; })) << line().c_str();
}

TEST_F(ContrastDialogTest, FixChangesOnlyTheSelectedRoleAndOnlyItsLightness) {
    start();
    const ColorValue text = colourOf(Dialog::TEXT_ROLE);
    const auto before = dialog_->rolePage(Dialog::BACKGROUND_ROLE).role;
    run(FIX_AA);
    const auto& after = dialog_->rolePage(Dialog::BACKGROUND_ROLE).role;
    EXPECT_EQ(text, colourOf(Dialog::TEXT_ROLE));
    EXPECT_GE(Contrast::ratio(text, after.colour()), Contrast::AA_NORMAL);
    EXPECT_EQ(before.hue(), after.hue());
    EXPECT_EQ(before.saturation(), after.saturation());
    EXPECT_NE(before.lightness(), after.lightness());
    EXPECT_EQ(int32_t(after.colour()), storedInt(Dialog::BACKGROUND_COLOR_VALUE));
    EXPECT_NE(std::wstring::npos, line().find(L"Normal text: AA pass"));

    click(dialog_->rolePage(Dialog::TEXT_ROLE).roleButton);
    const ColorValue background = colourOf(Dialog::BACKGROUND_ROLE);
    run(FIX_AAA);
    EXPECT_EQ(background, colourOf(Dialog::BACKGROUND_ROLE));
    EXPECT_GE(Contrast::ratio(colourOf(Dialog::TEXT_ROLE), background), Contrast::AAA_NORMAL);
    EXPECT_EQ(int32_t(colourOf(Dialog::TEXT_ROLE)), storedInt(Dialog::TEXT_COLOR_VALUE));
}

// Against a middle grey no lightness reaches 7:1: nothing changes, the hint line says so.
TEST_F(ContrastDialogTest, AnUnreachableFixChangesNothingAndSaysSo) {
    start();
    setPair(GREY_76, 0x00336699);
    s::gui::win::Label* hint = dialog_->rolePage(Dialog::BACKGROUND_ROLE).hint;
    ASSERT_NE(nullptr, hint);
    run(FIX_AAA);
    EXPECT_EQ(0x00336699u, colourOf(Dialog::BACKGROUND_ROLE));
    EXPECT_TRUE(hint->isShowingTemporaryText());
    EXPECT_STREQ(L"Cannot reach this contrast.", hint->getText());
}

TEST_F(ContrastDialogTest, ShowContrastHidesTheLineRefitsAndIsStored) {
    start();
    HWND window = dialog_->window()->getHandle();
    const int shown = windowHeight(window);
    run(SHOW_CONTRAST);
    EXPECT_FALSE(dialog_->isContrastShown());
    EXPECT_FALSE(IsWindowVisible(dialog_->contrastLine()->getHandle()));
    EXPECT_LT(windowHeight(window), shown);
    EXPECT_EQ(0, storedInt(Dialog::SHOW_CONTRAST_VALUE));
    // It stays off across a restart, and the line follows colours while hidden.
    dialog_->release();
    dialog_ = nullptr;
    appWindow_->release();
    appWindow_ = nullptr;
    start();
    EXPECT_FALSE(dialog_->isContrastShown());
    EXPECT_FALSE(IsWindowVisible(dialog_->contrastLine()->getHandle()));
    const int hidden = windowHeight(dialog_->window()->getHandle());
    run(SHOW_CONTRAST);
    EXPECT_TRUE(IsWindowVisible(dialog_->contrastLine()->getHandle()));
    EXPECT_GT(windowHeight(dialog_->window()->getHandle()), hidden);
    EXPECT_NE(std::wstring::npos, line().find(L"1.68:1"));
}

TEST_F(ContrastDialogTest, PasteAppliesAColourTextAndRefusesAnyOther) {
    start();
    s::gui::win::TextField* field = dialog_->rolePage(Dialog::BACKGROUND_ROLE).hexField;
    for (const wchar_t* bad : {L"#12345", L"rgb(300,0,0)", L"hello"}) {
        paste(Dialog::BACKGROUND_ROLE, bad);
        EXPECT_STREQ(L"CFE566", field->getText()) << bad;
        EXPECT_EQ(0x0066E5CFu, colourOf(Dialog::BACKGROUND_ROLE)) << bad;
    }
    paste(Dialog::BACKGROUND_ROLE, L"  #fa3 ");
    EXPECT_STREQ(L"FFAA33", field->getText());
    EXPECT_EQ(0x0033AAFFu, colourOf(Dialog::BACKGROUND_ROLE));
    EXPECT_EQ(0x0033AAFF, storedInt(Dialog::BACKGROUND_COLOR_VALUE));
    paste(Dialog::BACKGROUND_ROLE, L"hsl(0 100% 50%)");
    EXPECT_STREQ(L"FF0000", field->getText());
    EXPECT_NE(std::wstring::npos, line().find(L"Contrast"));
}

}  // namespace
