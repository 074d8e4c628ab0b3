// Window routing: menu commands to the first menu holding them, the right-click
// and notification-icon menus, icons, wheel turns offered to children, the event
// kind of each mouse and window message, hot keys, message boxes requested by
// other threads, and the clipboard-viewer chain.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "framework/Wnd.h"
#include "gui/IPopupMenu.h"
#include "gui/win/Window.h"
#include "gui/win/ReflectionRules.h"
#include "gui/win/WindowClass.h"
#include "tests/gui/WindowTestSupport.h"
#include "tests/support/DialogAnswer.h"

namespace {

using s::gui::IComponent;
using s::gui::IPopupMenu;
using s::gui::win::Window;
using window_testing::Event;
using window_testing::FunctionListener;
using window_testing::WindowHolder;

// A menu that holds a fixed set of command ids and records what the window asks of it.
class FakeMenu : public IPopupMenu {
public:
    static constexpr wchar_t CLASS_NAME[] = L"test_FakeMenu";
    FakeMenu(std::set<int> ids, int* releases, bool realBar = false)
        : ids_(std::move(ids)), releases_(releases), handle_(realBar ? CreateMenu() : nullptr) {}
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    FakeMenu* newInstance() const override { return nullptr; }
    void onEvent(IComponent*, int) override {}
    void reset() override {}
    // The window owns the menu: it hands it back here, where the test still holds it.
    void release() override {
        ++*releases_;
        handleAliveAtRelease = handle_ && IsMenu(handle_);
        if (handle_) DestroyMenu(handle_);
        handle_ = nullptr;
    }
    HMENU getMenuHandle() const override { return handle_; }
    bool holdsCommand(int id) const override { return ids_.count(id) != 0; }
    bool runCommand(int id) override {
        ran.push_back(id);
        runThread = GetCurrentThreadId();
        return true;
    }
    void open(s::gui::IWindow* window) override { openedFor = window; }
    bool showAt(int, int, HWND owner, UINT flags) override {
        shownOwner = owner;
        shownFlags = flags;
        return true;
    }

