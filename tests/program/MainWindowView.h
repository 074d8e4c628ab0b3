#pragma once
// The main colour window as a person sees it: where its buttons, hex field and
// sample panel are on the screen, found among its native child windows by
// class, text and position.
#include <windows.h>

#include <string>

namespace testing_program {

class MainWindowView {
public:
    explicit MainWindowView(HWND window) : window_(window) {}

    HWND window() const { return window_; }
    std::wstring title() const;
    // Title-bar buttons by their skin image names.
    HWND pinButton() const;
    HWND minimiseButton() const;
    HWND closeButton() const;
    // The buttons with a text, top to bottom: the role buttons first.
    HWND buttonWithText(const std::wstring& text) const;
    // The hex field of the role page shown (the background page at start).
    HWND shownHexField() const;
    std::wstring shownHexText() const;
    // The contrast line under the sample: the visible child whose text tells a ratio ("...:1").
    HWND contrastLine() const;
    std::wstring contrastText() const;
    // The panel that shows the sample text on the background colour.
    HWND samplePanel() const;
    // A point on the sample panel beside the sample text, where a click meets the panel itself.
    POINT samplePanelPoint() const;
    // A point of the window's body that no control covers (on the sample panel, beside the text).
    POINT bodyPoint() const;
    // The colour of the window's outermost pixel row (its frame), at the middle of its top edge.
    COLORREF outermostPixel() const;
    bool isTopmost() const;
    // A size of the window at 100 % display scale, in pixels at the window's scale.
    int scaled(int pixelsAt100) const;

private:
    HWND window_;  // not owned: the program's
};

}  // namespace testing_program
