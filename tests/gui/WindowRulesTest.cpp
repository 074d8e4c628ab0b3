// Frame hit testing, back-buffer sizing, reflection tables and font size codes.
#include <gtest/gtest.h>

#include "gui/win/FontSizeCode.h"
#include "gui/win/FrameRules.h"
#include "gui/win/ReflectionRules.h"

using namespace s::gui::win;

TEST(SkinnedHitTest, BordersAndCornerZones) {
    const int w = 200, h = 100;
    EXPECT_EQ(HTTOPRIGHT, skinnedHitTest(w - 3, 10, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTRIGHT, skinnedHitTest(w - 3, 50, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTBOTTOMRIGHT, skinnedHitTest(w - 3, h - 10, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTBOTTOMLEFT, skinnedHitTest(10, h - 2, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTBOTTOM, skinnedHitTest(100, h - 2, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTBOTTOMRIGHT, skinnedHitTest(w - 20, h - 2, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTTOPLEFT, skinnedHitTest(2, 10, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTLEFT, skinnedHitTest(2, 50, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTTOPLEFT, skinnedHitTest(20, 2, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTTOP, skinnedHitTest(100, 2, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTTOPRIGHT, skinnedHitTest(w - 20, 2, w, h, HTCLIENT, false, false));
}

TEST(SkinnedHitTest, BandEdgesAreExclusive) {
    const int w = 200, h = 100;
    EXPECT_EQ(HTCLIENT, skinnedHitTest(5, 50, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTLEFT, skinnedHitTest(4, 50, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTCLIENT, skinnedHitTest(w - 5, 50, w, h, HTCLIENT, false, false));
    EXPECT_EQ(HTRIGHT, skinnedHitTest(w - 4, 50, w, h, HTCLIENT, false, false));
}

TEST(SkinnedHitTest, DragByBodyTurnsTheClientIntoACaptionUnlessRightButtonIsDown) {
    EXPECT_EQ(HTCAPTION, skinnedHitTest(100, 50, 200, 100, HTCLIENT, true, false));
    EXPECT_EQ(HTCLIENT, skinnedHitTest(100, 50, 200, 100, HTCLIENT, true, true));
    EXPECT_EQ(HTCLIENT, skinnedHitTest(100, 50, 200, 100, HTCLIENT, false, false));
    // Only a client hit is turned: a child's transparent area or a menu stays what it was.
    EXPECT_EQ(HTMENU, skinnedHitTest(100, 50, 200, 100, HTMENU, true, false));
    EXPECT_EQ(HTCAPTION, plainHitTest(HTCLIENT, true, false));
    EXPECT_EQ(HTCLIENT, plainHitTest(HTCLIENT, false, false));
}

TEST(SizingCursor, MatchesTheBorder) {
    EXPECT_EQ(IDC_SIZEWE, sizingCursorFor(HTLEFT));
    EXPECT_EQ(IDC_SIZENS, sizingCursorFor(HTBOTTOM));
    EXPECT_EQ(IDC_SIZENWSE, sizingCursorFor(HTBOTTOMRIGHT));
    EXPECT_EQ(IDC_SIZENESW, sizingCursorFor(HTTOPRIGHT));
    EXPECT_EQ(nullptr, sizingCursorFor(HTCLIENT));
}

TEST(BackBuffer, CreatedOnceThenShrunkOnlyWhenMuchTooLarge) {
    EXPECT_EQ(BufferAction::Create, backBufferAction(false, 0, 0, 100, 100));
    // 60% of the buffer's area is needed: a smaller buffer is made.
    EXPECT_EQ(BufferAction::Recreate, backBufferAction(true, 100, 100, 100, 60));
    // 80%: the buffer is kept.
    EXPECT_EQ(BufferAction::Keep, backBufferAction(true, 100, 100, 100, 80));
    EXPECT_EQ(BufferAction::Keep, backBufferAction(true, 100, 100, 100, 100));
    // Large enough in area but too narrow: resized.
    EXPECT_EQ(BufferAction::Resize, backBufferAction(true, 100, 100, 120, 80));
    EXPECT_EQ(BufferAction::Resize, backBufferAction(true, 100, 100, 101, 100));
}

TEST(Reflection, CommandCodes) {
    EXPECT_EQ(0x8004u, reflectedCommand(0));
    EXPECT_EQ(0x800Au, reflectedCommand(1));
    EXPECT_EQ(0x8005u, reflectedCommand(5));
    EXPECT_EQ(0x800Fu, reflectedCommand(7));
    EXPECT_EQ(0x8010u, reflectedCommand(8));
    EXPECT_EQ(0x8015u, reflectedCommand(0x200));
    EXPECT_EQ(0x800Cu, reflectedCommand(0x300));
    EXPECT_EQ(0u, reflectedCommand(2));
    EXPECT_EQ(0u, reflectedCommand(0x400));
}

TEST(Reflection, NotifyCodesAndWhichAnswerZero) {
    struct Row {
        int code;
        UINT message;
        bool zero;
    } rows[] = {{-100, 0x8013, false}, {-101, 0x8006, true},  {-108, 0x800D, false}, {-109, 0x8008, true},
                {-115, 0x8007, true},  {-176, 0x8009, false}, {-551, 0x800B, false}, {-12, 0x800E, false},
                {-310, 0x8011, false}, {-311, 0x8012, false}, {-2, 0, false},        {0, 0, false}};
    for (const Row& row : rows) {
        bool zero = true;
        EXPECT_EQ(row.message, reflectedNotify(row.code, &zero)) << row.code;
        EXPECT_EQ(row.zero, zero) << row.code;
    }
}

TEST(Reflection, ControlColourMessages) {
    EXPECT_TRUE(isControlColourMessage(0x19));
    for (UINT m = 0x133; m <= 0x138; ++m) EXPECT_TRUE(isControlColourMessage(m));
    EXPECT_FALSE(isControlColourMessage(0x132));
    EXPECT_FALSE(isControlColourMessage(0x139));
}

TEST(FontSizeCode, RegularBoldAndSpecialCodes) {
    FontSize size = {0, 0};
    ASSERT_TRUE(fontSizeFromCode(-2, &size));
    EXPECT_EQ(400, size.weight);
    EXPECT_EQ(8, size.points);
    ASSERT_TRUE(fontSizeFromCode(-1, &size));
    EXPECT_EQ(9, size.points);
    const int boldCodes[] = {-103, -104, -105, -106};
    const int boldPoints[] = {11, 10, 9, 8};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(fontSizeFromCode(boldCodes[i], &size));
        EXPECT_EQ(700, size.weight);
        EXPECT_EQ(boldPoints[i], size.points);
    }
    ASSERT_TRUE(fontSizeFromCode(100001, &size));
    EXPECT_EQ(400, size.weight);
    EXPECT_EQ(8, size.points);
}

TEST(FontSizeCode, LargeCodesChangeNothing) {
    FontSize size = {123, 45};
    EXPECT_FALSE(fontSizeFromCode(1000, &size));
    EXPECT_FALSE(fontSizeFromCode(-5000, &size));
    EXPECT_FALSE(fontSizeFromCode(100002, &size));
    EXPECT_EQ(123, size.weight);
    EXPECT_EQ(45, size.points);
}