    std::vector<int> ran;
    DWORD runThread = 0;
    s::gui::IWindow* openedFor = nullptr;
    HWND shownOwner = nullptr;
    UINT shownFlags = 0;
    bool handleAliveAtRelease = false;

private:
    std::set<int> ids_;
    int* releases_;
    HMENU handle_;
};

// Records the kinds of every event the window raises, in order. Made before the
// window it listens to, so it outlives the events of the window's destruction.
struct EventRecorder {
    std::vector<int> kinds;
    FunctionListener listener{[this](IComponent*, int kind) { kinds.push_back(kind); }};
    void listenTo(Window* window) {
        for (int kind = 1; kind <= s::gui::EVENT_KIND_COUNT; ++kind) window->addListener(kind, &listener);
    }
};

LRESULT menuCommand(Window* window, int id) {
    return SendMessageW(window->getHandle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

TEST(WindowMenus, CommandRunsInTheFirstMenuHoldingIt) {
    int releases = 0;
    FakeMenu bar({5, 7}, &releases, true);
    FakeMenu popup({7, 8}, &releases);
    FakeMenu tray({8, 9}, &releases);
    {
        WindowHolder holder;
        Window* window = holder.window;
        window->setMenuBar(&bar);
        window->setPopupMenu(&popup);
        window->setTrayMenu(&tray);
        EXPECT_EQ(GetMenu(window->getHandle()), bar.getMenuHandle());
        for (int id : {7, 8, 9, 10}) menuCommand(window, id);
        EXPECT_EQ(bar.ran, std::vector<int>{7});
        EXPECT_EQ(popup.ran, std::vector<int>{8});
        EXPECT_EQ(tray.ran, std::vector<int>{9});
        EXPECT_EQ(bar.runThread, window->getThreadId());
        // A control's command (lParam holds its window) is never a menu command.
        SendMessageW(window->getHandle(), WM_COMMAND, MAKEWPARAM(5, 0), LPARAM(window->getOwnerHandle()));
        EXPECT_EQ(bar.ran.size(), 1u);
    }
    // Released with the window; the bar outlived the native window that carried it.
    EXPECT_EQ(releases, 3);
    EXPECT_TRUE(bar.handleAliveAtRelease);
}

TEST(WindowMenus, ReplacedMenuIsReleasedAtOnceAndResetReleasesTheRest) {
    int releases = 0;
    FakeMenu first({1}, &releases);
    FakeMenu second({1}, &releases);
    WindowHolder holder;
    holder.window->setPopupMenu(&first);
    holder.window->setPopupMenu(&first);  // the same menu again is kept
    EXPECT_EQ(releases, 0);
    holder.window->setPopupMenu(&second);
    EXPECT_EQ(releases, 1);
    holder.window->reset();
    EXPECT_EQ(releases, 2);
    EXPECT_EQ(holder.window->getPopupMenu(), nullptr);
    EXPECT_EQ(menuCommand(holder.window, 1), 0);
    EXPECT_TRUE(second.ran.empty());
}

TEST(WindowMenus, RightClickRaisesItsEventsThenShowsThePopupMenu) {
    int releases = 0;
    FakeMenu popup({1}, &releases);
    EventRecorder recorder;
    WindowHolder holder;
    Window* window = holder.window;
    recorder.listenTo(window);
    SendMessageW(window->getHandle(), WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(recorder.kinds, std::vector<int>{s::gui::EVENT_RBUTTON_DOWN});
    recorder.kinds.clear();
    window->setPopupMenu(&popup);
    SendMessageW(window->getHandle(), WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(recorder.kinds, (std::vector<int>{s::gui::EVENT_RBUTTON_DOWN, s::gui::EVENT_POPUP_MENU}));
    EXPECT_EQ(popup.openedFor, static_cast<s::gui::IWindow*>(window));
    EXPECT_EQ(popup.shownOwner, window->getHandle());
    EXPECT_EQ(popup.shownFlags, 0x4002u);
}

// A window whose restore behaviour notes when it ran.
class TrayWindow : public Window {
public:
    ~TrayWindow() override { shutdown(); }
    std::vector<int>* order = nullptr;

protected:
    void onTrayRestore() override { order->push_back(0); }
};

TEST(WindowMenus, TrayClicksRestoreFirstOrShowTheTrayMenuOpeningUpwards) {
    int releases = 0;
    FakeMenu tray({1}, &releases);
    std::vector<int> order;
    FunctionListener listener([&](IComponent*, int kind) { order.push_back(kind); });
    {
        TrayWindow window;
        window.order = &order;
        window.addListener(s::gui::EVENT_TRAY_LBUTTON_DOWN, &listener);
        window.addListener(s::gui::EVENT_TRAY_RBUTTON_DOWN, &listener);
        window.setTrayMenu(&tray);
        SendMessageW(window.getHandle(), Window::WM_APP_TRAY, 0, WM_LBUTTONDOWN);
        EXPECT_EQ(order, (std::vector<int>{0, s::gui::EVENT_TRAY_LBUTTON_DOWN}));
        EXPECT_EQ(tray.shownOwner, nullptr);
        order.clear();
        SendMessageW(window.getHandle(), Window::WM_APP_TRAY, 0, WM_RBUTTONDOWN);
        EXPECT_EQ(order, std::vector<int>{s::gui::EVENT_TRAY_RBUTTON_DOWN});
        EXPECT_EQ(tray.shownOwner, window.getHandle());
        EXPECT_EQ(tray.shownFlags, 0x4022u);
    }
    EXPECT_EQ(releases, 1);
}

HICON copyOfSystemIcon() { return CopyIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(32512))); }

bool iconAlive(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return true;
}

TEST(WindowIcons, SetOnWindowAndOwnerAndDestroyedWhenReplacedOrReleased) {
    HICON small1 = copyOfSystemIcon(), large1 = copyOfSystemIcon();
    HICON small2 = copyOfSystemIcon(), large2 = copyOfSystemIcon();
    {
        WindowHolder holder;
        Window* window = holder.window;
        window->setIcons(small1, large1);
        for (HWND hwnd : {window->getHandle(), window->getOwnerHandle()}) {
            EXPECT_EQ(HICON(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0)), small1);
            EXPECT_EQ(HICON(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0)), large1);
        }
        window->setIcons(small2, large2);
        EXPECT_FALSE(iconAlive(small1));
        EXPECT_FALSE(iconAlive(large1));
        EXPECT_TRUE(iconAlive(small2));
        EXPECT_EQ(HICON(SendMessageW(window->getHandle(), WM_GETICON, ICON_BIG, 0)), large2);
    }
    EXPECT_FALSE(iconAlive(small2));
    EXPECT_FALSE(iconAlive(large2));
}

TEST(WindowDefaults, NewWindowKeepsTheBehaviourDefaults) {
    WindowHolder holder;
    Window* window = holder.window;
    EXPECT_EQ(window->getDefaultSize().cx, 500);
    EXPECT_EQ(window->getDefaultSize().cy, 500);
    EXPECT_EQ(window->getMinimumSize().cx, 100);
    EXPECT_EQ(window->getTitleButtonSize().cy, 23);
    EXPECT_EQ(window->getBorderWidth(), 5);
    window->setMinimumSize(SIZE{10, 10});
    window->reset();
    EXPECT_EQ(window->getMinimumSize().cy, 100);
}

// A child window that counts wheel turns; it may send them back to its window,
// as controls that do not use the wheel do.
class WheelChild : public IComponent, public framework::Wnd {
public:
    static constexpr wchar_t CLASS_NAME[] = L"test_WheelChild";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    WheelChild* newInstance() const override { return nullptr; }
    HWND getHandle() const override { return handle(); }
    bool create(HWND parent) override {
        return createEx(0, s::gui::win::WindowClass::NAME, L"", WS_CHILD | WS_VISIBLE, 20, 20, 40, 40, parent,
                        nullptr);
    }
    POINT centre() const {
        RECT area;
        GetWindowRect(handle(), &area);
        return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }
    int wheels = 0;
    bool sendBack = false;

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg != WM_MOUSEWHEEL) return defaultProc(msg, wp, lp);
        ++wheels;
        if (sendBack) SendMessageW(GetParent(handle()), msg, wp, lp);
        return 0;
    }
};

