#pragma once
// Shared pieces of the window-behaviour tests: an application object whose store
// is a registry key of the tests (deleted before and after each test), a binding
// named "MainWindow" on it, a managed window, and registry and waiting helpers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "app/win/ManagedWindow.h"
#include "gui/drawer/skin/ThinWindowSet.h"
#include "settings/reg/MappedData.h"
#include "settings/reg/win/RegDir.h"

namespace app_testing {

inline constexpr wchar_t kTestKey[] = L"Software\\Tuvo\\HueSnap Window Tests";
inline constexpr wchar_t kProductKey[] = L"Software\\Tuvo\\Tuvo HueSnap";
inline constexpr wchar_t kViewKey[] = L"Software\\Tuvo\\HueSnap Window Tests\\MainWindow\\View";

inline void deleteKey(const wchar_t* path) {
    s::reg::win::RegDir* key = s::reg::win::RegDir::acquire();
    key->setRoot(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
    key->setPath(path);
    key->deleteKey();
    key->release();
}

// The DWORD value, or -1 when it is missing or of another type.
inline long long dwordAt(const wchar_t* path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key)) return -1;
    DWORD type = 0, value = 0, size = sizeof(value);
    const bool read = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == 0;
    RegCloseKey(key);
    return read && type == REG_DWORD ? static_cast<long long>(static_cast<int32_t>(value)) : -1;
}

inline std::wstring textAt(const wchar_t* path, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key)) return L"(missing)";
    wchar_t text[256] = {};
    DWORD type = 0, size = sizeof(text) - sizeof(wchar_t);
    const bool read = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == 0;
    RegCloseKey(key);
    return read && type == REG_SZ ? std::wstring(text) : L"(missing)";
}

inline bool putValue(const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)) return false;
    const bool set = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

inline bool putDword(const wchar_t* name, int32_t value) {
    return putValue(kViewKey, name, REG_DWORD, &value, sizeof(value));
}

inline bool putText(const wchar_t* path, const wchar_t* name, const std::wstring& text) {
    return putValue(path, name, REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
}

template <class Condition>
bool waitFor(Condition condition, DWORD ms = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(10);
    }
    return true;
}

class BoundTest : public ::testing::Test {
protected:
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
        if (window_) window_->release();
        if (appWindow_) appWindow_->release();
        if (app_) app_->release();
        deleteKey(kTestKey);
        deleteKey(kProductKey);
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tuvo");  // only when nothing else is left in it
    }

    // The main window's binding, made after the test stored what it needs.
    s::app::win::AppWindow& bind(const wchar_t* middleClick = L"Close") {
        appWindow_ = s::app::win::AppWindow::acquire();
        EXPECT_TRUE(
            appWindow_->initialize(app_, L"MainWindow", L"Freeware", 800, 600, app_->skinner(), middleClick, nullptr));
        return *appWindow_;
    }

    // A window bound to the main window's binding.
    s::app::win::ManagedWindow& boundWindow() {
        if (!appWindow_) bind();
        window_ = s::app::win::ManagedWindow::acquire();
        EXPECT_TRUE(window_->hasNativeWindow());
        window_->attachAppWindow(appWindow_, false);
        return *window_;
    }

    HWND hwnd() const { return window_->getHandle(); }

    RECT windowRect() const {
        RECT rect = {};
        GetWindowRect(hwnd(), &rect);
        return rect;
    }

    static RECT workArea() {
        RECT area = {};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }

    s::app::win::AppBase* app_ = nullptr;
    s::app::win::AppWindow* appWindow_ = nullptr;
    s::app::win::ManagedWindow* window_ = nullptr;
};

}  // namespace app_testing
