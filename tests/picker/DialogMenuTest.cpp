// The main colour window's menus and commands: the command decision without a
// window, the language menu of the real pack with its translation entry, keep on
// top with pin and check mark together, keep in screen stored, and web pages
// opened only through the replaceable opener.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "gui/drawer/Skinner.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/Label.h"
#include "gui/win/PopupMenu.h"
#include "lang/Localizer.h"
#include "picker/DialogCommands.h"
#include "picker/DialogMenus.h"

namespace {

using picker_testing::DialogTest;
using s::image::gui::dialogs::huesnap::DialogCommands;
using s::image::gui::dialogs::huesnap::DialogMenus;
using Action = DialogCommands::Action;
using Dialog = s::image::gui::dialogs::huesnap::Dialog;

using picker_testing::openedPages;

TEST(DialogCommandsTest, LanguageNumbersEndWithTheTranslationEntry) {
    const auto translate = DialogCommands::decide(3, 3, 16, 500000);
    EXPECT_EQ(Action::OPEN_TRANSLATION_PAGE, translate.action);
    EXPECT_EQ(108500, translate.addressText);
    const auto second = DialogCommands::decide(1, 3, 16, 500000);
    EXPECT_EQ(Action::SELECT_LANGUAGE, second.action);
    EXPECT_EQ(1, second.index);
    EXPECT_EQ(Action::NONE, DialogCommands::decide(4, 3, 16, 500000).action);
    const auto skin = DialogCommands::decide(215, 3, 16, 500000);
    EXPECT_EQ(Action::SELECT_SKIN, skin.action);
    EXPECT_EQ(15, skin.index);
    EXPECT_EQ(Action::NONE, DialogCommands::decide(216, 3, 16, 500000).action);
}

TEST(DialogCommandsTest, PagesAndWindowCommands) {
    EXPECT_EQ(500003, DialogCommands::decide(10100, 3, 0, 500000).addressText);
    EXPECT_EQ(500004, DialogCommands::decide(10200, 3, 0, 500000).addressText);
    EXPECT_EQ(108000, DialogCommands::decide(10900, 3, 0, 500000).addressText);
    EXPECT_EQ(108200, DialogCommands::decide(10950, 3, 0, 500000).addressText);
    EXPECT_EQ(Action::CLOSE_WINDOW, DialogCommands::decide(990, 3, 0, 500000).action);
    EXPECT_EQ(Action::CLOSE_WINDOW, DialogCommands::decide(999, 3, 0, 500000).action);
    EXPECT_EQ(Action::TOGGLE_ICONIZED, DialogCommands::decide(900, 3, 0, 500000).action);
}

TEST(DialogCommandsTest, CopyFormatsAndContrastCommands) {
    const auto hsl = DialogCommands::decide(403, 3, 16, 500000);
    EXPECT_EQ(Action::SELECT_COPY_FORMAT, hsl.action);
    EXPECT_EQ(3, hsl.index);
    EXPECT_EQ(6, DialogCommands::decide(406, 3, 16, 500000).index);
    EXPECT_EQ(Action::NONE, DialogCommands::decide(407, 3, 16, 500000).action);
    const auto aa = DialogCommands::decide(410, 3, 16, 500000), aaa = DialogCommands::decide(411, 3, 16, 500000);
    EXPECT_EQ(Action::FIX_CONTRAST, aa.action);
    EXPECT_EQ(Action::FIX_CONTRAST, aaa.action);
    EXPECT_NE(aa.index, aaa.index);
    EXPECT_EQ(Action::TOGGLE_SHOW_CONTRAST, DialogCommands::decide(420, 3, 16, 500000).action);
}

// Keep on Top, separator, View, Copy As, Contrast (Skin and Language follow when given), ...
TEST(DialogMenusTest, CopyAsAndContrastFollowViewWithTheChosenFormatMarked) {
    s::gui::win::PopupMenu* unknown = DialogMenus::buildCopyAsMenu(nullptr, 9);
    ASSERT_NE(nullptr, unknown);
    EXPECT_TRUE(unknown->isChecked(400)) << "a format number out of range marks the first";
    unknown->release();
    s::gui::win::PopupMenu* copyAs = DialogMenus::buildCopyAsMenu(nullptr, 3);
    ASSERT_NE(nullptr, copyAs);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(i == 3, copyAs->isChecked(400 + i)) << i;
    s::gui::win::PopupMenu* menu =
        DialogMenus::buildRightClickMenu(nullptr, DialogMenus::Checks{false, false, true, true}, nullptr, nullptr, copyAs);
    ASSERT_NE(nullptr, menu);
    HMENU native = menu->getMenuHandle();
    auto firstId = [&](int position) {
        HMENU submenu = GetSubMenu(native, position);
        return submenu ? int(GetMenuItemID(submenu, 0)) : -1;
    };
    EXPECT_EQ(100, int(GetMenuItemID(native, 0)));
    EXPECT_EQ(135, firstId(2));
    EXPECT_EQ(400, firstId(3));
    EXPECT_EQ(410, firstId(4));
    EXPECT_EQ(10000, firstId(6));
    EXPECT_TRUE(menu->isChecked(420));
    EXPECT_TRUE(menu->holdsCommand(411));
    menu->release();
}

TEST(DialogMenusTest, TrayMenuHoldsItsCommandsOnly) {
    s::gui::win::PopupMenu* menu = DialogMenus::buildTrayMenu(nullptr);
    ASSERT_NE(nullptr, menu);
    EXPECT_STREQ(DialogMenus::TRAY_MENU_NAME, menu->getName());
    for (int command : {900, 990, 10000, 10100, 10200, 10900, 10950}) EXPECT_TRUE(menu->holdsCommand(command));
    EXPECT_FALSE(menu->holdsCommand(100));
    EXPECT_FALSE(menu->holdsCommand(999));
    menu->release();
}

class DialogMenuTest : public picker_testing::PageRecordingTest {
protected:
    void command(int number) {
        onWindowThread([&] { dialog_->runCommand(number); });
    }
};

TEST_F(DialogMenuTest, TranslateFollowsTheLanguagesAndOpensTheTranslationPage) {
    Dialog& dialog = start();
    s::lang::Localizer* texts = app_->languagePack();
    const int languages = int(texts->languageCount());
    ASSERT_GT(languages, 2);
    s::gui::menuitem::MenuItem* translate = dialog.rightClickMenu()->findItem(languages);
    ASSERT_NE(nullptr, translate);
    EXPECT_EQ(700001, translate->getTextId());
    command(languages);
    ASSERT_EQ(1u, openedPages.size());
    EXPECT_EQ(std::wstring(texts->getText(108500)), openedPages[0]);

    command(1);
    EXPECT_EQ(1, texts->indexOfLanguage(texts->currentLanguage()));
    EXPECT_TRUE(dialog.rightClickMenu()->isChecked(1));
    EXPECT_FALSE(dialog.rightClickMenu()->isChecked(0));
    command(0);

    command(10100);
    ASSERT_EQ(2u, openedPages.size());
    EXPECT_EQ(std::wstring(texts->getText(500003)), openedPages[1]);
}

TEST_F(DialogMenuTest, KeepOnTopTwiceReturnsToTheStartWithPinAndCheckAgreeing) {
    Dialog& dialog = start();
    s::gui::win::Button* pin = dialog.titleButton(Dialog::PIN_BUTTON);
    const bool initial = dialog.window()->isKeepOnTop();
    EXPECT_EQ(initial, pin->isToggled());
    EXPECT_EQ(initial, dialog.rightClickMenu()->isChecked(DialogCommands::KEEP_ON_TOP));
    for (bool expected : {!initial, initial}) {
        command(DialogCommands::KEEP_ON_TOP);
        EXPECT_EQ(expected, dialog.window()->isKeepOnTop());
        EXPECT_EQ(expected, pin->isToggled());
        EXPECT_EQ(expected, dialog.rightClickMenu()->isChecked(DialogCommands::KEEP_ON_TOP));
    }
}

TEST_F(DialogMenuTest, KeepInScreenIsStoredAndShownAtTheNextStart) {
    Dialog& dialog = start();
    EXPECT_FALSE(dialog.rightClickMenu()->isChecked(DialogCommands::KEEP_IN_SCREEN));
    command(DialogCommands::KEEP_IN_SCREEN);
    EXPECT_TRUE(dialog.isKeepInScreen());
    EXPECT_TRUE(dialog.window()->isKeepInScreen());
    EXPECT_TRUE(dialog.rightClickMenu()->isChecked(DialogCommands::KEEP_IN_SCREEN));
    EXPECT_TRUE(store()->getBool(view(), Dialog::KEEP_IN_SCREEN_VALUE, false));

    dialog_->release();
    dialog_ = nullptr;
    appWindow_->release();
    appWindow_ = nullptr;
    Dialog& again = start();
    EXPECT_TRUE(again.rightClickMenu()->isChecked(DialogCommands::KEEP_IN_SCREEN));
    EXPECT_TRUE(again.window()->isKeepInScreen());
}

TEST_F(DialogMenuTest, MiddleClickChoiceFollowsTheCheckMark) {
    Dialog& dialog = start();
    ASSERT_TRUE(dialog.rightClickMenu()->isChecked(DialogCommands::MIDDLE_CLICK_CLOSES));
    command(DialogCommands::MIDDLE_CLICK_CLOSES);
    EXPECT_FALSE(dialog.rightClickMenu()->isChecked(DialogCommands::MIDDLE_CLICK_CLOSES));
    EXPECT_STREQ(L"DoNothing", dialog.window()->getMiddleClickAction());
    command(DialogCommands::MIDDLE_CLICK_CLOSES);
    EXPECT_STREQ(L"Close", dialog.window()->getMiddleClickAction());
}

TEST_F(DialogMenuTest, SkinCommandMovesTheMarkAndOpenWindowTogglesTheNotificationArea) {
    Dialog& dialog = start();
    s::gui::drawer::Skinner* skinner = app_->skinner();
    ASSERT_GT(skinner->count(), 1);
    const int other = skinner->getSelection() == 1 ? 0 : 1;
    command(DialogCommands::FIRST_SKIN + other);
    EXPECT_EQ(other, skinner->getSelection());
    EXPECT_TRUE(dialog.rightClickMenu()->isChecked(DialogCommands::FIRST_SKIN + other));
    EXPECT_FALSE(dialog.rightClickMenu()->isChecked(DialogCommands::FIRST_SKIN + 1 - other));

    command(DialogCommands::OPEN_WINDOW);
    EXPECT_TRUE(dialog.window()->isIconized());
    EXPECT_FALSE(IsWindowVisible(dialog.window()->getHandle()));
    command(DialogCommands::OPEN_WINDOW);
    EXPECT_FALSE(dialog.window()->isIconized());
    EXPECT_TRUE(IsWindowVisible(dialog.window()->getHandle()));
}

}  // namespace