class WindowWheel : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = holder_.window;
        window_->addComponent(&child_);
        ASSERT_EQ(SendMessageW(window_->getHandle(), s::gui::win::WM_APP_ATTACH, WPARAM(&child_), 0), 1);
        SetWindowPos(window_->getHandle(), nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window_->getHandle(), SW_SHOWNOACTIVATE);
        window_->addListener(s::gui::EVENT_MOUSE_WHEEL, &listener_);
    }
    void turn(POINT at, int delta) {
        SendMessageW(window_->getHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
    }

    // Declared before the window: the window and its child windows go first.
    WheelChild child_;
    std::vector<int> amounts_;
    FunctionListener listener_{[this](IComponent*, int) { amounts_.push_back(window_->getLastWheelAmount()); }};
    WindowHolder holder_;
    Window* window_ = nullptr;
};

TEST_F(WindowWheel, ChildTakingTheWheelUnderThePointerEndsTheDispatch) {
    child_.setAcceptingWheel(true);
    turn(child_.centre(), WHEEL_DELTA);
    EXPECT_EQ(child_.wheels, 1);
    EXPECT_TRUE(amounts_.empty());
}

TEST_F(WindowWheel, TurnElsewhereOrOverAChildNotTakingItReachesTheListeners) {
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    child_.setAcceptingWheel(true);
    turn(POINT{105, 290}, WHEEL_DELTA);
    child_.setAcceptingWheel(false);
    turn(child_.centre(), -WHEEL_DELTA);
    EXPECT_EQ(child_.wheels, 0);
    EXPECT_EQ(amounts_, (std::vector<int>{int(lines), -int(lines)}));
}

TEST_F(WindowWheel, ChildSendingTheWheelBackIsNotOfferedItAgain) {
    child_.setAcceptingWheel(true);
    child_.sendBack = true;
    turn(child_.centre(), WHEEL_DELTA);
    EXPECT_EQ(child_.wheels, 1);
    EXPECT_EQ(amounts_.size(), 1u);
}

