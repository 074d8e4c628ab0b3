// Popup menus: building by position, state searched through submenus, the
// radio mark, following the language with marks kept, routing a chosen item
// from the owning window, and giving back every native menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "gui/menuitem/MenuItem.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/Window.h"
#include "lang/Localizer.h"
#include "tests/gui/WindowTestSupport.h"
#include "xml/Node.h"

namespace {

using s::gui::IComponent;
using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using window_testing::FunctionListener;
using window_testing::WindowHolder;

// Releases a pooled menu at the end of a test.
struct MenuHolder {
    PopupMenu* menu = PopupMenu::acquire();
    ~MenuHolder() {
        if (menu) menu->release();
    }
};

std::wstring nativeText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, UINT(position), text, 128, MF_BYPOSITION);
    return text;
}

UINT nativeState(HMENU menu, int position) { return GetMenuState(menu, UINT(position), MF_BYPOSITION); }

// Three items: 10 "a", 20 "b" (checked), 30 "c".
void fillThree(PopupMenu* menu) {
    menu->append(MenuItem::newLiteral(L"a", 10, false));
    menu->append(MenuItem::newLiteral(L"b", 20, true));
    menu->append(MenuItem::newLiteral(L"c", 30, false));
}

TEST(PopupMenu, SeparatorInsertedAtTheFrontComesFirst) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    fillThree(menu);
    ASSERT_TRUE(menu->insert(0, MenuItem::newSeparator()));
    HMENU native = menu->getMenuHandle();
    ASSERT_EQ(menu->getItemCount(), 4);
    EXPECT_TRUE(nativeState(native, 0) & MF_SEPARATOR);
    EXPECT_EQ(nativeText(native, 1), L"a");
    EXPECT_EQ(nativeText(native, 3), L"c");
    EXPECT_TRUE(nativeState(native, 2) & MF_CHECKED);
    EXPECT_TRUE(menu->isChecked(20));
    EXPECT_FALSE(menu->isChecked(10));
}

TEST(PopupMenu, StateOperationsFindItemsInSubmenusAndRefuseUnknownIds) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    fillThree(menu);
    PopupMenu* sub = PopupMenu::acquire();
    sub->setTitle(L"More");
    sub->append(MenuItem::newLiteral(L"deep", 40, false));
    ASSERT_TRUE(menu->appendSubmenu(sub));
    EXPECT_EQ(nativeText(menu->getMenuHandle(), 3), L"More");

    EXPECT_TRUE(menu->setEnabled(40, false));
    EXPECT_TRUE(GetMenuState(sub->getMenuHandle(), 40, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu->setChecked(40, true));
    EXPECT_TRUE(menu->isChecked(40));
    EXPECT_TRUE(GetMenuState(sub->getMenuHandle(), 40, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu->setText(40, L"deeper"));
    EXPECT_EQ(nativeText(sub->getMenuHandle(), 0), L"deeper");
    EXPECT_TRUE(GetMenuState(sub->getMenuHandle(), 40, MF_BYCOMMAND) & MF_CHECKED);

    EXPECT_FALSE(menu->setEnabled(99, false));
    EXPECT_FALSE(menu->setChecked(99, true));
    EXPECT_FALSE(menu->setText(99, L"x"));
    EXPECT_FALSE(menu->checkRadioById(99));
    EXPECT_FALSE(menu->holdsCommand(99));
    EXPECT_FALSE(menu->runCommand(99));
    EXPECT_TRUE(menu->removeItem(10));
    EXPECT_FALSE(menu->holdsCommand(10));
    EXPECT_EQ(menu->getItemCount(), 3);
}

TEST(PopupMenu, RadioMarkFollowsThePositionAndMinusOneClearsIt) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    fillThree(menu);
    menu->checkRadio(1);
    EXPECT_TRUE(menu->findItem(20)->isRadioChecked());
    EXPECT_FALSE(menu->findItem(10)->isRadioChecked());
    ASSERT_TRUE(menu->checkRadioById(30));
    EXPECT_FALSE(menu->findItem(20)->isRadioChecked());
    EXPECT_TRUE(menu->findItem(30)->isRadioChecked());
    EXPECT_TRUE(nativeState(menu->getMenuHandle(), 2) & MF_CHECKED);
    menu->checkRadio(-1);
    for (int id : {10, 20, 30}) EXPECT_FALSE(menu->findItem(id)->isRadioChecked()) << id;
    EXPECT_FALSE(nativeState(menu->getMenuHandle(), 2) & MF_CHECKED);
}

