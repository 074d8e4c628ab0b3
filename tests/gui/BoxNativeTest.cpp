// Boxes with real child windows (under Xvfb on Linux): creation through
// WM_APP_ATTACH, one native move per changed window per layout pass, the native
// rectangles match the recorded geometry, hiding moves off-screen, hit test.
#include <gtest/gtest.h>
#include <windows.h>

#include "gui/win/Box.h"
#include "gui/win/Label.h"
#include "gui/win/Spacer.h"
#include "gui/win/WindowClass.h"

namespace {

using s::gui::IComponent;

bool movedOrSized(LPARAM lp) {
    const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lp);
    return (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
}

// Counts the moves its native window really receives.
class WatchedBox : public s::gui::win::Box {
public:
    int nativeMoves = 0;

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_WINDOWPOSCHANGED && movedOrSized(lp)) ++nativeMoves;
        return Box::windowProc(msg, wp, lp);
    }
};

class WatchedSpacer : public s::gui::win::Spacer {
public:
    int nativeMoves = 0;

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_WINDOWPOSCHANGED && movedOrSized(lp)) ++nativeMoves;
        return Spacer::windowProc(msg, wp, lp);
    }
};

// The child's window rectangle in its parent's client coordinates.
RECT rectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void expectNativeMatchesRecord(const IComponent& c) {
    const RECT r = rectInParent(c.getHandle());
    EXPECT_EQ(c.getOriginX() + c.getX(), r.left);
    EXPECT_EQ(c.getOriginY() + c.getY(), r.top);
    EXPECT_EQ(c.getWidth(), r.right - r.left);
    EXPECT_EQ(c.getHeight(), r.bottom - r.top);
}

class BoxNativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(s::gui::win::WindowClass::ensureRegistered());
        host_ = CreateWindowExW(0, s::gui::win::WindowClass::NAME, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, host_);
        // root (column, margins 4) > a, row (gap 3) > b, inner (column) > c
        root.setMargins(4, 4, 4, 4);
        row.setLayoutRow();
        row.setHorizontalGap(3);
        a.setSpace(10, 20, 100, 20, 0, 0);
        b.setSpace(10, 10, 50, 30, 0, 0);
        c.setSpace(10, 10, 40, 60, 0, 0);
        inner.add(&c);
        row.add(&b);
        row.add(&inner);
        root.add(&a);
        root.add(&row);
        root.setExactSize(300, 200);
    }
    void TearDown() override {
        if (host_) DestroyWindow(host_);
    }
    int moves() const { return a.nativeMoves + b.nativeMoves + c.nativeMoves + row.nativeMoves + inner.nativeMoves; }

    HWND host_ = nullptr;
    s::gui::win::Label label;  // added by the tests that want it; outlives the boxes
    WatchedBox root, row, inner;
    WatchedSpacer a, b, c;
};