TEST(WindowEvents, EachMessageRaisesItsKindFirst) {
    struct Row {
        UINT msg;
        WPARAM wp;
        int kind;
    };
    const Row rows[] = {
        {WM_LBUTTONDOWN, 0, s::gui::EVENT_LBUTTON_DOWN},      {WM_NCLBUTTONDOWN, HTNOWHERE, s::gui::EVENT_LBUTTON_DOWN},
        {WM_MBUTTONDOWN, 0, s::gui::EVENT_MBUTTON_DOWN},      {WM_NCMBUTTONDOWN, HTNOWHERE, s::gui::EVENT_MBUTTON_DOWN},
        {WM_MOUSEMOVE, 0, s::gui::EVENT_MOUSE_MOVE},          {WM_LBUTTONDBLCLK, 0, s::gui::EVENT_LBUTTON_DBLCLK},
        {WM_NCLBUTTONDBLCLK, HTNOWHERE, s::gui::EVENT_LBUTTON_DBLCLK},
        {WM_RBUTTONUP, 0, s::gui::EVENT_RBUTTON_UP},          {WM_LBUTTONUP, 0, s::gui::EVENT_LBUTTON_UP},
        {WM_NCLBUTTONUP, HTNOWHERE, s::gui::EVENT_LBUTTON_UP}, {Window::WM_APP_REQUEST, 0, s::gui::EVENT_APP_REQUEST},
    };
    EventRecorder recorder;
    WindowHolder holder;
    recorder.listenTo(holder.window);
    for (const Row& row : rows) {
        recorder.kinds.clear();
        SendMessageW(holder.window->getHandle(), row.msg, row.wp, MAKELPARAM(3, 3));
        ASSERT_FALSE(recorder.kinds.empty()) << "message " << row.msg;
        EXPECT_EQ(recorder.kinds.front(), row.kind) << "message " << row.msg;
    }
}

