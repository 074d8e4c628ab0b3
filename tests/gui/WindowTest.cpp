// Window: its own thread and hidden owner, listener dispatch, user events from
// other threads, refusing a close, application timers, the destruction budget
// and the handles a window gives back.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Window.h"
#include "gui/win/WindowClass.h"
#include "tests/gui/WindowTestSupport.h"
#include "tests/support/ResourceCounts.h"

namespace {

using s::gui::IComponent;
using s::gui::events::IEventListener;
using s::gui::win::Window;

using window_testing::Event;
using window_testing::FunctionListener;
using window_testing::WindowHolder;

wchar_t classNameOf(HWND hwnd, wchar_t* buffer, int size) {
    GetClassNameW(hwnd, buffer, size);
    return buffer[0];
}

TEST(Window, IsCreatedHiddenOnItsOwnThreadWithAHiddenToolOwner) {
    WindowHolder holder;
    Window* window = holder.window;
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->hasNativeWindow());
    HWND hwnd = window->getHandle();
    HWND owner = window->getOwnerHandle();
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), owner);
    EXPECT_TRUE(GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowThreadProcessId(hwnd, nullptr), window->getThreadId());
    EXPECT_NE(window->getThreadId(), GetCurrentThreadId());
    wchar_t name[64] = {};
    classNameOf(hwnd, name, 64);
    EXPECT_STREQ(name, L"NivoWindowClass");
    wchar_t title[64] = {};
    GetWindowTextW(hwnd, title, 64);
    EXPECT_STREQ(title, L"Window");
    EXPECT_EQ(wcscmp(window->getClassName(), L"s_gui_win_Window"), 0);
}

TEST(Window, UserEventFromAnotherThreadIsSynchronousAndReturnsListenerResult) {
    WindowHolder holder;
    Window* window = holder.window;
    int payload = 5;
    DWORD listenerThread = 0;
    FunctionListener listener([&](IComponent* source, int kind) {
        listenerThread = GetCurrentThreadId();
        EXPECT_EQ(source, static_cast<IComponent*>(window));
        EXPECT_EQ(kind, s::gui::EVENT_USER);
        EXPECT_STREQ(window->getUserEventName(), L"ProcessNewColor");
        EXPECT_EQ(window->getUserEventData(), &payload);
        window->setResult(window->getUserEventA() + window->getUserEventB());
    });
    ASSERT_TRUE(window->addListener(s::gui::EVENT_USER, &listener));
    EXPECT_EQ(window->sendUserEvent(L"ProcessNewColor", &payload, 40, 2), 42);
    EXPECT_EQ(listenerThread, window->getThreadId());
}

TEST(Window, ListenerAddedWhileListIsWalkedRunsInTheSameWalk) {
    WindowHolder holder;
    Window* window = holder.window;
    int late = 0;
    FunctionListener second([&](IComponent*, int) { ++late; });
    FunctionListener first([&](IComponent*, int) {
        if (late == 0) window->addListener(s::gui::EVENT_USER, &second);
    });
    window->addListener(s::gui::EVENT_USER, &first);
    window->sendUserEvent(L"x", nullptr, 0, 0);
    EXPECT_EQ(late, 1);
}

TEST(Window, UnknownKindIsRefused) {
    WindowHolder holder;
    FunctionListener listener([](IComponent*, int) {});
    EXPECT_FALSE(holder.window->addListener(0, &listener));
    EXPECT_FALSE(holder.window->addListener(28, &listener));
    EXPECT_FALSE(holder.window->addListener(s::gui::EVENT_USER, nullptr));
}

TEST(Window, ListenerRefusingCloseKeepsWindowOpenUntilItAllows) {
    WindowHolder holder;
    Window* window = holder.window;
    bool refuse = true;
    int asked = 0;
    FunctionListener listener([&](IComponent*, int) {
        ++asked;
        if (refuse) window->refuseClose();
    });
    window->addListener(s::gui::EVENT_CLOSING, &listener);
    HWND hwnd = window->getHandle();
    window->close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(window->isClosingDone());
    refuse = false;
    window->close();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(window->isClosingDone());
    EXPECT_FALSE(IsWindow(hwnd));
    // Without a native window the cross-thread operations do nothing.
    EXPECT_EQ(window->sendUserEvent(L"x", nullptr, 1, 2), 0);
    EXPECT_FALSE(window->startTimer(1, 10));
}