// Every item's check, as the menu reports it, is what the native menu shows.
void expectChecksAgree(PopupMenu* menu, std::initializer_list<int> ids) {
    for (int id : ids) {
        const bool shown = (GetMenuState(menu->getMenuHandle(), UINT(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
        EXPECT_EQ(shown, menu->isChecked(id)) << "item " << id;
    }
}

TEST(PopupMenu, RadioMarkKeepsOtherItemsOwnCheckMarksAndTheNativeMenuInStep) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    fillThree(menu);  // 20 carries a check mark of its own
    HMENU native = menu->getMenuHandle();

    menu->checkRadio(2);
    EXPECT_TRUE(nativeState(native, 1) & MF_CHECKED);  // the system took it off; it is put back
    EXPECT_TRUE(menu->isChecked(20));
    EXPECT_TRUE(nativeState(native, 2) & MF_CHECKED);
    EXPECT_TRUE(menu->isChecked(30));
    EXPECT_FALSE(menu->isChecked(10));
    expectChecksAgree(menu, {10, 20, 30});

    // The own mark still answers to setChecked: before, the flag said "checked"
    // while nothing showed it, so setting it again changed nothing on the screen.
    EXPECT_TRUE(menu->setChecked(20, false));
    EXPECT_FALSE(nativeState(native, 1) & MF_CHECKED);
    EXPECT_TRUE(menu->setChecked(20, true));
    EXPECT_TRUE(nativeState(native, 1) & MF_CHECKED);

    // Moving the mark onto the item with its own check, then clearing it, leaves that check.
    ASSERT_TRUE(menu->checkRadioById(20));
    EXPECT_FALSE(nativeState(native, 2) & MF_CHECKED);
    expectChecksAgree(menu, {10, 20, 30});
    menu->checkRadio(-1);
    EXPECT_TRUE(nativeState(native, 1) & MF_CHECKED);
    expectChecksAgree(menu, {10, 20, 30});

    // Unchecking the radio-marked item takes its mark off for good.
    menu->checkRadio(0);
    EXPECT_TRUE(menu->setChecked(10, false));
    EXPECT_FALSE(nativeState(native, 0) & MF_CHECKED);
    EXPECT_FALSE(menu->findItem(10)->isRadioChecked());
    expectChecksAgree(menu, {10, 20, 30});
}

TEST(PopupMenu, RewritingATextKeepsAGreyedItemGreyedAndAnEnabledOneEnabled) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    fillThree(menu);
    HMENU native = menu->getMenuHandle();
    ASSERT_TRUE(menu->setEnabled(20, false));
    ASSERT_TRUE(menu->setText(20, L"bee"));
    EXPECT_EQ(nativeText(native, 1), L"bee");
    EXPECT_TRUE(nativeState(native, 1) & MF_GRAYED);
    EXPECT_TRUE(nativeState(native, 1) & MF_CHECKED);
    ASSERT_TRUE(menu->setText(10, L"ay"));
    EXPECT_FALSE(nativeState(native, 0) & MF_GRAYED);

    ASSERT_TRUE(menu->setEnabled(20, true));
    ASSERT_TRUE(menu->setText(20, L"b"));
    EXPECT_FALSE(nativeState(native, 1) & MF_GRAYED);
}

const wchar_t TWO_LANGUAGES[] =
    L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/><entry tagName=\"deu\" engName=\"German\"/>"
    L"</languages><entries>"
    L"<entry id=\"1\"><eng>Keep on Top</eng><deu>Immer oben</deu></entry>"
    L"<entry id=\"2\"><eng>Skin</eng><deu>Aussehen</deu></entry>"
    L"<entry id=\"3\"><eng>Red</eng><deu>Rot</deu></entry>"
    L"</entries></lang>";

TEST(PopupMenu, LanguageChangeRewritesTextsKeepingChecksAndRadioMarks) {
    s::xml::Node* root = s::xml::Node::acquire();
    root->parse(TWO_LANGUAGES);
    s::lang::Localizer* localizer = s::lang::Localizer::acquire();
    ASSERT_TRUE(localizer->loadPack(root, 10));
    localizer->selectLanguage(L"English");
    {
        MenuHolder holder;
        PopupMenu* menu = holder.menu;
        menu->setLocalizer(localizer);
        menu->append(MenuItem::newText(1, localizer, 100, true));
        menu->append(MenuItem::newText(3, localizer, 200, false));
        PopupMenu* skins = PopupMenu::acquire();
        skins->setLocalizer(localizer);
        skins->setTitleId(2);
        skins->append(MenuItem::newText(3, localizer, 201, false));
        menu->appendSubmenu(skins);
        menu->checkRadio(1);
        EXPECT_EQ(nativeText(menu->getMenuHandle(), 0), L"Keep on Top");

        localizer->selectLanguage(L"German");
        HMENU native = menu->getMenuHandle();
        EXPECT_EQ(nativeText(native, 0), L"Immer oben");
        EXPECT_TRUE(nativeState(native, 0) & MF_CHECKED);
        EXPECT_EQ(nativeText(native, 1), L"Rot");
        EXPECT_TRUE(nativeState(native, 1) & MF_CHECKED);
        EXPECT_TRUE(menu->findItem(200)->isRadioChecked());
        EXPECT_EQ(nativeText(native, 2), L"Aussehen");
        EXPECT_EQ(GetSubMenu(native, 2), skins->getMenuHandle());
        EXPECT_EQ(nativeText(skins->getMenuHandle(), 0), L"Rot");
    }
    // Released menus left the localizer's listeners: a change reaches nobody.
    EXPECT_EQ(localizer->listenerCount(), 0u);
    localizer->release();
    root->release();
}

TEST(PopupMenu, LanguageChangeKeepsGreyedItemsGreyedInTheMenuAndItsSubmenus) {
    s::xml::Node* root = s::xml::Node::acquire();
    root->parse(TWO_LANGUAGES);
    s::lang::Localizer* localizer = s::lang::Localizer::acquire();
    ASSERT_TRUE(localizer->loadPack(root, 10));
    localizer->selectLanguage(L"English");
    {
        MenuHolder holder;
        PopupMenu* menu = holder.menu;
        menu->setLocalizer(localizer);
        menu->append(MenuItem::newText(1, localizer, 100, true));
        menu->append(MenuItem::newText(3, localizer, 200, false));
        PopupMenu* skins = PopupMenu::acquire();
        skins->setLocalizer(localizer);
        skins->append(MenuItem::newText(3, localizer, 201, false));
        menu->appendSubmenu(skins);
        ASSERT_TRUE(menu->setEnabled(100, false));
        ASSERT_TRUE(menu->setEnabled(201, false));

        localizer->selectLanguage(L"German");
        HMENU native = menu->getMenuHandle();
        EXPECT_EQ(nativeText(native, 0), L"Immer oben");
        EXPECT_TRUE(nativeState(native, 0) & MF_GRAYED);
        EXPECT_TRUE(nativeState(native, 0) & MF_CHECKED);
        EXPECT_FALSE(nativeState(native, 1) & MF_GRAYED);
        EXPECT_EQ(nativeText(skins->getMenuHandle(), 0), L"Rot");
        EXPECT_TRUE(nativeState(skins->getMenuHandle(), 0) & MF_GRAYED);
    }
    localizer->release();
    root->release();
}

TEST(PopupMenu, ChosenItemOfASubmenuIsReportedByTheRootMenuOfTheWindow) {
    std::vector<int> chosen;
    int openings = 0;
    PopupMenu* menu = PopupMenu::acquire();
    FunctionListener choice([&](IComponent* source, int kind) {
        EXPECT_EQ(source, static_cast<IComponent*>(menu));
        EXPECT_EQ(kind, PopupMenu::CHOSEN_EVENT);
        chosen.push_back(menu->getChosenCommand());
    });
    FunctionListener opening([&](IComponent*, int kind) { openings += kind == PopupMenu::OPENING_EVENT; });
    fillThree(menu);
    PopupMenu* sub = PopupMenu::acquire();
    sub->append(MenuItem::newLiteral(L"deep", 40, false));
    menu->appendSubmenu(sub);
    menu->addChoiceListener(&choice);
    menu->addOpeningListener(&opening);
    WindowHolder holder;
    holder.window->setPopupMenu(menu);
    SendMessageW(holder.window->getHandle(), WM_COMMAND, MAKEWPARAM(40, 0), 0);
    SendMessageW(holder.window->getHandle(), WM_COMMAND, MAKEWPARAM(30, 0), 0);
    EXPECT_EQ(chosen, (std::vector<int>{40, 30}));
    menu->open(holder.window);
    EXPECT_EQ(openings, 1);
    EXPECT_EQ(menu->getWindow(), static_cast<s::gui::IWindow*>(holder.window));
}

// ---- Item positions in a menu that holds submenus

// Native entries: 10 "a", the submenu "sub" (with 40 "deep"), 20 "b".
PopupMenu* fillWithSubmenu(PopupMenu* menu) {
    menu->append(MenuItem::newLiteral(L"a", 10, false));
    PopupMenu* sub = PopupMenu::acquire();
    sub->setTitle(L"sub");
    sub->append(MenuItem::newLiteral(L"deep", 40, false));
    menu->appendSubmenu(sub);
    menu->append(MenuItem::newLiteral(L"b", 20, false));
    return sub;
}

TEST(PopupMenu, ItemInsertedAfterASubmenuTakesItsPlaceAmongTheItems) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    fillWithSubmenu(menu);
    MenuItem* inserted = MenuItem::newLiteral(L"x", 30, false);
    ASSERT_TRUE(menu->insert(2, inserted));  // before "b", after the submenu
    HMENU native = menu->getMenuHandle();
    ASSERT_EQ(4, menu->getItemCount());
    EXPECT_EQ(L"sub", nativeText(native, 1));
    EXPECT_EQ(L"x", nativeText(native, 2));
    EXPECT_EQ(L"b", nativeText(native, 3));
    // The radio mark by item lands on the item itself, at its native position.
    ASSERT_TRUE(menu->checkRadioByItem(inserted));
    EXPECT_TRUE(nativeState(native, 2) & MF_CHECKED);
    EXPECT_FALSE(nativeState(native, 3) & MF_CHECKED);
    EXPECT_TRUE(inserted->isRadioChecked());
    EXPECT_FALSE(menu->findItem(20)->isRadioChecked());
    EXPECT_TRUE(menu->isChecked(30));
    EXPECT_FALSE(menu->isChecked(20));
}

