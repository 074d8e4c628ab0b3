// The class procedure of the toolkit's window class: which messages reach a
// child control as private messages, with which result, and what is left to
// default handling.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "gui/win/WindowClass.h"

namespace {

using s::gui::win::WindowClass;

// A child control that records the private messages it receives and answers 77.
std::vector<UINT> gReceived;
WPARAM gLastWp = 0;

LRESULT CALLBACK recordingChild(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= 0x8000 && msg < 0xC000) {
        gReceived.push_back(msg);
        gLastWp = wp;
        return 77;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class WindowClassProcedure : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WindowClass::ensureRegistered());
        WNDCLASSW child = {};
        child.lpfnWndProc = recordingChild;
        child.lpszClassName = L"HueSnapTestRecordingChild";
        RegisterClassW(&child);
        parent_ = CreateWindowExW(0, WindowClass::NAME, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        child_ = CreateWindowExW(0, L"HueSnapTestRecordingChild", L"", WS_CHILD, 0, 0, 10, 10, parent_, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(child_, nullptr);
        gReceived.clear();
    }
    void TearDown() override {
        if (IsWindow(parent_)) DestroyWindow(parent_);
    }
    LRESULT command(WORD code) {
        return SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(5, code), reinterpret_cast<LPARAM>(child_));
    }
    LRESULT notify(int code) {
        NMHDR header = {child_, 5, UINT(code)};
        return SendMessageW(parent_, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header));
    }

    HWND parent_ = nullptr;
    HWND child_ = nullptr;
};

TEST_F(WindowClassProcedure, RegistrationIsRememberedAndRepeatable) {
    EXPECT_TRUE(WindowClass::ensureRegistered());
    WNDCLASSEXW info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetClassInfoExW(nullptr, WindowClass::NAME, &info));
    EXPECT_TRUE(info.style & CS_GLOBALCLASS);
    EXPECT_EQ(info.lpfnWndProc, &WindowClass::procedure);
}

TEST_F(WindowClassProcedure, EditChangeCommandReachesControlAsPrivateMessage) {
    EXPECT_EQ(command(0x300), 0);
    ASSERT_EQ(gReceived.size(), 1u);
    EXPECT_EQ(gReceived[0], 0x800Cu);
    EXPECT_EQ(gLastWp, MAKEWPARAM(5, 0x300));
}

TEST_F(WindowClassProcedure, EveryListedCommandCodeIsReflected) {
    const WORD codes[] = {0, 1, 5, 7, 8, 0x200, 0x300};
    const UINT expected[] = {0x8004, 0x800A, 0x8005, 0x800F, 0x8010, 0x8015, 0x800C};
    for (WORD code : codes) command(code);
    EXPECT_EQ(gReceived, std::vector<UINT>(std::begin(expected), std::end(expected)));
}

TEST_F(WindowClassProcedure, UnlistedCommandCodeGoesToDefaultHandling) {
    command(2);
    EXPECT_TRUE(gReceived.empty());
}

TEST_F(WindowClassProcedure, MenuCommandWithoutControlIsNotReflected) {
    SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(5, 0), 0);
    EXPECT_TRUE(gReceived.empty());
}

TEST_F(WindowClassProcedure, NotifyReturnsControlResultOrZeroByRow) {
    EXPECT_EQ(notify(-100), 77);  // 0x8013: the control's result
    EXPECT_EQ(notify(-101), 0);   // 0x8006: answered 0
    EXPECT_EQ(notify(-12), 77);   // custom draw: 0x800E
    EXPECT_EQ(notify(-999), 0);   // unknown: default handling, control not asked
    EXPECT_EQ(gReceived, (std::vector<UINT>{0x8013, 0x8006, 0x800E}));
}

TEST_F(WindowClassProcedure, ControlColourIsAnsweredByTheControl) {
    EXPECT_EQ(SendMessageW(parent_, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(child_)), 77);
    EXPECT_EQ(SendMessageW(parent_, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child_)), 77);
    EXPECT_EQ(gReceived, (std::vector<UINT>{0x8003, 0x8003}));
}

TEST_F(WindowClassProcedure, AppCloseBecomesClose) {
    SendMessageW(parent_, 0x8001, 0, 0);
    EXPECT_FALSE(IsWindow(parent_));
}

TEST_F(WindowClassProcedure, UnknownMessagesGoToDefault) {
    EXPECT_EQ(SendMessageW(parent_, WM_USER + 99, 1, 2), 0);
    EXPECT_TRUE(gReceived.empty());
}

}  // namespace
