// Copying to the clipboard (read back as Unicode text; refused while another
// window holds the clipboard) and the system colour chooser run modally
// (OK keeps the chosen colour, Cancel the initial one).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "gui/dialogs/win/HueSnap.h"
#include "picker/ClipboardText.h"
#include "tests/support/ClipboardHolder.h"
#include "tests/support/DialogAnswer.h"

namespace {

using s::image::gui::dialogs::huesnap::copyToClipboard;

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(ClipboardText, CopiedTextReadsBackWhole) {
    ASSERT_TRUE(copyToClipboard(nullptr, L"F489A2"));
    EXPECT_EQ(clipboardText(), L"F489A2");
    ASSERT_TRUE(copyToClipboard(nullptr, L""));
    EXPECT_EQ(clipboardText(), L"");
}

TEST(ClipboardText, HeldClipboardIsLeftAlone) {
    ASSERT_TRUE(copyToClipboard(nullptr, L"CFE566"));
    {
        testing_support::ClipboardHolder held;
        EXPECT_FALSE(copyToClipboard(nullptr, L"000000"));
    }
    EXPECT_EQ(clipboardText(), L"CFE566");
}

void answerChooser(DWORD threadId, int button) { testing_dialogs::answerDialog(threadId, button); }

TEST(ColourChooser, OkKeepsTheColourCancelLeavesTheInitialOne) {
    s::gui::dialogs::win::HueSnap* chooser = s::gui::dialogs::win::HueSnap::acquire();
    chooser->setColour(RGB(0x12, 0xAB, 0x5F));
    const DWORD self = GetCurrentThreadId();
    std::thread ok([self] { answerChooser(self, IDOK); });
    EXPECT_TRUE(chooser->runModal(nullptr));
    ok.join();
    EXPECT_EQ(chooser->getColour(), COLORREF(RGB(0x12, 0xAB, 0x5F)));
    std::thread cancel([self] { answerChooser(self, IDCANCEL); });
    EXPECT_FALSE(chooser->runModal(nullptr));
    cancel.join();
    EXPECT_EQ(chooser->getColour(), COLORREF(RGB(0x12, 0xAB, 0x5F)));
    chooser->release();
}

}  // namespace