TEST(PopupMenu, RadioMarkByItemFindsTheItemPastSubmenusAndRefusesOthers) {
    MenuHolder holder;
    PopupMenu* menu = holder.menu;
    PopupMenu* sub = fillWithSubmenu(menu);
    MenuItem* b = menu->findItem(20);
    ASSERT_TRUE(menu->checkRadioByItem(b));
    EXPECT_TRUE(nativeState(menu->getMenuHandle(), 2) & MF_CHECKED);
    EXPECT_TRUE(b->isRadioChecked());
    EXPECT_FALSE(menu->findItem(10)->isRadioChecked());
    // Not one of this menu's own items: nothing changes.
    EXPECT_FALSE(menu->checkRadioByItem(sub->findItem(40)));
    EXPECT_FALSE(menu->checkRadioByItem(nullptr));
    MenuItem* separator = MenuItem::newSeparator();
    ASSERT_TRUE(menu->append(separator));
    EXPECT_FALSE(menu->checkRadioByItem(separator));
    EXPECT_TRUE(b->isRadioChecked());
}

// ---- The owning window as the menu data of the menu and its submenus

ULONG_PTR menuData(HMENU menu) {
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = 0xdeadbeef;
    return GetMenuInfo(menu, &info) ? info.dwMenuData : 0xdeadbeef;
}

