// Text fields in a window: what creation applies (style, id, text, read-only,
// password character), change and focus events through the reflected
// notifications, the colour answer by state, and focus-and-select-all.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "gui/win/TextField.h"
#include "tests/gui/ControlTestSupport.h"

namespace {

using control_testing::EventRecorder;
using control_testing::Host;
using s::gui::ITextField;
using s::gui::win::TextField;

class TextFieldInWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.ready()); }
    void create() {
        field.addListener(ITextField::CHANGED, &events);
        field.addListener(ITextField::FOCUS_LOST, &events);
        ASSERT_TRUE(host.attach(&field, 10, 10, 150, 24));
        hwnd = field.getHandle();
        ASSERT_NE(nullptr, hwnd);
    }
    std::wstring shownText() const {
        wchar_t text[64] = {};
        GetWindowTextW(hwnd, text, 64);
        return text;
    }
    // The background the field's colour answer sets on a device context.
    COLORREF answeredBackground() {
        HDC dc = CreateCompatibleDC(nullptr);
        const LRESULT brush = SendMessageW(host.handle(), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(hwnd));
        const COLORREF background = GetBkColor(dc);
        DeleteDC(dc);
        EXPECT_NE(0, brush);
        return background;
    }

    TextField field;
    EventRecorder events;
    Host host;
    HWND hwnd = nullptr;
};

TEST_F(TextFieldInWindow, CreationAppliesStyleTextAndState) {
    field.setText(L"C0FFEE");
    field.setEditable(false);
    create();
    // The edit control draws its border itself and may take WS_BORDER off.
    const LONG style = LONG(TextField::STYLE & ~WS_BORDER);
    EXPECT_EQ(style, GetWindowLongW(hwnd, GWL_STYLE) & style);
    EXPECT_EQ(TextField::CONTROL_ID, GetDlgCtrlID(hwnd));
    EXPECT_EQ(L"C0FFEE", shownText());
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(0, SendMessageW(hwnd, EM_GETPASSWORDCHAR, 0, 0));
    field.setEditable(true);
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY);
}

TEST_F(TextFieldInWindow, PasswordFieldShowsStarsButKeepsTheText) {
    field.setPassword(true);
    field.setText(L"secret");
    create();
    EXPECT_EQ(L'*', SendMessageW(hwnd, EM_GETPASSWORDCHAR, 0, 0));
    EXPECT_STREQ(L"secret", field.getText());
    field.setPassword(false);
    EXPECT_EQ(0, SendMessageW(hwnd, EM_GETPASSWORDCHAR, 0, 0));
}

TEST_F(TextFieldInWindow, TypingRaisesChangesOnlyWhenAskedAndLosingFocusIsReported) {
    create();
    SendMessageW(hwnd, WM_CHAR, L'A', 0);
    EXPECT_TRUE(events.kinds().empty());
    field.setChangeNotification(true);
    SendMessageW(hwnd, WM_CHAR, L'B', 0);
    EXPECT_EQ(std::vector<int>{ITextField::CHANGED}, events.kinds());
    EXPECT_STREQ(L"AB", field.getText());
    // What the edit tells its parent when the focus leaves it.
    SendMessageW(host.handle(), WM_COMMAND, MAKEWPARAM(TextField::CONTROL_ID, EN_KILLFOCUS), LPARAM(hwnd));
    EXPECT_EQ((std::vector<int>{ITextField::CHANGED, ITextField::FOCUS_LOST}), events.kinds());
}

TEST_F(TextFieldInWindow, ColourAnswerFollowsEnabledAndEditable) {
    field.setBackground(RGB(0x10, 0x20, 0x30));
    create();
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), answeredBackground());
    field.setEditable(false);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), answeredBackground());
    field.setEditable(true);
    field.setTransparent(true);
    EXPECT_EQ(host.window()->getBackground(), answeredBackground());
}

TEST_F(TextFieldInWindow, FocusAndSelectAllSelectsTheWholeText) {
    field.setText(L"0A0B0C");
    create();
    field.focusAndSelectAll();
    DWORD start = 99, end = 0;
    SendMessageW(hwnd, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(6u, end);
    HWND focus = nullptr;
    host.onWindowThread([&] { focus = GetFocus(); });
    EXPECT_EQ(hwnd, focus);
}

}  // namespace
