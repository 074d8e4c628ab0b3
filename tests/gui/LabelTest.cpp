// Labels in a window and in a box: text changes measured and laid out again,
// temporary texts coming back (the timer driven directly, and once for real),
// the window text (what screen readers read) following the shown text,
// hit testing of plain and link labels, link clicks, texts looked up by id in
// the localiser, and the label's own painting.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "gui/drawer/text/win/Basic.h"
#include "gui/win/Box.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Label.h"
#include "lang/Localizer.h"
#include "tests/gui/ControlTestSupport.h"
#include "tests/gui/ImageCanvas.h"
#include "xml/Node.h"

namespace {

using control_testing::EventRecorder;
using control_testing::Host;
using control_testing::waitFor;
using s::gui::ILabel;
using s::gui::win::Label;

class LabelInWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ready()); }
    void create() {
        label.addListener(ILabel::CLICKED, &events);
        ASSERT_TRUE(host.attach(&label, 10, 10, 120, 20));
        hwnd = label.getHandle();
        ASSERT_NE(nullptr, hwnd);
    }
    LRESULT hitTest(int x, int y) {
        const POINT at = Host::screenAt(hwnd, x, y);
        return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    }
    void mouse(UINT msg, int x, int y) {
        const POINT at = Host::screenAt(hwnd, x, y);
        SetCursorPos(at.x, at.y);
        SendMessageW(hwnd, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }
    void fireTemporaryTimer() { SendMessageW(hwnd, WM_TIMER, Label::TEMPORARY_TIMER, 0); }
    // The text as a screen reader reads it.
    std::wstring windowText() const {
        wchar_t text[64] = {};
        SendMessageW(hwnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
        return text;
    }

    Label label;
    EventRecorder events;
    Host host;
    HWND hwnd = nullptr;
};

TEST_F(LabelInWindow, NativeWindowIsATransparentChildOfTheToolkitClass) {
    create();
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    EXPECT_STREQ(L"NivoWindowClass", name);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_EQ(0, GetDlgCtrlID(hwnd));
}

TEST_F(LabelInWindow, TextIsReplacedOnlyWhenItDiffersAndSizesTheLabel) {
    label.setText(L"ab");
    create();
    const int shortWidth = label.getPreferredWidth();
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(label.getMinimumHeight(), 0);
    EXPECT_FALSE(label.setText(L"ab", true));
    EXPECT_EQ(L"ab", windowText());
    EXPECT_TRUE(label.setText(L"a much longer text", true));
    EXPECT_STREQ(L"a much longer text", label.getText());
    EXPECT_EQ(L"a much longer text", windowText());
    EXPECT_GT(label.getPreferredWidth(), shortWidth);
    EXPECT_EQ(label.getPreferredWidth(), label.getMinimumWidth());
}

TEST_F(LabelInWindow, TemporaryTextComesBackAndASecondOneKeepsTheFirstSavedText) {
    label.setText(L"Ready");
    create();
    label.showTemporaryText(L"Copied", true, 60000);
    EXPECT_STREQ(L"Copied", label.getText());
    label.showTemporaryText(L"Copied again", true, 60000);
    EXPECT_STREQ(L"Copied again", label.getText());
    EXPECT_EQ(L"Copied again", windowText());
    fireTemporaryTimer();
    EXPECT_STREQ(L"Ready", label.getText());
    EXPECT_EQ(L"Ready", windowText());
    EXPECT_FALSE(label.isShowingTemporaryText());
    fireTemporaryTimer();  // nothing saved any more
    EXPECT_STREQ(L"Ready", label.getText());
}

TEST_F(LabelInWindow, TextSetDuringATemporaryTextIsTheOneThatComesBack) {
    label.setText(L"Ready");
    create();
    label.showTemporaryText(L"Copied", true, 60000);
    EXPECT_TRUE(label.setText(L"Done", true));
    EXPECT_STREQ(L"Copied", label.getText());
    EXPECT_EQ(L"Copied", windowText());
    fireTemporaryTimer();
    EXPECT_STREQ(L"Done", label.getText());
    EXPECT_EQ(L"Done", windowText());
}

TEST_F(LabelInWindow, TemporaryTextEndsByItselfAfterItsDuration) {
    label.setText(L"Ready");
    create();
    const DWORD start = GetTickCount();
    label.showTemporaryText(L"Copied", true, 300);
    ASSERT_TRUE(waitFor([&] { return !label.isShowingTemporaryText(); }, 5000));
    EXPECT_GE(GetTickCount() - start, 250u);
    EXPECT_STREQ(L"Ready", label.getText());
}

TEST_F(LabelInWindow, PlainLabelLetsClicksThroughAndALinkTakesThem) {
    create();
    EXPECT_EQ(HTTRANSPARENT, hitTest(5, 5));
    label.setLinkTarget(L"");
    EXPECT_EQ(HTCLIENT, hitTest(5, 5));
}

TEST_F(LabelInWindow, LinkRaisesItsClickOnlyForAReleaseInside) {
    label.setLinkTarget(L"");  // a link that runs nothing
    create();
    mouse(WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(1, label.getHoverState());
    mouse(WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(2, label.getHoverState());
    mouse(WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(std::vector<int>{ILabel::CLICKED}, events.kinds());
    EXPECT_EQ(1, label.getHoverState());

    mouse(WM_LBUTTONDOWN, 5, 5);
    mouse(WM_LBUTTONUP, 300, 5);  // released outside: no click
    EXPECT_EQ(1u, events.count());
    EXPECT_EQ(0, label.getHoverState());
}

// ---- A link press cut short: no release will come, so the press must end at once.

class LinkPressCutShort : public LabelInWindow {
protected:
    void pressHeld() {
        label.setLinkTarget(L"");
        create();
        mouse(WM_MOUSEMOVE, 5, 5);
        mouse(WM_LBUTTONDOWN, 5, 5);
        ASSERT_EQ(2, label.getHoverState());
        ASSERT_EQ(hwnd, capture());
    }
    HWND capture() {
        HWND found = nullptr;
        host.onWindowThread([&] { found = GetCapture(); });
        return found;
    }
    void expectEnded(const char* why) {
        EXPECT_EQ(0, label.getHoverState()) << why;
        EXPECT_NE(hwnd, capture()) << why;
        // A release that still arrives inside is no click: the press was over.
        mouse(WM_LBUTTONUP, 5, 5);
        EXPECT_EQ(0u, events.count()) << why;
    }
};

TEST_F(LinkPressCutShort, AnotherWindowTakingTheCaptureEndsThePress) {
    pressHeld();
    host.onWindowThread([&] { SetCapture(host.handle()); });
    EXPECT_EQ(0, label.getHoverState());
    host.onWindowThread([] { ReleaseCapture(); });
    expectEnded("capture taken by the host window");
}

TEST_F(LinkPressCutShort, CancelModeEndsThePress) {
    pressHeld();
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    expectEnded("WM_CANCELMODE");
}

TEST_F(LinkPressCutShort, DisablingAHeldLinkEndsThePress) {
    pressHeld();
    label.setEnabled(false);
    expectEnded("disabled while held");
}

TEST_F(LinkPressCutShort, TheNextPressClicksAsEver) {
    pressHeld();
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    mouse(WM_MOUSEMOVE, 5, 5);
    mouse(WM_LBUTTONDOWN, 5, 5);
    mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(std::vector<int>{ILabel::CLICKED}, events.kinds());
}

TEST_F(LabelInWindow, TextIdIsLookedUpInTheLocalizerAtCreation) {
    s::lang::Localizer* localizer = s::lang::Localizer::acquire();
    s::xml::Node* root = s::xml::Node::acquire();
    ASSERT_TRUE(localizer && root);
    root->parse(
        L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages>"
        L"<entries><entry id=\"7\"><eng>Hue</eng></entry></entries></lang>");
    ASSERT_TRUE(localizer->loadPack(root, 10));
    label.setText(L"placeholder");
    label.setTextId(7);
    label.setLocalizer(localizer);
    create();
    EXPECT_STREQ(L"Hue", label.getText());
    EXPECT_EQ(L"Hue", windowText());
    root->release();
    localizer->release();
}

TEST_F(LabelInWindow, PaintsItsTextOverItsBackground) {
    label.setText(L"XXXX");
    label.setBackground(RGB(0xFF, 0xFF, 0xFF));
    label.setForeground(RGB(0, 0, 0));
    create();
    testing_gui::ImageCanvas canvas(120, 20);
    ASSERT_TRUE(canvas.valid());
    SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), canvas.at(119, 19));
    EXPECT_LT(canvas.countOf(RGB(0xFF, 0xFF, 0xFF)), 120 * 20) << "the text shows";
    EXPECT_EQ(0, canvas.countOf(testing_gui::ImageCanvas::kUntouched));
}

// A label with a text drawer: the drawer paints the text, but in the label's font
// setting's colour and over the label's own background (or none when
// transparent), never in the drawer's own text colour or fill.
TEST_F(LabelInWindow, TextDrawerPaintsInTheFontSettingsColourAndKeepsTheLabelsBackground) {
    using TextDrawer = s::gui::drawer::text::win::Basic;
    const COLORREF white = RGB(0xFF, 0xFF, 0xFF), green = RGB(0, 0x80, 0);
    const COLORREF drawerInk = RGB(0xFF, 0, 0), drawerFill = RGB(0, 0, 0xFF), parent = RGB(0x80, 0x80, 0x80);
    TextDrawer* drawer = TextDrawer::acquire();
    s::gui::win::FontSetting* setting = s::gui::win::FontSetting::acquire();
    ASSERT_TRUE(drawer && setting);
    drawer->setColour(TextDrawer::kText, drawerInk);
    drawer->setColour(TextDrawer::kBackground, drawerFill);
    setting->setForeground(green);
    LOGFONTW plain = setting->getLogFont();
    plain.lfQuality = NONANTIALIASED_QUALITY;  // the text in exactly its colour
    setting->setLogFont(plain);
    host.window()->setBackground(parent);
    label.setText(L"XXXX");
    label.setBackground(white);
    label.setFontSetting(setting);
    label.setTextDrawer(drawer);
    create();
    testing_gui::ImageCanvas canvas(120, 20);
    ASSERT_TRUE(canvas.valid());
    SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(white, canvas.at(119, 19));
    EXPECT_GT(canvas.countOf(green), 0) << "the text in the font setting's colour";
    EXPECT_EQ(0, canvas.countOf(drawerInk));
    EXPECT_EQ(0, canvas.countOf(drawerFill));

    label.setTransparent(true);
    canvas.fill(testing_gui::ImageCanvas::kUntouched);
    SendMessageW(hwnd, WM_PRINTCLIENT, WPARAM(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(parent, canvas.at(119, 19)) << "the parent's background shows through";
    EXPECT_EQ(0, canvas.countOf(white));
    EXPECT_EQ(0, canvas.countOf(drawerFill));
    EXPECT_GT(canvas.countOf(green), 0);

    label.setTextDrawer(nullptr);
    label.setFontSetting(nullptr);
    drawer->release();
    setting->release();
}

// A label in a box: created through the box's WM_APP_ATTACH, and a longer text
// widens it through the box's layout.
TEST(LabelInBox, CreatedByTheBoxAndLaidOutAgainWhenTheTextGrows) {
    Label label;
    s::gui::win::Box box;
    Host host;
    ASSERT_TRUE(host.ready());
    label.setText(L"ab");
    box.add(&label);
    ASSERT_TRUE(host.attach(&box, 0, 0, 380, 100));
    ASSERT_NE(nullptr, label.getHandle());
    EXPECT_EQ(box.getHandle(), GetParent(label.getHandle()));
    RECT before;
    GetWindowRect(label.getHandle(), &before);
    ASSERT_TRUE(label.setText(L"a considerably longer text", true));
    RECT after;
    GetWindowRect(label.getHandle(), &after);
    EXPECT_GT(after.right - after.left, before.right - before.left);
    EXPECT_EQ(label.getWidth(), after.right - after.left);
}

}  // namespace