TEST(PopupMenu, OpeningForAWindowRecordsItInTheMenuAndItsSubmenus) {
    MenuHolder holder;
    PopupMenu* sub = fillWithSubmenu(holder.menu);
    WindowHolder window;
    ASSERT_NE(nullptr, window.window);
    holder.menu->open(window.window);
    const ULONG_PTR owner = reinterpret_cast<ULONG_PTR>(window.window->getHandle());
    EXPECT_EQ(owner, menuData(holder.menu->getMenuHandle()));
    EXPECT_EQ(owner, menuData(sub->getMenuHandle()));
}

// An owner window of this thread: it records the menu data of each popup it is
// told about, and closes the menu once it has opened.
std::vector<ULONG_PTR> gPopupData;

LRESULT CALLBACK menuOwner(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITMENUPOPUP) gPopupData.push_back(menuData(reinterpret_cast<HMENU>(wp)));
    if (msg == WM_ENTERIDLE || msg == WM_TIMER) EndMenu();
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(PopupMenu, ShowingRecordsTheOwnerWhichHearsThePopupOpen) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = menuOwner;
    windowClass.lpszClassName = L"HueSnapTestMenuOwner";
    RegisterClassW(&windowClass);
    HWND owner =
        CreateWindowExW(0, L"HueSnapTestMenuOwner", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, owner);
    MenuHolder holder;
    PopupMenu* sub = fillWithSubmenu(holder.menu);
    gPopupData.clear();
    SetTimer(owner, 1, 200, nullptr);  // should the menu never go idle
    holder.menu->showAt(50, 50, owner, s::gui::IPopupMenu::SHOW_IN_WINDOW);
    KillTimer(owner, 1);
    ASSERT_FALSE(gPopupData.empty());
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(owner), gPopupData.front());
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(owner), menuData(sub->getMenuHandle()));
    DestroyWindow(owner);
}

TEST(PopupMenu, ReleaseDestroysTheNativeMenusOnce) {
    PopupMenu* menu = PopupMenu::acquire();
    fillThree(menu);
    PopupMenu* sub = PopupMenu::acquire();
    sub->append(MenuItem::newLiteral(L"deep", 40, false));
    menu->appendSubmenu(sub);
    HMENU root = menu->getMenuHandle(), inner = sub->getMenuHandle();
    ASSERT_TRUE(IsMenu(root) && IsMenu(inner));
    menu->release();
    EXPECT_FALSE(IsMenu(root));
    EXPECT_FALSE(IsMenu(inner));
    // A recycled menu starts empty.
    PopupMenu* again = PopupMenu::acquire();
    EXPECT_EQ(again->getItemCount(), 0);
    EXPECT_FALSE(again->holdsCommand(40));
    EXPECT_STREQ(again->getTitle(), L"");
    again->release();
}

}  // namespace
