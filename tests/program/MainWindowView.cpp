#include "MainWindowView.h"

#include "WindowQuery.h"

namespace testing_program {

namespace {

const wchar_t kBoxClass[] = L"NivoWindowClass";
// Sizes at 100 % display scale; the window shows them times its scale.
const int kSamplePanelHeight = 100;
const int kTitleButtonSize = 16;

}  // namespace

std::wstring MainWindowView::title() const {
    return textOf(window_);
}

HWND MainWindowView::pinButton() const {
    return findChild(window_, L"Button", L"#OnTop");
}

HWND MainWindowView::minimiseButton() const {
    return findChild(window_, L"Button", L"#_");
}

HWND MainWindowView::closeButton() const {
    return findChild(window_, L"Button", L"#X");
}

int MainWindowView::scaled(int pixelsAt100) const {
    // The close button is 16 x 16 at 100 %: its width tells the window's scale.
    HWND close = closeButton();
    const int width = close ? screenRect(close).right - screenRect(close).left : kTitleButtonSize;
    return MulDiv(pixelsAt100, width > 0 ? width : kTitleButtonSize, kTitleButtonSize);
}

HWND MainWindowView::buttonWithText(const std::wstring& text) const {
    return findChild(window_, L"Button", text);
}

HWND MainWindowView::shownHexField() const {
    return topmostChild(window_, L"Edit");
}

std::wstring MainWindowView::shownHexText() const {
    HWND field = shownHexField();
    return field ? textOf(field) : L"";
}

HWND MainWindowView::contrastLine() const {
    for (HWND child : visibleChildren(window_, kBoxClass))
        if (textOf(child).find(L":1\r\n") != std::wstring::npos) return child;
    return nullptr;
}

std::wstring MainWindowView::contrastText() const {
    HWND line = contrastLine();
    return line ? textOf(line) : L"";
}

HWND MainWindowView::samplePanel() const {
    for (HWND box : visibleChildren(window_, kBoxClass)) {
        const RECT rect = screenRect(box);
        if (rect.bottom - rect.top == scaled(kSamplePanelHeight) && GetParent(box) != window_) return box;
    }
    return nullptr;
}

POINT MainWindowView::samplePanelPoint() const {
    HWND panel = samplePanel();
    if (!panel) return {-1, -1};
    const RECT rect = screenRect(panel);
    // The bottom margin of the panel (10 pixels) holds no label.
    return {(rect.left + rect.right) / 2, rect.bottom - 4};
}

POINT MainWindowView::bodyPoint() const {
    HWND panel = samplePanel();
    if (!panel) return {-1, -1};
    const RECT rect = screenRect(panel);
    // The panel is a box: the mouse on it belongs to the window (near the window's
    // edges the skin keeps bands for resizing, so stay inside the panel).
    return {rect.left + (rect.right - rect.left) / 4, rect.bottom - 4};
}

COLORREF MainWindowView::outermostPixel() const {
    const RECT rect = screenRect(window_);
    return screenPixel({(rect.left + rect.right) / 2, rect.top});
}

bool MainWindowView::isTopmost() const {
    return hasExStyle(window_, WS_EX_TOPMOST);
}

}  // namespace testing_program
