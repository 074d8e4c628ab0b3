// Message routing of window objects: the object sees every message first,
// including creation, and the rest reaches the class or system procedure.
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ResourceCounts.h"

namespace {

const wchar_t kClass[] = L"FrameworkTestClass";
std::vector<UINT> gClassProcSaw;

LRESULT CALLBACK testClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    gClassProcSaw.push_back(msg);
    if (msg == WM_APP + 1) return 42;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

bool registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

void registerTestClass() {
    static const bool done = registerClass(kClass, testClassProc);
    ASSERT_TRUE(done);
}

// Records every message; handles WM_APP+2 itself, passes the rest on.
class RecordingWnd : public framework::Wnd {
public:
    std::vector<UINT> saw;
    bool gone = false;

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        saw.push_back(msg);
        if (msg == WM_APP + 2) return 7;
        return defaultProc(msg, wp, lp);
    }
    void onWindowGone() override { gone = true; }
};

bool contains(const std::vector<UINT>& messages, UINT msg) {
    for (UINT m : messages)
        if (m == msg) return true;
    return false;
}

class WndTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerTestClass();
        gClassProcSaw.clear();
    }
};

}  // namespace

TEST_F(WndTest, ObjectSeesCreationMessagesFirst) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.createEx(0, kClass, L"t", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_GE(wnd.saw.size(), 2u);
    // The very first message a top-level window gets is WM_GETMINMAXINFO, then WM_NCCREATE.
    std::vector<UINT> expectedStart = {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE};
    std::vector<UINT> start(wnd.saw.begin(), wnd.saw.begin() + 4);
    EXPECT_EQ(expectedStart, start);
    EXPECT_EQ(&wnd, framework::Wnd::fromHandle(wnd.handle()));
    // Whatever the object passed on reached the class procedure in the same order.
    EXPECT_EQ(wnd.saw, gClassProcSaw);
}

TEST_F(WndTest, HandledMessagesStopAtTheObjectOthersReachTheClass) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.createEx(0, kClass, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    gClassProcSaw.clear();
    EXPECT_EQ(7, wnd.send(WM_APP + 2));
    EXPECT_TRUE(gClassProcSaw.empty());
    EXPECT_EQ(42, wnd.send(WM_APP + 1));
    EXPECT_EQ(std::vector<UINT>{WM_APP + 1}, gClassProcSaw);
}

TEST_F(WndTest, DestructionUnbindsAfterTheLastMessage) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.createEx(0, kClass, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hwnd = wnd.handle();
    ASSERT_TRUE(wnd.destroy());
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(wnd.isBound());
    EXPECT_TRUE(wnd.gone);
    EXPECT_EQ(WM_NCDESTROY, wnd.saw.back());
    EXPECT_TRUE(contains(gClassProcSaw, WM_NCDESTROY));
    EXPECT_EQ(nullptr, framework::Wnd::fromHandle(hwnd));
}