TEST(WindowEvents, ActivationShowsTheToolOwnerAndDeactivationRecordsIt) {
    EventRecorder recorder;
    WindowHolder holder;
    Window* window = holder.window;
    recorder.listenTo(window);
    SendMessageW(window->getHandle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(recorder.kinds.front(), s::gui::EVENT_ACTIVATED);
    EXPECT_TRUE(window->isActive());
    EXPECT_TRUE(IsWindowVisible(window->getOwnerHandle()));
    recorder.kinds.clear();
    SendMessageW(window->getHandle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(recorder.kinds.front(), s::gui::EVENT_DEACTIVATED);
    EXPECT_FALSE(window->isActive());
}

TEST(WindowEvents, HotKeyIdIsStoredBeforeListenersAndTakenKeysAreRefused) {
    WindowHolder first, second;
    int seen = 0;
    FunctionListener listener([&](IComponent*, int) { seen = first.window->getLastHotKeyId(); });
    first.window->addListener(s::gui::EVENT_HOT_KEY, &listener);
    SendMessageW(first.window->getHandle(), WM_HOTKEY, 0xC123, 0);
    EXPECT_EQ(seen, 0xC123);

    Window::HotKeyRequest request{MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F11, L"TuvoHueSnapTestKey", false, nullptr};
    EXPECT_EQ(SendMessageW(first.window->getHandle(), Window::WM_APP_ADD_HOT_KEY, WPARAM(&request), 0), 1);
    EXPECT_EQ(SendMessageW(second.window->getHandle(), Window::WM_APP_ADD_HOT_KEY, WPARAM(&request), 0), 0);
    UnregisterHotKey(first.window->getHandle(), GlobalFindAtomW(request.name));
    GlobalDeleteAtom(GlobalFindAtomW(request.name));
}

using BoxAnswer = testing_dialogs::Answer;
BoxAnswer answerBox(DWORD threadId, int button) { return testing_dialogs::answerDialog(threadId, button); }

TEST(WindowBoxes, BoxesRequestedByOtherThreadsShowOnTheWindowThread) {
    WindowHolder holder;
    Window* window = holder.window;
    BoxAnswer answer;
    std::thread answering([&] { answer = answerBox(window->getThreadId(), IDYES); });
    EXPECT_EQ(SendMessageW(window->getHandle(), Window::WM_APP_CONFIRM_BOX, WPARAM(L"Replace it?"), LPARAM(L"Ask")), 1);
    answering.join();
    EXPECT_EQ(answer.text, L"Replace it?");
    EXPECT_EQ(answer.caption, L"Ask");

    std::thread refusing([&] { answer = answerBox(window->getThreadId(), IDNO); });
    EXPECT_EQ(SendMessageW(window->getHandle(), Window::WM_APP_CONFIRM_BOX, WPARAM(L"Again?"), 0), 0);
    refusing.join();

    std::thread noting([&] { answer = answerBox(window->getThreadId(), IDOK); });
    SendMessageW(window->getHandle(), Window::WM_APP_WARNING_BOX, WPARAM(L"Careful"), LPARAM(L"Note"));
    noting.join();
    EXPECT_EQ(answer.text, L"Careful");
}

TEST(WindowBoxes, FailedHotKeyReportsTheSystemErrorWhenAsked) {
    WindowHolder first, second;
    Window::HotKeyRequest request{MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F10, L"TuvoHueSnapTestKey2", false, nullptr};
    ASSERT_EQ(SendMessageW(first.window->getHandle(), Window::WM_APP_ADD_HOT_KEY, WPARAM(&request), 0), 1);
    request.reportFailure = true;
    request.failureText = L"HotKey Ctrl+Alt+Shift+121 has been occupied by another application.";
    BoxAnswer answer;
    std::thread answering([&] { answer = answerBox(second.window->getThreadId(), IDOK); });
    EXPECT_EQ(SendMessageW(second.window->getHandle(), Window::WM_APP_ADD_HOT_KEY, WPARAM(&request), 0), 0);
    answering.join();
    const size_t cut = answer.text.find(L") ");
    ASSERT_NE(cut, std::wstring::npos);
    EXPECT_GT(_wtoi(answer.text.substr(0, cut).c_str()), 0);  // the system's error code
    EXPECT_EQ(answer.text.substr(cut + 2), request.failureText);
    UnregisterHotKey(first.window->getHandle(), GlobalFindAtomW(request.name));
    GlobalDeleteAtom(GlobalFindAtomW(request.name));
}

TEST(WindowClipboard, ChangesArePassedAlongTheChainWhichMendsItself) {
    Event earlierSaw, earlierAsked;
    FunctionListener sawChange([&](IComponent*, int) { earlierSaw.set(); });
    FunctionListener sawRequest([&](IComponent*, int) { earlierAsked.set(); });
    int laterSaw = 0;
    FunctionListener countLater([&](IComponent*, int) { ++laterSaw; });
    WindowHolder earlier, later;
    earlier.window->addListener(s::gui::EVENT_CLIPBOARD_CHANGED, &sawChange);
    earlier.window->addListener(s::gui::EVENT_APP_REQUEST, &sawRequest);
    later.window->addListener(s::gui::EVENT_CLIPBOARD_CHANGED, &countLater);
    earlier.window->setWatchClipboard(true);
    later.window->setWatchClipboard(true);
    // Joining the chain announces the clipboard to the new viewer, which passes it
    // on: let that settle (posted messages keep their order) and start counting afresh.
    PostMessageW(earlier.window->getHandle(), Window::WM_APP_REQUEST, 0, 0);
    ASSERT_TRUE(earlierAsked.wait());
    earlierAsked.reset();
    earlierSaw.reset();
    laterSaw = 0;

    SendMessageW(later.window->getHandle(), WM_DRAWCLIPBOARD, 0, 0);
    EXPECT_EQ(laterSaw, 1);
    EXPECT_TRUE(earlierSaw.wait());

    // The earlier viewer leaves: the later one now ends the chain and passes nothing on.
    SendMessageW(later.window->getHandle(), WM_CHANGECBCHAIN, WPARAM(earlier.window->getHandle()), 0);
    earlierSaw.reset();
    SendMessageW(later.window->getHandle(), WM_DRAWCLIPBOARD, 0, 0);
    // Posted messages keep their order: once this one arrived, a passed-on change would have too.
    PostMessageW(earlier.window->getHandle(), Window::WM_APP_REQUEST, 0, 0);
    ASSERT_TRUE(earlierAsked.wait());
    EXPECT_FALSE(earlierSaw.wait(0));
    later.window->setWatchClipboard(false);
    earlier.window->setWatchClipboard(false);
}

}  // namespace
