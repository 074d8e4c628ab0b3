// Check boxes, radio buttons and group boxes in a window: styles and ids, the
// check state pushed at creation and read back on a click, radio groups, and a
// group box creating its children inside itself and passing their
// notifications on to them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "gui/win/CheckBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/RadioButton.h"
#include "gui/win/Slider.h"
#include "tests/gui/ControlTestSupport.h"
#include "tests/gui/WindowTestSupport.h"

namespace {

using control_testing::EventRecorder;
using control_testing::Host;
using s::gui::ICheckBox;
using s::gui::win::CheckBox;
using s::gui::win::GroupBox;
using s::gui::win::RadioButton;
using s::gui::win::Slider;

LONG styleOf(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_STYLE) & ~LONG(WS_VISIBLE | WS_CLIPSIBLINGS);
}

TEST(CheckBoxInWindow, StylesIdsAndTheCheckStatePushedAtCreation) {
    CheckBox plain, multi;
    RadioButton radio;
    Host host;
    ASSERT_TRUE(host.ready());
    plain.setChecked(true);
    radio.setChecked(true);  // the system keeps WS_TABSTOP on the checked radio button only
    multi.setMultiLine(true);
    ASSERT_TRUE(host.attach(&plain, 10, 10, 100, 20));
    ASSERT_TRUE(host.attach(&multi, 10, 40, 100, 40));
    ASSERT_TRUE(host.attach(&radio, 10, 90, 100, 20));
    EXPECT_EQ(LONG(0x40014003), styleOf(plain.getHandle()));
    EXPECT_EQ(LONG(0x40016003), styleOf(multi.getHandle()));
    EXPECT_EQ(LONG(0x40014009), styleOf(radio.getHandle()));
    EXPECT_EQ(1003, GetDlgCtrlID(plain.getHandle()));
    EXPECT_EQ(1003, GetDlgCtrlID(radio.getHandle()));
    EXPECT_EQ(BST_CHECKED, SendMessageW(plain.getHandle(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(multi.getHandle(), BM_GETCHECK, 0, 0));
}

TEST(CheckBoxInWindow, ClickIsReadBackBeforeTheListenersHearIt) {
    CheckBox box;
    EventRecorder events;
    bool checkedDuringEvent = false;
    window_testing::FunctionListener reader([&](s::gui::IComponent*, int) { checkedDuringEvent = box.isChecked(); });
    Host host;
    ASSERT_TRUE(host.ready());
    box.addListener(ICheckBox::CLICKED, &events);
    box.addListener(ICheckBox::CLICKED, &reader);
    EXPECT_FALSE(box.addListener(2, &events));  // a kind check boxes do not raise
    ASSERT_TRUE(host.attach(&box, 10, 10, 100, 20));
    SendMessageW(box.getHandle(), BM_CLICK, 0, 0);  // the system checks it and tells the window
    EXPECT_EQ(std::vector<int>{ICheckBox::CLICKED}, events.kinds());
    EXPECT_TRUE(checkedDuringEvent);
    SendMessageW(box.getHandle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box.isChecked());
}

TEST(CheckBoxInWindow, GroupBoxHoldsItsRadioButtonsAndPassesTheirClicksOn) {
    RadioButton first, second;
    GroupBox group;
    EventRecorder events;
    Host host;
    ASSERT_TRUE(host.ready());
    group.setText(L"Mode");
    first.setChecked(true);
    first.setText(L"One");
    second.setText(L"Two");
    for (RadioButton* radio : {&first, &second}) {
        radio->setMinimumSize(80, 20);
        radio->setPreferredSize(80, 20);
        radio->addListener(1, &events);
        group.add(radio);
    }
    ASSERT_TRUE(host.attach(&group, 10, 10, 200, 100));
    HWND groupHandle = group.getHandle();
    ASSERT_NE(nullptr, groupHandle);
    EXPECT_EQ(LONG(GroupBox::STYLE), styleOf(groupHandle));
    EXPECT_EQ(GroupBox::CONTROL_ID, GetDlgCtrlID(groupHandle));
    EXPECT_EQ(groupHandle, GetParent(first.getHandle()));
    EXPECT_EQ(groupHandle, GetParent(second.getHandle()));
    wchar_t caption[16] = {};
    GetWindowTextW(groupHandle, caption, 16);
    EXPECT_STREQ(L"Mode", caption);

    SendMessageW(second.getHandle(), BM_CLICK, 0, 0);  // reported to the group box, passed on
    EXPECT_EQ(std::vector<int>{1}, events.kinds());
    EXPECT_EQ(&second, events.lastSource());
    EXPECT_TRUE(second.isChecked());
    EXPECT_FALSE(first.isChecked());  // the system unchecked the other of the group
    // Colours of the children are answered by the children.
    HDC dc = CreateCompatibleDC(nullptr);
    first.setBackground(RGB(1, 2, 3));
    EXPECT_NE(0, SendMessageW(groupHandle, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(first.getHandle())));
    EXPECT_EQ(RGB(1, 2, 3), GetBkColor(dc));
    DeleteDC(dc);
}

// Sliders in a group box report their moves to it: horizontal ones with
// WM_HSCROLL, vertical ones with WM_VSCROLL. Both reach the slider.
TEST(CheckBoxInWindow, GroupBoxPassesHorizontalAndVerticalSliderMovesOn) {
    Slider across, upright;
    GroupBox group;
    EventRecorder events;
    Host host;
    ASSERT_TRUE(host.ready());
    upright.setVertical(true);
    for (Slider* slider : {&across, &upright}) {
        slider->setMinimumSize(60, 60);
        slider->setPreferredSize(60, 60);
        slider->addListener(s::gui::ISlider::CHANGED, &events);
        group.add(slider);
    }
    ASSERT_TRUE(host.attach(&group, 10, 10, 200, 100));
    HWND groupHandle = group.getHandle();
    ASSERT_EQ(groupHandle, GetParent(upright.getHandle()));

    SendMessageW(across.getHandle(), TBM_SETPOS, TRUE, 30);
    SendMessageW(groupHandle, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 30), LPARAM(across.getHandle()));
    EXPECT_EQ(30, across.getPosition());
    SendMessageW(upright.getHandle(), TBM_SETPOS, TRUE, 70);
    SendMessageW(groupHandle, WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, 70), LPARAM(upright.getHandle()));
    EXPECT_EQ(70, upright.getPosition());
    EXPECT_EQ(2u, events.count());
    EXPECT_EQ(&upright, events.lastSource());
}

}  // namespace
