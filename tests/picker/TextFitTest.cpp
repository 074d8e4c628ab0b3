// Every text of the main window (both role pages) and of the version window can
// be read whole in every language of the pack: no text wider or taller than the
// room its control gives it, no control cut off by the window. Languages are
// switched the way the Language menu switches them, so the window re-fits itself
// as it does for a person.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "TextFit.h"
#include "gui/win/Button.h"
#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Label.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "picker/About3.h"

namespace {

using picker_testing::DialogTest;
using picker_testing::TextFit;
using s::gui::dialogs::About3;
using Dialog = s::image::gui::dialogs::huesnap::Dialog;

constexpr int SHOW_VERSION = 10000;
constexpr uint32_t LANGUAGE_COUNT = 34;
// Wider than any window of the program plans for.
constexpr wchar_t LONG_TEXT[] = L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";

SIZE windowSize(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

class TextFitTest : public DialogTest {
protected:
    s::lang::Localizer* texts() { return app_->languagePack(); }

    // As the Language menu does it: on the window's thread, and the window re-fits.
    void chooseLanguage(uint32_t index) {
        onWindowThread([&] { dialog_->runCommand(int(index)); });
        ASSERT_EQ(texts()->languageAt(index), texts()->currentLanguage());
    }

    std::wstring languageName() { return texts()->currentLanguage()->engName().c_str(); }

    // The misfits of both role pages, each shown in turn, named with the language.
    void collectMainWindowMisfits(std::vector<std::wstring>* lines) {
        for (Dialog::RoleIndex role : {Dialog::TEXT_ROLE, Dialog::BACKGROUND_ROLE}) {
            click(dialog_->rolePage(role).roleButton);
            for (const TextFit::Misfit& misfit : TextFit::check(dialog_->window()))
                lines->push_back(languageName() + L": " + TextFit::describe(misfit));
        }
    }

    About3& showVersion() {
        onWindowThread([&] { dialog_->runCommand(SHOW_VERSION); });
        About3* about = dialog_->versionWindow();
        EXPECT_TRUE(about && about->window() &&
                    waitUntil([&] { return IsWindowVisible(about->window()->getHandle()); }));
        return *about;
    }

    static std::string joined(const std::vector<std::wstring>& lines) {
        std::wstring all;
        for (const std::wstring& line : lines) all += line + L"\n";
        char buffer[16384] = {};
        WideCharToMultiByte(CP_UTF8, 0, all.c_str(), -1, buffer, sizeof(buffer) - 1, nullptr, nullptr);
        return buffer;
    }
};

TEST_F(TextFitTest, EveryMainWindowTextFitsItsControlInEveryLanguage) {
    start();
    ASSERT_EQ(LANGUAGE_COUNT, texts()->languageCount());
    std::vector<std::wstring> misfits;
    for (uint32_t i = 0; i < LANGUAGE_COUNT; ++i) {
        chooseLanguage(i);
        collectMainWindowMisfits(&misfits);
    }
    EXPECT_TRUE(misfits.empty()) << joined(misfits);
}

TEST_F(TextFitTest, EveryVersionWindowTextFitsItsControlInEveryLanguage) {
    start();
    ASSERT_EQ(LANGUAGE_COUNT, texts()->languageCount());
    std::vector<std::wstring> misfits;
    for (uint32_t i = 0; i < LANGUAGE_COUNT; ++i) {
        chooseLanguage(i);
        About3& about = showVersion();
        for (const TextFit::Misfit& misfit : TextFit::check(about.window()))
            misfits.push_back(languageName() + L": " + TextFit::describe(misfit));
    }
    EXPECT_TRUE(misfits.empty()) << joined(misfits);
}

// English alone, both windows: what the whole-program tests check at each display scale.
TEST_F(TextFitTest, EveryTextFitsItsControlInEnglish) {
    start();
    chooseLanguage(texts()->indexOfLanguage(texts()->findLanguage(L"English")));
    std::vector<std::wstring> misfits;
    collectMainWindowMisfits(&misfits);
    for (const TextFit::Misfit& misfit : TextFit::check(showVersion().window()))
        misfits.push_back(languageName() + L": " + TextFit::describe(misfit));
    EXPECT_TRUE(misfits.empty()) << joined(misfits);
}

// The window grows for a longer language and gives the room back for a shorter one.
TEST_F(TextFitTest, BackFromALongerLanguageTheWindowTakesItsFormerSize) {
    start();
    const uint32_t english = texts()->indexOfLanguage(texts()->findLanguage(L"English"));
    const uint32_t portuguese = texts()->indexOfLanguage(texts()->findLanguage(L"Portuguese_Brazilian"));
    chooseLanguage(english);
    HWND hwnd = dialog_->window()->getHandle();
    const SIZE before = windowSize(hwnd);
    chooseLanguage(portuguese);
    const SIZE longer = windowSize(hwnd);
    EXPECT_GE(longer.cx, before.cx);
    chooseLanguage(english);
    const SIZE after = windowSize(hwnd);
    EXPECT_EQ(before.cx, after.cx);
    EXPECT_EQ(before.cy, after.cy);
}

// The check itself: a text longer than its button is reported, with its sizes.
TEST_F(TextFitTest, ATextLongerThanItsButtonIsReported) {
    start();
    s::gui::win::Button* copy = dialog_->rolePage(Dialog::BACKGROUND_ROLE).copy;
    ASSERT_TRUE(TextFit::check(dialog_->window()).empty());
    const std::wstring longText = LONG_TEXT;
    copy->setText(LONG_TEXT);
    const std::vector<TextFit::Misfit> misfits = TextFit::check(dialog_->window());
    ASSERT_EQ(1u, misfits.size());
    EXPECT_EQ(longText, misfits[0].text);
    EXPECT_FALSE(misfits[0].cutOff);
    RECT client = {};
    GetClientRect(copy->getHandle(), &client);
    EXPECT_EQ(client.right - 2 * TextFit::BUTTON_FRAME, misfits[0].roomWidth);
    EXPECT_GT(misfits[0].textWidth, misfits[0].roomWidth);
}

// The check itself: a label pushed partly out of the box that holds it is cut
// off however wide the label is.
TEST_F(TextFitTest, AControlReachingPastItsBoxIsReportedCutOff) {
    Dialog& dialog = start();
    HWND label = dialog.sampleLabel()->getHandle();
    RECT box = {};
    GetClientRect(GetParent(label), &box);
    SetWindowPos(label, nullptr, box.right - 5, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::vector<TextFit::Misfit> misfits = TextFit::check(dialog.window());
    ASSERT_EQ(1u, misfits.size());
    EXPECT_TRUE(misfits[0].cutOff);
    EXPECT_EQ(std::wstring(dialog.sampleLabel()->getText()), misfits[0].text);
}

// A text button whose text outgrows the width the layout planned (a longer
// translation, or a system font wider than the one here) widens the window
// rather than losing its ends.
TEST_F(TextFitTest, ALongerButtonTextGrowsTheMainWindowInsteadOfBeingCut) {
    Dialog& dialog = start();
    HWND hwnd = dialog.window()->getHandle();
    const SIZE before = windowSize(hwnd);
    s::gui::win::Button* copy = dialog.rolePage(Dialog::BACKGROUND_ROLE).copy;
    copy->setText(LONG_TEXT);
    dialog.window()->sendUserEvent(Dialog::LAYOUT_EVENT, nullptr, 0, 0);
    EXPECT_GT(windowSize(hwnd).cx, before.cx);
    for (const TextFit::Misfit& misfit : TextFit::check(dialog.window()))
        ADD_FAILURE() << joined({TextFit::describe(misfit)});
}

TEST_F(TextFitTest, ALongerButtonTextGrowsTheVersionWindowBeyondItsStoredSize) {
    start();
    About3& about = showVersion();
    HWND hwnd = about.window()->getHandle();
    const SIZE before = windowSize(hwnd);
    s::gui::win::Button* close = about.closeButton();
    close->setText(LONG_TEXT);
    about.window()->sendUserEvent(About3::LAYOUT_EVENT, nullptr, 0, 0);
    const SIZE after = windowSize(hwnd);
    EXPECT_GT(after.cx, before.cx);
    EXPECT_GE(after.cy, before.cy);
    for (const TextFit::Misfit& misfit : TextFit::check(about.window()))
        ADD_FAILURE() << joined({TextFit::describe(misfit)});
}

// A label measured in another font than its own would pass or fail by chance.
TEST_F(TextFitTest, LabelsTellTheFontTheyPaintWith) {
    Dialog& dialog = start();
    HWND sample = dialog.sampleLabel()->getHandle();
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(sample, WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, font);
    LOGFONTW painted = {};
    ASSERT_NE(0, GetObjectW(font, sizeof(painted), &painted));
    s::gui::win::Font* made = dialog.sampleLabel()->getFontSetting()->createFont();
    ASSERT_NE(nullptr, made);
    LOGFONTW expected = {};
    GetObjectW(made->handle(), sizeof(expected), &expected);
    made->release();
    EXPECT_EQ(expected.lfHeight, painted.lfHeight);
    EXPECT_EQ(expected.lfWeight, painted.lfWeight);
    EXPECT_STREQ(expected.lfFaceName, painted.lfFaceName);
}

}  // namespace