TEST(Window, ApplicationTimerReportsItsOwnId) {
    WindowHolder holder;
    Window* window = holder.window;
    Event fired;
    std::atomic<int> seenId{-1};
    FunctionListener listener([&](IComponent*, int) {
        seenId = window->getLastTimerId();
        window->stopTimer(3);
        fired.set();
    });
    window->addListener(s::gui::EVENT_TIMER, &listener);
    ASSERT_TRUE(window->startTimer(3, 10));
    ASSERT_TRUE(fired.wait());
    EXPECT_EQ(seenId.load(), 3);
    // Stopped by the listener: killing it again fails.
    EXPECT_FALSE(window->stopTimer(3));
}

TEST(Window, KeyDownStoresKeyBeforeListenersAndAnswersEnter) {
    WindowHolder holder;
    Window* window = holder.window;
    int seen = 0;
    FunctionListener listener([&](IComponent*, int) { seen = window->getLastKeyCode(); });
    window->addListener(s::gui::EVENT_KEY_DOWN, &listener);
    EXPECT_EQ(SendMessageW(window->getHandle(), WM_KEYDOWN, VK_RETURN, 0), 1);
    EXPECT_EQ(seen, VK_RETURN);
    EXPECT_EQ(SendMessageW(window->getHandle(), WM_KEYDOWN, 'A', 0), 0);
    EXPECT_EQ(seen, 'A');
}