TEST_F(BoxNativeTest, CreatesChildrenAndPlacesThemOnce) {
    ASSERT_TRUE(root.create(host_));
    ASSERT_NE(nullptr, c.getHandle());
    EXPECT_EQ(row.getHandle(), GetParent(inner.getHandle()));
    EXPECT_EQ(inner.getHandle(), GetParent(c.getHandle()));
    EXPECT_TRUE(GetWindowLongW(root.getHandle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    for (const IComponent* component :
         {static_cast<IComponent*>(&a), static_cast<IComponent*>(&b), static_cast<IComponent*>(&c),
          static_cast<IComponent*>(&row), static_cast<IComponent*>(&inner)})
        expectNativeMatchesRecord(*component);
    EXPECT_EQ(4, rectInParent(a.getHandle()).left);  // inside the root's margins
    EXPECT_EQ(4 + 20, rectInParent(row.getHandle()).top);
}

// A tree laid out before its windows exist (as the main window is) gets each
// window made in its place: no window is moved afterwards, and a label measured
// before its window existed keeps the size it measures once it has one.
TEST_F(BoxNativeTest, LaidOutBeforeCreationEachWindowIsMadeInPlace) {
    label.setText(L"Measured before");
    inner.add(&label);
    root.doLayout();
    const int width = label.getWidth(), height = label.getHeight();
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    ASSERT_TRUE(root.create(host_));
    EXPECT_EQ(0, moves());
    EXPECT_EQ(width, label.getWidth());
    EXPECT_EQ(height, label.getHeight());
    for (const IComponent* component :
         {static_cast<IComponent*>(&label), static_cast<IComponent*>(&c), static_cast<IComponent*>(&inner)})
        expectNativeMatchesRecord(*component);
}

TEST_F(BoxNativeTest, EachWindowMovesAtMostOncePerPass) {
    ASSERT_TRUE(root.create(host_));
    for (WatchedBox* box : {&row, &inner}) box->nativeMoves = 0;
    for (WatchedSpacer* spacer : {&a, &b, &c}) spacer->nativeMoves = 0;

    root.setExactSize(300, 60);  // squeezes the row, inner box and c; a and b keep their place
    EXPECT_EQ(0, a.nativeMoves);
    EXPECT_EQ(0, b.nativeMoves);
    EXPECT_EQ(1, row.nativeMoves);
    EXPECT_EQ(1, inner.nativeMoves);
    EXPECT_EQ(1, c.nativeMoves);
    expectNativeMatchesRecord(c);
    expectNativeMatchesRecord(row);

    root.doLayout();  // nothing changed
    EXPECT_EQ(3, moves());
}

TEST_F(BoxNativeTest, AddingToACreatedBoxCreatesTheChildAndLaysOut) {
    ASSERT_TRUE(root.create(host_));
    WatchedSpacer late;
    late.setSpace(10, 10, 10, 10, 0, 0);
    inner.add(&late);
    ASSERT_NE(nullptr, late.getHandle());
    EXPECT_EQ(inner.getHandle(), GetParent(late.getHandle()));
    expectNativeMatchesRecord(late);
    late.destroy();
}

TEST_F(BoxNativeTest, HidingMovesOffScreenAndShowingComesBack) {
    ASSERT_TRUE(root.create(host_));
    ShowWindow(host_, SW_SHOW);
    POINT inside = {row.getOriginX() + row.getX() + 1, row.getOriginY() + row.getY() + 1};
    ClientToScreen(root.getHandle(), &inside);
    EXPECT_TRUE(row.contains(inside));
    row.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(row.getHandle()));
    const RECT hidden = rectInParent(row.getHandle());
    EXPECT_EQ(s::gui::win::Box::HIDDEN_X, hidden.left);
    EXPECT_FALSE(row.contains(inside));
    row.setVisible(true);
    expectNativeMatchesRecord(row);
    EXPECT_TRUE(row.contains(inside));
}

TEST_F(BoxNativeTest, DialogCodeAsksForAllKeys) {
    ASSERT_TRUE(root.create(host_));
    EXPECT_TRUE(SendMessageW(row.getHandle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
}

int g_hostKeys = 0;
WPARAM g_hostKey = 0;
LRESULT CALLBACK keyHostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN) {
        ++g_hostKeys;
        g_hostKey = wp;
        return 42;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST_F(BoxNativeTest, KeysTravelUpToTheTopLevelWindow) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = keyHostProc;
    wc.lpszClassName = L"LayoutTestKeyHost";
    RegisterClassExW(&wc);  // already registered on a repeated run: fine
    HWND keyHost = CreateWindowExW(0, L"LayoutTestKeyHost", L"keys", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, keyHost);
    ASSERT_TRUE(root.create(keyHost));
    g_hostKeys = 0;
    // From the innermost box through the row and the root to the host.
    EXPECT_EQ(42, SendMessageW(inner.getHandle(), WM_KEYDOWN, VK_RETURN, 0));
    EXPECT_EQ(1, g_hostKeys);
    EXPECT_EQ(WPARAM(VK_RETURN), g_hostKey);
    DestroyWindow(keyHost);
}

}  // namespace

namespace {

// What the mouse hits, as the system finds it for input: boxes and spacers only
// arrange, so a point on them belongs to the top-level window (where drag by
// body, the border bands, the middle click and the right-click menu live), while
// a control inside a box keeps the mouse.
TEST_F(BoxNativeTest, MouseOnBoxesAndSpacersReachesTheWindowControlsKeepIt) {
    ASSERT_TRUE(root.create(host_));
    ShowWindow(host_, SW_SHOWNA);
    // Low in the root box, below every laid-out child.
    HWND control = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE, 250, 170, 20, 20, root.getHandle(),
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, control);
    auto hitAt = [](HWND window, int x, int y) {
        POINT at = {x, y};
        ClientToScreen(window, &at);
        return WindowFromPoint(at);
    };
    EXPECT_EQ(host_, hitAt(root.getHandle(), 150, 180)) << "an empty part of the outer box";
    EXPECT_EQ(host_, hitAt(c.getHandle(), 2, 2)) << "a spacer inside nested boxes";
    EXPECT_EQ(host_, hitAt(row.getHandle(), row.getWidth() - 3, 2)) << "an empty part of a nested box";
    EXPECT_EQ(control, hitAt(control, 10, 10));
    DestroyWindow(control);
}

}  // namespace