TEST_F(WndTest, FailedCreationLeavesTheObjectUnbound) {
    RecordingWnd wnd;
    EXPECT_FALSE(wnd.createEx(0, L"NoSuchClassAnywhere", L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_FALSE(wnd.isBound());
    // The object can still be used for a later creation.
    EXPECT_TRUE(wnd.createEx(0, kClass, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
}

TEST_F(WndTest, ChildCreatedDuringCreateIsNotBoundToTheParentObject) {
    class Parent : public RecordingWnd {
    public:
        HWND child = nullptr;

    protected:
        LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
            if (msg == WM_CREATE)
                child = CreateWindowExW(0, L"BUTTON", L"c", WS_CHILD, 0, 0, 5, 5, handle(), nullptr, nullptr, nullptr);
            return RecordingWnd::windowProc(msg, wp, lp);
        }
    } parent;
    ASSERT_TRUE(parent.createEx(0, kClass, L"p", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_NE(nullptr, parent.child);
    EXPECT_EQ(&parent, framework::Wnd::fromHandle(parent.handle()));
    EXPECT_EQ(nullptr, framework::Wnd::fromHandle(parent.child));
}

TEST_F(WndTest, AttachedSystemControlKeepsItsBehaviour) {
    HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_POPUP | BS_AUTOCHECKBOX, 0, 0, 50, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(nullptr, button);
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.attach(button));
    EXPECT_FALSE(RecordingWnd().attach(button)) << "a window binds to one object only";
    wnd.send(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, wnd.send(BM_GETCHECK));
    EXPECT_TRUE(contains(wnd.saw, BM_SETCHECK));
    EXPECT_EQ(button, wnd.detach());
    EXPECT_EQ(nullptr, framework::Wnd::fromHandle(button));
    wnd.saw.clear();
    SendMessageW(button, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(wnd.saw.empty()) << "a detached object sees nothing more";
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(button, BM_GETCHECK, 0, 0));
    DestroyWindow(button);
}

TEST_F(WndTest, ObjectDestructorDestroysItsWindow) {
    HWND hwnd = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.createEx(0, kClass, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        hwnd = wnd.handle();
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WndTest, ManyWindowsLeaveNoUserHandles) {
    auto createAndDestroy = [] {
        RecordingWnd wnd;
        return wnd.createEx(0, kClass, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    };
    ASSERT_TRUE(createAndDestroy());
    const testing_resources::Counts before = testing_resources::current();
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(createAndDestroy());
    const testing_resources::Counts after = testing_resources::current();
    EXPECT_EQ(before.user, after.user);
    EXPECT_EQ(before.gdi, after.gdi);
    EXPECT_EQ(before.kernel, after.kernel);
}

namespace {

const wchar_t kSelfBindingClass[] = L"FrameworkSelfBindingClass";

LRESULT CALLBACK selfBindingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (framework::Wnd::bindWhileCreating(hwnd, msg, lp))
        return CallWindowProcW(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), hwnd, msg, wp, lp);
    return testClassProc(hwnd, msg, wp, lp);
}

// Makes a self-binding child of its own class while it is being created.
class NestingWnd : public RecordingWnd {
public:
    RecordingWnd inner;

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        const LRESULT result = RecordingWnd::windowProc(msg, wp, lp);
        if (msg == WM_CREATE)
            inner.createSelfBinding(0, kSelfBindingClass, L"c", WS_CHILD, 0, 0, 5, 5, handle(), nullptr);
        return result;
    }
};

}  // namespace

// Without a hook, the object is bound on WM_NCCREATE: it still sees creation, a
// window made during its creation gets its own object, and a window of the class
// made by anyone else is never taken for the one being made.
TEST_F(WndTest, SelfBindingClassBindsOnCreationWithoutAHook) {
    static const bool registered = registerClass(kSelfBindingClass, selfBindingProc);
    ASSERT_TRUE(registered);
    NestingWnd outer;
    ASSERT_TRUE(outer.createSelfBinding(0, kSelfBindingClass, L"t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    const std::vector<UINT> expectedStart = {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE};
    ASSERT_GE(outer.saw.size(), 3u);
    EXPECT_EQ(expectedStart, std::vector<UINT>(outer.saw.begin(), outer.saw.begin() + 3));
    EXPECT_EQ(&outer, framework::Wnd::fromHandle(outer.handle()));
    ASSERT_TRUE(outer.inner.isBound());
    EXPECT_EQ(&outer.inner, framework::Wnd::fromHandle(outer.inner.handle()));
    EXPECT_EQ(WM_NCCREATE, outer.inner.saw.front());

    HWND stranger = CreateWindowExW(0, kSelfBindingClass, L"s", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, stranger);
    EXPECT_EQ(nullptr, framework::Wnd::fromHandle(stranger));
    DestroyWindow(stranger);

    // A class that never binds: no window is left without its object.
    RecordingWnd unbound;
    EXPECT_FALSE(unbound.createSelfBinding(0, kClass, L"orphan", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr));
    EXPECT_FALSE(unbound.isBound());
    EXPECT_EQ(nullptr, FindWindowW(kClass, L"orphan"));
}
