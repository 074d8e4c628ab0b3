// Every drawer of every skin paints its plain box into a BufferedImage in its
// own colours and gives back every GDI object; the drawers outside the skin.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ImageCanvas.h"
#include "gui/drawer/IDrawer.h"
#include "gui/drawer/IButton.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/ISlider.h"
#include "gui/drawer/IWindow.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/border/win/Thin.h"
#include "gui/drawer/groupbox/win/Basic.h"
#include "gui/drawer/image/win/Basic.h"
#include "gui/drawer/listbox/win/Basic.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "support/ResourceCounts.h"

using s::gui::drawer::IDrawer;
using s::gui::drawer::ISkin;
using testing_gui::ImageCanvas;

namespace {

// One skinned scene: window frame, a hue slider and two glyphs; false when a
// pixel differs from `reference` (when given).
bool paintScene(ISkin* skin, ImageCanvas& c, const ImageCanvas* reference) {
    skin->getWindow()->paint(c.dc(), 0, 0, c.width(), c.height());
    skin->getSlider()->paintTrack(c.dc(), 4, 4, c.width() - 4, 16, 0, 359, 200, 5, 100, 50, false);
    skin->getButton()->paintGlyph(c.dc(), 4, 20, 20, 34, L"#X", 0, 0, 0);
    skin->getButton()->paintGlyph(c.dc(), 24, 20, 40, 34, L"#Color-00FF8000", 0, 0, 0);
    if (!reference) return true;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) != reference->at(x, y)) return false;
    return true;
}

// Paints the box of every drawer of every skin once.
void paintEverything(s::gui::drawer::Skinner* skinner, ImageCanvas& c) {
    for (int n = 0; n < skinner->count(); ++n)
        for (int kind = 0; kind < ISkin::kKindCount; ++kind)
            skinner->skin(n)->drawerAt(kind)->paint(c.dc(), 0, 0, c.width(), c.height());
}

}  // namespace

TEST(Drawers, EveryDrawerFramesItsBoxInOneOfItsColours) {
    s::gui::drawer::Skinner* skinner = s::gui::drawer::skin::createThinWindowSkinner();
    ASSERT_NE(nullptr, skinner);
    ISkin* skin = skinner->skin(9);  // "Pink": colours that differ from the untouched marker
    for (int kind = 0; kind < ISkin::kKindCount; ++kind) {
        IDrawer* drawer = skin->drawerAt(kind);
        ImageCanvas c(12, 9);
        drawer->paint(c.dc(), 0, 0, 12, 9);
        bool corner = false;
        for (int i = 0; i < drawer->colourCount(); ++i) corner |= c.at(11, 8) == drawer->getColour(i);
        EXPECT_TRUE(corner) << "kind " << kind;
    }
    skinner->release();
}

TEST(Drawers, PaintingWithEverySkinLeavesNoHandles) {
    s::gui::drawer::Skinner* skinner = s::gui::drawer::skin::createThinWindowSkinner();
    ASSERT_NE(nullptr, skinner);
    ImageCanvas c(40, 30);
    paintEverything(skinner, c);
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 10; ++i) paintEverything(skinner, c);
    EXPECT_EQ(before, testing_resources::current());
    skinner->release();
}

TEST(Drawers, DrawersOutsideTheSkin) {
    IDrawer* drawers[] = {s::gui::drawer::border::win::Thin::acquire(), s::gui::drawer::image::win::Basic::acquire(),
                          s::gui::drawer::groupbox::win::Basic::acquire(),
                          s::gui::drawer::listbox::win::Basic::acquire()};
    const wchar_t* names[] = {L"s_gui_drawer_border_win_Thin", L"s_gui_drawer_image_win_Basic",
                              L"s_gui_drawer_groupbox_win_Basic", L"s_gui_drawer_listbox_win_Basic"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(nullptr, drawers[i]);
        EXPECT_STREQ(names[i], drawers[i]->getClassName());
        ASSERT_TRUE(drawers[i]->setColour(0, RGB(0xAA, 0, 0)));
        EXPECT_FALSE(drawers[i]->setColour(drawers[i]->colourCount(), RGB(0xAA, 0, 0)));
        ImageCanvas c(6, 5);
        drawers[i]->paint(c.dc(), 0, 0, 6, 5);
        drawers[i]->paint(nullptr, 0, 0, 6, 5);
        drawers[i]->paint(c.dc(), 3, 0, 3, 5);
        EXPECT_GE(c.countOf(RGB(0xAA, 0, 0)), 1) << names[i];
        drawers[i]->release();
    }
}

// Skins are read-only once built: several user-interface threads paint with the same one at once.
TEST(Drawers, ThreadsPaintWithTheSameSkinAtOnce) {
    s::gui::drawer::Skinner* skinner = s::gui::drawer::skin::createThinWindowSkinner();
    ASSERT_NE(nullptr, skinner);
    ISkin* skin = skinner->skin(6);
    ImageCanvas reference(60, 40);
    paintScene(skin, reference, nullptr);
    const int kThreads = 4;
    bool same[kThreads] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            ImageCanvas c(60, 40);
            same[t] = true;
            for (int round = 0; round < 30; ++round) same[t] = paintScene(skin, c, &reference) && same[t];
        });
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_TRUE(same[t]) << "thread " << t;
    skinner->release();
}
