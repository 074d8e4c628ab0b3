// The program's skin set: its sixteen skins, their drawers and colours, and
// looking a saved skin name up.
#include "gui/drawer/Skinner.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/IDrawer.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/IWindow.h"
#include "gui/drawer/skin/SkinColours.h"
#include "gui/drawer/skin/Thin.h"
#include "gui/drawer/skin/ThinWindow.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "gui/drawer/window/win/Thin.h"

using s::gui::drawer::IDrawer;
using s::gui::drawer::ISkin;
using s::gui::drawer::Skinner;
using s::gui::drawer::skin::createThinWindowSkinner;
using s::gui::drawer::skin::skinColoursAt;

namespace {

// Each kind's drawer class and the skin colours C1..C15 its colours come from, as the skin table assigns them.
struct KindRow {
    const wchar_t* className;
    int colours[8];
};
const KindRow kKinds[ISkin::kKindCount] = {
    {L"s_gui_drawer_window_win_Thin", {1, 2, 3, 4, 9, 6, 3, 10}},
    {L"s_gui_drawer_button_win_Thin", {4}},
    {L"s_gui_drawer_text_win_Basic", {6, 1, 7, 3, 6, 4}},
    {L"s_gui_drawer_scrollbar_win_Thin", {4, 8}},
    {L"s_gui_drawer_checkbox_win_Thin", {4, 6, 3}},
    {L"s_gui_drawer_radiobutton_win_Thin", {4, 6, 3}},
    {L"s_gui_drawer_slider_win_Thin", {4, 8, 3}},
    {L"s_gui_drawer_counter_win_Basic", {14, 15}},
    {L"s_gui_drawer_listheader_win_Thin", {4, 9, 10}},
    {L"s_gui_drawer_listbox_win_Thin", {11, 12, 9, 10, 13}},
    {L"s_gui_drawer_statusbar_win_Thin", {4}},
    {L"s_gui_drawer_menu_win_Basic", {6, 4, 1, 6, 4, 6}},
    {L"s_gui_drawer_combo_win_Thin", {6, 4, 6}},
    {L"s_gui_drawer_groupbox_win_Thin", {5, 6, 6}},
    {L"s_gui_drawer_tabbox_win_Thin", {4, 6, 6, 6}},
};

class ThinWindowSet : public ::testing::Test {
protected:
    void SetUp() override {
        skinner = createThinWindowSkinner();
        ASSERT_NE(nullptr, skinner);
    }
    void TearDown() override {
        if (skinner) skinner->release();
    }
    Skinner* skinner = nullptr;
};

}  // namespace

TEST_F(ThinWindowSet, HoldsTheSixteenSkinsInOrder) {
    EXPECT_STREQ(L"ThinWindow", skinner->getFamily());
    EXPECT_STREQ(L"s_gui_drawer_Skinner", skinner->getClassName());
    const wchar_t* names[] = {L"White",      L"Ivory",  L"Black",    L"Black II", L"Black Black", L"Black Black II",
                              L"Classic LG", L"Beige",  L"Sky Blue", L"Pink",     L"Salmon Red",  L"Yellow",
                              L"Green",      L"Orange", L"Khaki",    L"Indigo"};
    ASSERT_EQ(16, skinner->count());
    for (int i = 0; i < 16; ++i) {
        ISkin* skin = skinner->skin(i);
        ASSERT_NE(nullptr, skin);
        EXPECT_STREQ(names[i], skin->getName()) << i;
        EXPECT_EQ(s::gui::drawer::skin::ThinWindow::CLASS_NAME, skin->getClassName());
    }
    EXPECT_EQ(nullptr, skinner->skin(16));
    EXPECT_EQ(nullptr, skinner->skin(-1));
}

TEST_F(ThinWindowSet, SkyBlueIsTheNinthSkinAndUnknownNamesGiveTheDefault) {
    int32_t index = 99;
    EXPECT_TRUE(skinner->findSkin(L"Sky Blue", index));
    EXPECT_EQ(8, index);
    EXPECT_FALSE(skinner->findSkin(L"Sky Green", index));
    EXPECT_EQ(-1, index);
    EXPECT_FALSE(skinner->findSkin(L"sky blue", index)) << "names match exactly";
    EXPECT_FALSE(skinner->findSkin(nullptr, index));
    EXPECT_EQ(8, skinner->indexOrDefault(L"Sky Blue", L"Classic LG"));
    EXPECT_EQ(6, skinner->indexOrDefault(L"Sky Green", L"Classic LG"));
    EXPECT_EQ(6, skinner->indexOrDefault(nullptr, L"Classic LG"));
    EXPECT_EQ(0, skinner->indexOrDefault(L"Sky Green", L"Nothing either")) << "the first skin as the last resort";
}

