// The version window of the "Version Information" command: every element with
// its text in two languages, a title that another copy can never take for the
// main window, links opening their pages through the replaceable opener, the
// two ways to close it, one window per command, dragging by its body, and
// everything given back with the main window object.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/Box.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Image.h"
#include "gui/win/Label.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "picker/About3.h"
#include "picker/DialogCommands.h"
#include "support/ResourceCounts.h"

namespace {

using picker_testing::DialogTest;
using picker_testing::windowText;
using s::gui::dialogs::About3;
using Dialog = s::image::gui::dialogs::huesnap::Dialog;

constexpr int SHOW_VERSION = 10000;

using picker_testing::openedPages;

RECT screenRect(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

POINT centreOf(HWND hwnd) {
    const RECT rect = screenRect(hwnd);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A person's click: the pointer goes there, the left button goes down and up.
void clickAt(POINT at) {
    SetCursorPos(at.x, at.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

void mouseButton(bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(INPUT));
}

void moveTo(POINT at) {
    SetCursorPos(at.x, at.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;  // a move of 0: the pointer is already there
    SendInput(1, &input, sizeof(INPUT));
}

// What the control paints when asked to draw into a memory bitmap of its client size
// (`message`: WM_PRINTCLIENT, or WM_ERASEBKGND for a box), as COLORREFs row by row.
// Pixels are read from memory, not from the screen, so no other window's painting matters.
std::vector<COLORREF> printedPixels(HWND hwnd, UINT message) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    const int width = client.right, height = client.bottom;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC memory = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = SelectObject(memory, bitmap);
    SendMessageW(hwnd, message, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    const unsigned char* bgra = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < width * height; ++i) pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
    SelectObject(memory, before);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

bool printsColour(HWND hwnd, COLORREF colour) {
    for (COLORREF pixel : printedPixels(hwnd, WM_PRINTCLIENT))
        if (pixel == colour) return true;
    return false;
}

bool erasesWith(HWND box, COLORREF colour) {
    const std::vector<COLORREF> pixels = printedPixels(box, WM_ERASEBKGND);
    for (COLORREF pixel : pixels)
        if (pixel != colour) return false;
    return !pixels.empty();
}

class About3Test : public picker_testing::PageRecordingTest {
protected:
    // The command as the menus run it: on the main window's thread.
    About3& showVersion() {
        onWindowThread([&] { dialog_->runCommand(SHOW_VERSION); });
        About3* about = dialog_->versionWindow();
        EXPECT_NE(nullptr, about);
        EXPECT_TRUE(about && about->window() &&
                    waitUntil([&] { return IsWindowVisible(about->window()->getHandle()); }));
        return *about;
    }

    const wchar_t* text(int32_t id) { return app_->languagePack()->getText(id); }

    void selectLanguage(const wchar_t* englishName) {
        s::lang::Localizer* texts = app_->languagePack();
        texts->selectLanguageAt(uint32_t(texts->indexOfLanguage(texts->findLanguage(englishName))));
        ASSERT_STREQ(englishName, texts->currentLanguage()->engName().c_str());
    }

    // Every element shows its entry of the current language.
    void expectTextsOfCurrentLanguage(const About3& about) {
        EXPECT_STREQ(text(400100), about.heading()->getText());
        EXPECT_STREQ(text(500000), about.productName()->getText());
        const int32_t captions[] = {400010, 400020, 400080};
        const int32_t values[] = {500010, 500020, 101000};
        for (int row = 0; row < About3::ROW_COUNT; ++row) {
            EXPECT_STREQ(text(captions[row]), about.caption(About3::Row(row))->getText()) << row;
            EXPECT_STREQ(text(values[row]), about.value(About3::Row(row))->getText()) << row;
            EXPECT_TRUE(IsWindowVisible(about.value(About3::Row(row))->getHandle())) << row;
        }
        EXPECT_STREQ(text(500089), about.supportText()->getText());
        EXPECT_STREQ(text(500090), about.supportLink()->getText());
        EXPECT_STREQ(text(400120), about.closeButton()->getText());
        EXPECT_STREQ(text(400100), windowText(about.window()->getHandle()).c_str());
    }
};

// ---- What the window shows

TEST_F(About3Test, EveryElementIsShownWithItsEnglishTextFontAndColour) {
    Dialog& dialog = start();
    About3& about = showVersion();
    expectTextsOfCurrentLanguage(about);
    EXPECT_STREQ(L"Version Information", about.heading()->getText());
    EXPECT_STREQ(L"Close", about.closeButton()->getText());
    EXPECT_EQ(About3::HEADING_SIZE_CODE, about.heading()->getFontSetting()->getSizeCode());
    EXPECT_EQ(About3::PRODUCT_SIZE_CODE, about.productName()->getFontSetting()->getSizeCode());

    HWND hwnd = about.window()->getHandle();
    EXPECT_EQ(dialog.window()->getHandle(), GetWindow(hwnd, GW_OWNER));
    const RECT window = screenRect(hwnd);
    EXPECT_EQ(340, window.right - window.left);
    EXPECT_EQ(285, window.bottom - window.top);
    // Its own skin set, on its own default skin.
    s::gui::drawer::Skinner* skinner = about.getAppWindow()->skinner();
    ASSERT_NE(app_->skinner(), skinner);
    EXPECT_STREQ(L"Classic LG", skinner->selectedSkin()->getName());

    const RECT icon = screenRect(about.productIcon()->getHandle());
    EXPECT_EQ(16, icon.right - icon.left);
    EXPECT_EQ(16, icon.bottom - icon.top);
    const RECT glyph = screenRect(about.closeGlyph()->getHandle());
    EXPECT_EQ(50, glyph.right - glyph.left);
    EXPECT_EQ(14, glyph.bottom - glyph.top);
    const RECT close = screenRect(about.closeButton()->getHandle());
    EXPECT_EQ(100, close.right - close.left);
    EXPECT_EQ(20, close.bottom - close.top);
    // Everything lies inside the window.
    for (HWND part : {about.closeGlyph()->getHandle(), about.closeButton()->getHandle(),
                      about.supportFrame()->getHandle(), about.value(About3::URL_ROW)->getHandle()}) {
        const RECT rect = screenRect(part);
        EXPECT_GE(rect.left, window.left);
        EXPECT_LE(rect.right, window.right);
        EXPECT_LE(rect.bottom, window.bottom);
    }

    // The URL row is a green link; the support panel is light green in a darker frame.
    s::gui::win::Label* url = about.value(About3::URL_ROW);
    EXPECT_TRUE(url->isLink());
    EXPECT_TRUE(about.supportLink()->isLink());
    EXPECT_FALSE(about.caption(About3::URL_ROW)->isLink());
    EXPECT_EQ(RGB(0, 170, 0), url->getFontSetting()->getForeground());
    EXPECT_TRUE(printsColour(url->getHandle(), RGB(0, 170, 0)));
    EXPECT_TRUE(printsColour(about.supportLink()->getHandle(), RGB(0, 170, 0)));
    EXPECT_TRUE(erasesWith(about.supportFrame()->getHandle(), RGB(154, 206, 2)));
    EXPECT_TRUE(erasesWith(about.supportPanel()->getHandle(), RGB(238, 250, 199)));
    // The frame shows as a one-pixel line on every side of the panel.
    const RECT frame = screenRect(about.supportFrame()->getHandle());
    const RECT panel = screenRect(about.supportPanel()->getHandle());
    EXPECT_EQ(frame.left + 1, panel.left);
    EXPECT_EQ(frame.top + 1, panel.top);
    EXPECT_EQ(frame.right - 1, panel.right);
    EXPECT_EQ(frame.bottom - 1, panel.bottom);
    EXPECT_TRUE(IsWindowVisible(about.supportLink()->getHandle()));
    EXPECT_TRUE(IsWindowVisible(about.closeButton()->getHandle()));
}

TEST_F(About3Test, ElementsFollowTheCurrentLanguage) {
    start();
    selectLanguage(L"German");
    About3& about = showVersion();
    expectTextsOfCurrentLanguage(about);
    EXPECT_STREQ(L"Versionsinformationen", about.heading()->getText());
    EXPECT_STREQ(L"Letzte Aktualisierung:", about.caption(About3::UPDATED_ROW)->getText());
    EXPECT_STREQ(L"Schließen", about.closeButton()->getText());
}

TEST_F(About3Test, HoverOverTheLinkShowsItsHoverColour) {
    start();
    About3& about = showVersion();
    s::gui::win::Label* url = about.value(About3::URL_ROW);
    ASSERT_TRUE(printsColour(url->getHandle(), RGB(0, 170, 0)));
    moveTo(centreOf(url->getHandle()));
    EXPECT_TRUE(waitUntil([&] { return url->getHoverState() == 1; }));
    EXPECT_TRUE(printsColour(url->getHandle(), RGB(170, 170, 0)));
    EXPECT_FALSE(printsColour(url->getHandle(), RGB(0, 170, 0)));
}

// ---- The title and another copy's hand-over

// How another copy picks our main window: a non-empty title that is, ignoring
// case, a prefix of the product's name in one of the pack's languages.
bool takenForMainWindow(const std::wstring& title, const std::vector<std::wstring>& productNames) {
    for (const std::wstring& name : productNames)
        if (!title.empty() && title.size() <= name.size() && _wcsnicmp(title.c_str(), name.c_str(), title.size()) == 0)
            return true;
    return false;
}

TEST_F(About3Test, TitleIsNeverTakenForTheMainWindowInAnyLanguage) {
    s::lang::Localizer* texts = app_->languagePack();
    ASSERT_EQ(34u, texts->languageCount());
    std::vector<std::wstring> productNames;
    for (uint32_t i = 0; i < texts->languageCount(); ++i) {
        texts->selectLanguageAt(i);
        productNames.push_back(texts->getText(500000));
        const s::str::strbuffer::StrBuffer* own = texts->languageAt(i)->findText(500000);
        if (own) productNames.push_back(own->c_str());
    }
    for (uint32_t i = 0; i < texts->languageCount(); ++i) {
        texts->selectLanguageAt(i);
        const std::wstring title = About3::titleFor(texts, 500000);
        EXPECT_EQ(std::wstring(texts->getText(400100)), title) << i;
        EXPECT_FALSE(title.empty()) << i;
        EXPECT_FALSE(takenForMainWindow(title, productNames)) << i;
    }
    // The check itself: a title that is a prefix (any case) could be taken; an empty one never.
    EXPECT_TRUE(About3::couldBeTakenForProduct(texts, 500000, L"tuvo hue"));
    EXPECT_TRUE(About3::couldBeTakenForProduct(texts, 500000, L"Tuvo HueSnap"));
    EXPECT_FALSE(About3::couldBeTakenForProduct(texts, 500000, L"Tuvo HueSnap v1"));
    EXPECT_FALSE(About3::couldBeTakenForProduct(texts, 500000, L""));
    EXPECT_STREQ(L"", About3::titleFor(nullptr, 500000));
}

TEST_F(About3Test, AnotherCopyFindsTheMainWindowNotTheVersionWindow) {
    Dialog& dialog = start();
    About3& about = showVersion();
    const std::wstring product = text(500000);
    HWND found = s::app::win::AppBase::findOtherInstanceWindow(GetCurrentProcessId(), product.c_str());
    EXPECT_EQ(dialog.window()->getHandle(), found);
    EXPECT_NE(about.window()->getHandle(), found);
}

// ---- Links

TEST_F(About3Test, ClickingTheAddressOpensTheAddressItShows) {
    start();
    About3& about = showVersion();
    clickAt(centreOf(about.value(About3::URL_ROW)->getHandle()));
    ASSERT_TRUE(waitUntil([] { return openedPages.size() == 1; }));
    EXPECT_EQ(std::wstring(about.value(About3::URL_ROW)->getText()), openedPages[0]);
    EXPECT_EQ(std::wstring(text(101000)), openedPages[0]);
}

TEST_F(About3Test, ClickingTheSupportLinkOpensTheDonationPage) {
    start();
    About3& about = showVersion();
    clickAt(centreOf(about.supportLink()->getHandle()));
    ASSERT_TRUE(waitUntil([] { return !openedPages.empty(); }));
    ASSERT_EQ(1u, openedPages.size());
    EXPECT_EQ(std::wstring(text(500100)), openedPages[0]);
}

// ---- Closing and the next command

TEST_F(About3Test, CloseAndTheCrossCloseTheWindowAndTheNextCommandMakesANewOne) {
    start();
    About3& about = showVersion();
    HWND first = about.window()->getHandle();
    clickAt(centreOf(about.closeButton()->getHandle()));
    ASSERT_TRUE(waitUntil([&] { return !about.isOpen(); }));
    EXPECT_FALSE(IsWindowVisible(first));

    About3& again = showVersion();
    EXPECT_EQ(&about, &again);  // the object stays; the window is new
    HWND second = again.window()->getHandle();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(again.isOpen());
    clickAt(centreOf(again.closeGlyph()->getHandle()));
    ASSERT_TRUE(waitUntil([&] { return !again.isOpen(); }));
    EXPECT_FALSE(IsWindowVisible(second));
}

TEST_F(About3Test, ASecondCommandReplacesTheOpenWindow) {
    start();
    About3& about = showVersion();
    HWND first = about.window()->getHandle();
    showVersion();
    HWND second = about.window()->getHandle();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindowVisible(second));
    // Its place was saved through its binding when the first one went.
    EXPECT_TRUE(store()->getS32(L"AboutWindow\\View", L"Width", -1) == 340);
}

TEST_F(About3Test, DraggingTheBodyMovesTheWindow) {
    start();
    About3& about = showVersion();
    HWND hwnd = about.window()->getHandle();
    const RECT before = screenRect(hwnd);
    // Between the captions and the values: no control there, only the window's body.
    const RECT value = screenRect(about.value(About3::VERSION_ROW)->getHandle());
    const POINT at{value.left - 4, (value.top + value.bottom) / 2};
    moveTo(at);
    mouseButton(true);
    for (int step = 1; step <= 4; ++step) {
        Sleep(20);
        moveTo(POINT{at.x + 10 * step, at.y + 5 * step});
    }
    mouseButton(false);
    EXPECT_TRUE(waitUntil([&] { return screenRect(hwnd).left == before.left + 40; }))
        << screenRect(hwnd).left - before.left;
    const RECT after = screenRect(hwnd);
    EXPECT_EQ(before.top + 20, after.top);
    EXPECT_EQ(before.right - before.left, after.right - after.left);  // moved, not resized
    EXPECT_TRUE(openedPages.empty());
}

// ---- Release with the main window object

TEST_F(About3Test, ReleasingTheMainWindowReleasesTheVersionWindowAndLeavesNothingBehind) {
    // A first run makes what stays for the process (caches, classes, stock objects).
    start();
    showVersion();
    dialog_->release();
    dialog_ = nullptr;
    appWindow_->release();
    appWindow_ = nullptr;
    const testing_resources::Counts before = testing_resources::current();

    start();
    HWND first = showVersion().window()->getHandle();
    HWND second = showVersion().window()->getHandle();
    EXPECT_FALSE(IsWindow(first));
    SetWindowPos(second, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] { return screenRect(second).left == 123; }));
    dialog_->release();
    dialog_ = nullptr;
    appWindow_->release();
    appWindow_ = nullptr;
    EXPECT_FALSE(IsWindow(second));
    // The window went first, while its binding could still save where it was.
    EXPECT_EQ(123, store()->getS32(L"AboutWindow\\View", L"X", -1));
    EXPECT_EQ(45, store()->getS32(L"AboutWindow\\View", L"Y", -1));
    EXPECT_EQ(before, testing_resources::current());
}

}  // namespace
