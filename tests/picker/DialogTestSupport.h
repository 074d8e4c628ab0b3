#pragma once
// The main colour window on a real application object (the program's language
// pack and skins) whose store is a registry key of the tests, deleted before and
// after each test; and running code on the window's thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "gui/IWindow.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "gui/events/IEventListener.h"
#include "gui/win/Button.h"
#include "picker/Dialog.h"
#include "picker/DialogWindow.h"
#include "settings/reg/MappedData.h"
#include "settings/reg/win/RegDir.h"

namespace picker_testing {

inline constexpr wchar_t kTestKey[] = L"Software\\Tuvo\\HueSnap Picker Tests";
inline constexpr wchar_t kProductKey[] = L"Software\\Tuvo\\Tuvo HueSnap";
inline constexpr wchar_t kRunEvent[] = L"PickerTestRun";

inline void deleteKey(const wchar_t* path) {
    s::reg::win::RegDir* key = s::reg::win::RegDir::acquire();
    key->setRoot(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
    key->setPath(path);
    key->deleteKey();
    key->release();
}

// A window's text, whatever its length.
inline std::wstring windowText(HWND hwnd) {
    std::wstring text(size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(hwnd, &text[0], int(text.size()))));
    return text;
}

// Runs the action it is given when the window raises kRunEvent.
class Runner : public s::gui::events::IEventListener {
public:
    void onEvent(s::gui::IComponent*, int kind) override {
        if (kind == s::gui::EVENT_USER && window->getUserEventName() == kRunEvent && action) action();
    }
    s::gui::IWindow* window = nullptr;
    std::function<void()> action;
};

class DialogTest : public ::testing::Test {
protected:
    using Dialog = s::image::gui::dialogs::huesnap::Dialog;

    void SetUp() override {
        deleteKey(kTestKey);
        app_ = s::app::win::AppBase::acquire();
        ASSERT_TRUE(app_->initialize(nullptr, s::gui::drawer::skin::createThinWindowSkinner()));
        s::reg::MappedData* store = s::reg::MappedData::acquire();
        ASSERT_TRUE(store->open(kTestKey));
        store->setAutoFlush(true);
        app_->setStore(store);
    }

    void TearDown() override {
        if (dialog_) dialog_->release();
        if (appWindow_) appWindow_->release();
        if (app_) app_->release();
        deleteKey(kTestKey);
        deleteKey(kProductKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tuvo");  // only when nothing else is left in it
    }

    // The window as the program starts it (after the test stored what it needs).
    Dialog& start(bool startupFlag = false) {
        appWindow_ = s::app::win::AppWindow::acquire();
        EXPECT_TRUE(
            appWindow_->initialize(app_, L"MainWindow", L"Freeware", 300, 420, app_->skinner(), L"Close", nullptr));
        dialog_ = Dialog::acquire();
        dialog_->setAppWindow(appWindow_);
        EXPECT_TRUE(dialog_->setUp(startupFlag));
        runner_.window = dialog_->window();
        dialog_->window()->addListener(s::gui::EVENT_USER, &runner_);
        return *dialog_;
    }

    void onWindowThread(std::function<void()> action) {
        runner_.action = std::move(action);
        dialog_->window()->sendUserEvent(kRunEvent, nullptr, 0, 0);
        runner_.action = nullptr;
    }

    // What a click on the button tells its parent window.
    static void click(s::gui::win::Button* button) {
        HWND hwnd = button->getHandle();
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(s::gui::win::Button::CONTROL_ID, BN_CLICKED),
                     LPARAM(hwnd));
    }

    template <class Condition>
    static bool waitUntil(Condition condition, DWORD ms = 5000) {
        const DWORD start = GetTickCount();
        while (!condition()) {
            if (GetTickCount() - start > ms) return false;
            Sleep(10);
        }
        return true;
    }

    const wchar_t* view() { return appWindow_->sectionPath(L"View"); }
    s::map::IMappedData* store() const { return app_->getStore(); }
    int32_t storedInt(const wchar_t* name) { return store()->getS32(view(), name, -1); }

    s::app::win::AppBase* app_ = nullptr;
    s::app::win::AppWindow* appWindow_ = nullptr;
    Dialog* dialog_ = nullptr;
    Runner runner_;
};

// The pages the program would have opened, recorded instead of started.
inline std::vector<std::wstring> openedPages;
inline bool recordPage(const wchar_t* address) {
    openedPages.push_back(address);
    return true;
}

// The window with its web pages recorded.
class PageRecordingTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        openedPages.clear();
        previous_ = Dialog::setPageOpener(&recordPage);
    }
    void TearDown() override {
        Dialog::setPageOpener(previous_);
        DialogTest::TearDown();
    }
    Dialog::PageOpener previous_ = nullptr;
};

}  // namespace picker_testing