namespace {

RECT windowRect(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// Another language has other text lengths: the window grows when the new texts
// need more room (never squeezing them) and otherwise keeps its size, also one
// the user made larger; the minimum always follows the texts, and the title is
// written again.
TEST_F(DialogMenuTest, LanguageChangeGrowsTheWindowOnlyWhenTheTextsNeedIt) {
    Dialog& dialog = start();
    HWND hwnd = dialog.window()->getHandle();
    const RECT before = windowRect(hwnd);
    SetWindowTextW(hwnd, L"stale");
    s::lang::Localizer* texts = app_->languagePack();
    const int german = texts->indexOfLanguage(texts->findLanguage(L"German"));
    ASSERT_GE(german, 0);
    command(german);
    wchar_t title[64] = {};
    GetWindowTextW(hwnd, title, 64);
    EXPECT_STREQ(texts->getText(500000), title);
    // Labels give their new text to screen readers too.
    GetWindowTextW(dialog.sampleLabel()->getHandle(), title, 64);
    EXPECT_STREQ(texts->getText(900000), title);
    const RECT after = windowRect(hwnd);
    EXPECT_GT(after.right - after.left, before.right - before.left) << "the German texts are longer";
    const SIZE minimum = dialog.window()->getMinimumSize();
    EXPECT_EQ(after.right - after.left, minimum.cx);
    EXPECT_EQ(after.bottom - after.top, minimum.cy);

    // Back to English: the shorter texts fit, so the window keeps its size; the minimum shrinks again.
    command(0);
    EXPECT_EQ(after.right - after.left, windowRect(hwnd).right - windowRect(hwnd).left);
    EXPECT_EQ(after.bottom - after.top, windowRect(hwnd).bottom - windowRect(hwnd).top);
    EXPECT_EQ(before.right - before.left, dialog.window()->getMinimumSize().cx);

    // Made larger by the user than any of the texts need: it stays so.
    const SIZE large = {after.right - after.left + 120, after.bottom - after.top + 60};
    SetWindowPos(hwnd, nullptr, 0, 0, large.cx, large.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    command(german);
    EXPECT_EQ(large.cx, windowRect(hwnd).right - windowRect(hwnd).left);
    EXPECT_EQ(large.cy, windowRect(hwnd).bottom - windowRect(hwnd).top);
    EXPECT_EQ(minimum.cx, dialog.window()->getMinimumSize().cx);
}

// The skin's 1-pixel frame stays visible: the content sits inside it.
TEST_F(DialogMenuTest, ContentSitsInsideTheSkinFrame) {
    Dialog& dialog = start();
    HWND hwnd = dialog.window()->getHandle();
    RECT client = {};
    GetClientRect(hwnd, &client);
    HWND column = GetWindow(hwnd, GW_CHILD);
    ASSERT_NE(nullptr, column);
    RECT inner = {};
    GetWindowRect(column, &inner);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&inner), 2);
    EXPECT_EQ(1, inner.left);
    EXPECT_EQ(1, inner.top);
    EXPECT_EQ(client.right - 1, inner.right);
    EXPECT_EQ(client.bottom - 1, inner.bottom);
    // "Black Black", the default skin: its frame colour on the window's outermost pixels.
    const RECT outer = windowRect(hwnd);
    auto pixel = [](int x, int y) {
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, x, y);
        ReleaseDC(nullptr, screen);
        return colour;
    };
    const int middleY = (outer.top + outer.bottom) / 2;
    EXPECT_TRUE(waitUntil([&] { return pixel(outer.left, middleY) == RGB(0x33, 0x33, 0x33); }))
        << std::hex << pixel(outer.left, middleY);
    EXPECT_EQ(RGB(0x33, 0x33, 0x33), pixel(outer.right - 1, middleY));
    EXPECT_EQ(RGB(0x33, 0x33, 0x33), pixel((outer.left + outer.right) / 2, outer.bottom - 1));
}

}  // namespace
