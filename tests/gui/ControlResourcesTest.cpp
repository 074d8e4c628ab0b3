// Controls give back every window, GDI object and handle they take: many of
// each kind made, painted, asked for their colours and released (from another
// thread than their window's, which must then destroy their windows for them).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/FontSetting.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Image.h"
#include "gui/win/Label.h"
#include "gui/win/RadioButton.h"
#include "gui/win/Slider.h"
#include "gui/win/TextField.h"
#include "image/win/BufferedImage.h"
#include "image/win/BufferedImageSet.h"
#include "support/ResourceCounts.h"
#include "tests/gui/ControlTestSupport.h"
#include "tests/gui/ImageCanvas.h"

namespace {

using control_testing::Host;
using namespace s::gui::win;

// Makes one control of each kind with its font, colours and texts set, creates
// it in the host, paints it and asks its colours; returns them for release.
std::vector<std::function<void()>> makeControls(Host& host, FontSetting* font, int row) {
    std::vector<std::function<void()>> releases;
    auto place = [&](auto* control, auto setup) {
        control->setFontSetting(font);
        control->setBackground(RGB(row, 0x40, 0x80));
        setup(control);
        host.attach(control, 5 + 20 * static_cast<int>(releases.size()), 5 + row, 18, 18);
        HWND hwnd = control->getHandle();
        testing_gui::ImageCanvas canvas(18, 18);
        SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        SendMessageW(host.handle(), WM_CTLCOLORBTN, WPARAM(canvas.dc()), LPARAM(hwnd));
        control->setBackground(RGB(row, 0x41, 0x80));  // a second brush replaces the first
        SendMessageW(host.handle(), WM_CTLCOLORSTATIC, WPARAM(canvas.dc()), LPARAM(hwnd));
        releases.push_back([control] { control->release(); });
    };
    place(Button::acquire(), [](Button* b) { b->setText(L"Go"); });
    place(Button::acquire(), [](Button* b) { b->setGlyphText(L"#Color-000000FF"); });
    place(Button::acquire(), [](Button* b) { b->setText(L"#Resizer"); });
    place(Label::acquire(), [](Label* l) { l->setText(L"Label"); });
    place(TextField::acquire(), [](TextField* t) { t->setText(L"abc"); });
    place(Slider::acquire(), [](Slider* s) { s->setTicks(true); });
    place(CheckBox::acquire(), [](CheckBox* c) { c->setText(L"Check"); });
    place(RadioButton::acquire(), [](RadioButton* r) { r->setChecked(true); });
    place(Image::acquire(), [](Image* image) {
        s::image::win::BufferedImageSet* frames = s::image::win::BufferedImageSet::acquire();
        frames->addFrame(s::image::win::BufferedImage::acquireSized(8, 8), 10);
        frames->addFrame(s::image::win::BufferedImage::acquireSized(8, 8), 10);
        image->setPicture(frames);
        image->startAnimation();
    });
    GroupBox* group = GroupBox::acquire();
    group->setFontSetting(font);
    group->setText(L"Group");
    host.attach(group, 5, 200, 100, 60);
    releases.push_back([group] { group->release(); });
    return releases;
}

TEST(ControlResources, ManyControlsMadeAndReleasedLeaveNothingBehind) {
    Host host;
    ASSERT_TRUE(host.ready());
    FontSetting* font = FontSetting::acquire();
    font->setSizeCode(-103);
    auto round = [&](int count) {
        for (int i = 0; i < count; ++i)
            for (auto& release : makeControls(host, font, i)) release();
    };
    round(1);  // warm-up: classes, stock objects, caches
    const testing_resources::Counts before = testing_resources::current();
    round(15);
    const testing_resources::Counts after = testing_resources::current();
    EXPECT_EQ(before.gdi, after.gdi);
    EXPECT_EQ(before.user, after.user);
    EXPECT_EQ(before.kernel, after.kernel);
    font->release();
}

}  // namespace