TEST_F(ThinWindowSet, EveryDrawerHasItsClassAndItsColoursFromTheTable) {
    for (int n = 0; n < skinner->count(); ++n) {
        const ISkin* skin = skinner->skin(n);
        const s::gui::drawer::skin::SkinColours& row = skinColoursAt(n);
        for (int kind = 0; kind < ISkin::kKindCount; ++kind) {
            IDrawer* drawer = skin->drawerAt(kind);
            ASSERT_NE(nullptr, drawer) << n << "/" << kind;
            EXPECT_STREQ(kKinds[kind].className, drawer->getClassName()) << kind;
            int count = 0;
            while (count < 8 && kKinds[kind].colours[count]) ++count;
            ASSERT_EQ(count, drawer->colourCount()) << kind;
            for (int i = 0; i < count; ++i)
                EXPECT_EQ(row.colour(kKinds[kind].colours[i]), drawer->getColour(i))
                    << "skin " << n << " kind " << kind << " colour " << i;
        }
    }
}

TEST_F(ThinWindowSet, KindGettersAgreeWithTheKindNumbers) {
    ISkin* skin = skinner->skin(8);
    EXPECT_EQ(static_cast<IDrawer*>(skin->getWindow()), skin->drawerAt(ISkin::kWindow));
    EXPECT_EQ(static_cast<IDrawer*>(skin->getSlider()), skin->drawerAt(ISkin::kSlider));
    EXPECT_EQ(static_cast<IDrawer*>(skin->getTabBox()), skin->drawerAt(ISkin::kTabBox));
    EXPECT_EQ(nullptr, skin->drawerAt(ISkin::kKindCount));
    // "Sky Blue": C2DFFF background, 5785FF frame; the skin makes square corners.
    s::gui::drawer::IWindow* window = skin->getWindow();
    EXPECT_EQ(RGB(0xC2, 0xDF, 0xFF), window->getBackground());
    EXPECT_EQ(RGB(0x57, 0x85, 0xFF), window->getFrame());
    EXPECT_EQ(0, window->getTopStyle());
    EXPECT_EQ(0, window->getBottomStyle());
    EXPECT_FALSE(window->isTransparent());
}

TEST(Skinner, AddFindSelectAndReset) {
    Skinner* skinner = Skinner::acquire();
    ASSERT_NE(nullptr, skinner);
    EXPECT_FALSE(skinner->addSkin(nullptr));
    EXPECT_EQ(-1, skinner->indexOrDefault(L"A", L"B")) << "an empty set has no default";
    for (const wchar_t* name : {L"One", L"Two", L"One"}) {
        s::gui::drawer::skin::Thin* skin = s::gui::drawer::skin::Thin::acquire();
        ASSERT_TRUE(skin->setName(name));
        EXPECT_TRUE(skinner->addSkin(skin));
    }
    int32_t index = -1;
    EXPECT_TRUE(skinner->findSkin(L"One", index));
    EXPECT_EQ(0, index) << "the first of two equal names";
    EXPECT_EQ(-1, skinner->getSelection());
    EXPECT_EQ(nullptr, skinner->selectedSkin());
    EXPECT_TRUE(skinner->setSelection(1));
    EXPECT_FALSE(skinner->setSelection(3));
    EXPECT_EQ(1, skinner->getSelection());
    EXPECT_STREQ(L"Two", skinner->selectedSkin()->getName());
    EXPECT_STREQ(L"s_gui_drawer_skin_Thin", skinner->skin(0)->getClassName());

    skinner->reset();
    EXPECT_EQ(0, skinner->count());
    EXPECT_EQ(-1, skinner->getSelection());
    EXPECT_STREQ(L"", skinner->getFamily());
    EXPECT_FALSE(skinner->findSkin(L"One", index));
    skinner->release();
}

TEST(Skinner, ASkinReleasesTheDrawerItReplaces) {
    using WindowDrawer = s::gui::drawer::window::win::Thin;
    s::gui::drawer::skin::ThinWindow* skin = s::gui::drawer::skin::ThinWindow::acquire();
    ASSERT_NE(nullptr, skin);
    WindowDrawer* first = WindowDrawer::acquire();
    first->setFrame(RGB(1, 2, 3));
    skin->setWindow(first);
    skin->setWindow(first);  // the same drawer again is kept, not released
    EXPECT_EQ(RGB(1, 2, 3), skin->getWindow()->getFrame());
    WindowDrawer* second = WindowDrawer::acquire();
    const uint32_t freeBefore = WindowDrawer::pool().freeCount();
    skin->setWindow(second);
    EXPECT_EQ(freeBefore + 1, WindowDrawer::pool().freeCount()) << "the first one given back";
    EXPECT_EQ(RGB(0, 0, 0), skin->getWindow()->getFrame());
    skin->release();
    EXPECT_EQ(freeBefore + 2, WindowDrawer::pool().freeCount()) << "the skin releases its drawers";
}

TEST(Skinner, RecycledSetsAndSkinsStartEmpty) {
    Skinner* skinner = createThinWindowSkinner();
    ASSERT_NE(nullptr, skinner);
    skinner->release();
    Skinner* again = Skinner::acquire();
    EXPECT_EQ(0, again->count());
    EXPECT_STREQ(L"", again->getFamily());
    again->release();
    s::gui::drawer::skin::ThinWindow* skin = s::gui::drawer::skin::ThinWindow::acquire();
    EXPECT_STREQ(L"", skin->getName());
    for (int kind = 0; kind < ISkin::kKindCount; ++kind) EXPECT_EQ(nullptr, skin->drawerAt(kind));
    skin->release();
}