TEST(Window, WantsAllKeys) {
    WindowHolder holder;
    EXPECT_TRUE(SendMessageW(holder.window->getHandle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
}

TEST(Window, ResetEmptiesListenersAndChildren) {
    WindowHolder holder;
    Window* window = holder.window;
    int calls = 0;
    FunctionListener listener([&](IComponent*, int) { ++calls; });
    window->addListener(s::gui::EVENT_USER, &listener);
    window->reset();
    window->sendUserEvent(L"x", nullptr, 0, 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(window->getComponentCount(), 0);
    EXPECT_EQ(window->getComponent(0), nullptr);
}

TEST(Window, HandlesReturnAfterHundredWindows) {
    // Each window paints into its back buffer once and has a font made for it.
    auto makeAndDrop = [](int count) {
        s::gui::win::FontSetting* setting = s::gui::win::FontSetting::acquire();
        for (int i = 0; i < count; ++i) {
            Window* window = Window::acquire();
            s::gui::win::Font* font = nullptr;
            FunctionListener painter([&](IComponent*, int) {
                window->prepareBackBuffer(120, 80);
                font = setting->createFont();
                SendMessageW(window->getHandle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->handle()), 0);
            });
            window->addListener(s::gui::EVENT_USER, &painter);
            window->sendUserEvent(L"paint", nullptr, 0, 0);
            EXPECT_GT(window->getBackBufferSize().cx, 0);
            window->release();
            if (font) font->release();
        }
        setting->release();
    };
    makeAndDrop(3);  // warm-up: first use creates lasting objects (class, OLE, caches)
    const testing_resources::Counts before = testing_resources::current();
    makeAndDrop(100);
    const testing_resources::Counts after = testing_resources::current();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.kernel, before.kernel);
}

TEST(Window, RefusedCloseStaysInClipboardChainAcceptedCloseLeavesIt) {
    WindowHolder holder;
    Window* window = holder.window;
    bool refuse = true;
    FunctionListener listener([&](IComponent*, int) {
        if (refuse) window->refuseClose();
    });
    window->addListener(s::gui::EVENT_CLOSING, &listener);
    window->setWatchClipboard(true);
    HWND hwnd = window->getHandle();
    ASSERT_TRUE(window->isInClipboardChain());
    EXPECT_EQ(GetClipboardViewer(), hwnd);
    window->close();
    EXPECT_TRUE(window->isInClipboardChain());
    EXPECT_EQ(GetClipboardViewer(), hwnd);
    refuse = false;
    window->close();
    EXPECT_FALSE(window->isInClipboardChain());
    EXPECT_NE(GetClipboardViewer(), hwnd);
}

// A component that records where and on which thread it was created.
class RecordingChild : public IComponent {
public:
    static constexpr wchar_t CLASS_NAME[] = L"test_RecordingChild";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    RecordingChild* newInstance() const override { return nullptr; }
    bool create(HWND parent) override {
        parent_ = parent;
        thread_ = GetCurrentThreadId();
        return true;
    }
    HWND parent_ = nullptr;
    DWORD thread_ = 0;
};

TEST(Window, AttachCreatesChildOnTheWindowThreadInsideIt) {
    WindowHolder holder;
    Window* window = holder.window;
    RecordingChild child;
    ASSERT_TRUE(window->addComponent(&child));
    EXPECT_EQ(child.getParent(), static_cast<s::gui::IContainer*>(window));
    EXPECT_EQ(window->getComponent(0), &child);
    EXPECT_EQ(SendMessageW(window->getHandle(), 0x8002, reinterpret_cast<WPARAM>(&child), 0), 1);
    EXPECT_EQ(child.parent_, window->getHandle());
    EXPECT_EQ(child.thread_, window->getThreadId());
    EXPECT_TRUE(window->removeComponent(&child));
    EXPECT_EQ(window->getComponentCount(), 0);
    EXPECT_EQ(child.getParent(), nullptr);
    EXPECT_FALSE(window->removeComponent(&child));
}

TEST(Window, CaptureLossIsReportedOnceAfterTakingCapture) {
    WindowHolder holder;
    Window* window = holder.window;
    int lost = 0;
    FunctionListener listener([&](IComponent*, int) { ++lost; });
    window->addListener(s::gui::EVENT_CAPTURE_LOST, &listener);
    SendMessageW(window->getHandle(), WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(lost, 0);  // never took capture
    FunctionListener taker([&](IComponent*, int) { window->takeCapture(); });
    window->addListener(s::gui::EVENT_USER, &taker);
    window->sendUserEvent(L"capture", nullptr, 0, 0);
    SendMessageW(window->getHandle(), WM_CAPTURECHANGED, 0, 0);
    SendMessageW(window->getHandle(), WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(lost, 1);
}

// Last: the suspended thread and its windows stay in the process.
TEST(Window, DestroyingWindowWithBlockedThreadReturnsWithinBudget) {
    Window* window = Window::acquire();
    ASSERT_TRUE(window->hasNativeWindow());
    Event entered;
    Event never;
    FunctionListener blocker([&](IComponent*, int) {
        entered.set();
        never.wait(INFINITE);
    });
    window->addListener(s::gui::EVENT_USER, &blocker);
    static Window::UserEvent event{L"block", nullptr, 0, 0};
    PostMessageW(window->getHandle(), Window::WM_APP_USER_EVENT, reinterpret_cast<WPARAM>(&event), 0);
    ASSERT_TRUE(entered.wait());
    const DWORD start = GetTickCount();
    window->release();
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 4500u);
    EXPECT_LT(took, 9000u);
}

}  // namespace

namespace {

// A close asked for by a handler (a button's click, a menu command) is done at
// once, but the window is finished only when that handler has returned: its owner
// waits for that before releasing what the handler may still use.
TEST(Window, FinishedOnlyAfterTheHandlerThatClosedItReturned) {
    WindowHolder holder;
    Window* window = holder.window;
    Event handlerMayReturn;
    std::atomic<bool> finishedInsideHandler{true};
    FunctionListener listener([&](IComponent*, int) {
        window->stopTimer(1);
        window->close();
        finishedInsideHandler = window->isFinished();
        handlerMayReturn.wait();
    });
    window->addListener(s::gui::EVENT_TIMER, &listener);
    EXPECT_FALSE(window->isFinished());
    ASSERT_TRUE(window->startTimer(1, 10));
    const DWORD start = GetTickCount();
    while (!window->isClosingDone() && GetTickCount() - start < 10000) Sleep(5);
    ASSERT_TRUE(window->isClosingDone());
    Sleep(100);  // the window's thread would have had many loop turns by now
    EXPECT_FALSE(window->isFinished()) << "finished while the closing handler still runs";
    handlerMayReturn.set();
    while (!window->isFinished() && GetTickCount() - start < 10000) Sleep(5);
    EXPECT_TRUE(window->isFinished());
    EXPECT_FALSE(finishedInsideHandler.load());
}

TEST(Window, RefusedCloseNeverFinishes) {
    WindowHolder holder;
    Window* window = holder.window;
    FunctionListener refuse([&](IComponent*, int) { window->refuseClose(); });
    window->addListener(s::gui::EVENT_CLOSING, &refuse);
    window->close();
    Sleep(100);
    EXPECT_FALSE(window->isClosingDone());
    EXPECT_FALSE(window->isFinished());
}

}  // namespace
