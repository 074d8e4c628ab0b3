#pragma once
// DialogWindow: the main colour window's native window: the managed window of
// the application with one addition, its content box always fills the client
// area (a skinned window's client area is the whole window) inside the skin's
// 1-pixel frame, so the layout follows every size change on the window's own
// thread and never paints over the frame.
#include <atomic>

#include "app/win/ManagedWindow.h"
#include "foundation/thread/Pooled.h"

namespace s::gui {
class IBox;
}

namespace s::image::gui::dialogs::huesnap {

class DialogWindow : public app::win::ManagedWindow {
    S_POOLED_CLASS(DialogWindow, L"s_image_gui_dialogs_huesnap_DialogWindow")

public:
    // The window grows no narrower than this (design units) when its content would allow it.
    static constexpr int MINIMUM_CONTENT_WIDTH = 240;
    // Recognised by identity: raised on the window's thread when the window is to show
    // at another DPI; the event's data is the suggested window RECT, `a` the new DPI.
    static constexpr wchar_t DPI_CHANGED_EVENT[] = L"HueSnapDpiChanged";

    DialogWindow();
    // The content must not be used while the window's thread may still size it.
    ~DialogWindow() override;
    void reset() override;
    // The box that fills the client area (not owned; null for none).
    void setContent(s::gui::IBox* content) { content_.store(content); }
    // Sizes the content to the client area now (on the window's thread).
    void fitContent();
    // Measures the content, makes its minimum (with the frame) the window's minimum
    // size and sizes the window to it, keeping the top-left corner (window's thread).
    void fitToContent();
    // As fitToContent, but a window larger than its content keeps its size: only
    // what is too small for the content grows, to at least `minimumContentWidth`
    // plus the frame (window's thread).
    void growToContent(int minimumContentWidth = 0);
    // Pixels between the window's edge and the content: the skin's frame, 0 unskinned.
    int frameInset() const;
    // After the content took a new DPI: the window takes `suggested` (its place and size
    // at that DPI) in one move, grown where the content needs more (window's thread).
    void takeRectangle(const RECT& suggested);

protected:
    void onSizeChanged() override { fitContent(); }
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The window size that shows the measured content with the frame round it, its
    // width at least `minimumContentWidth` plus the frame; false without content.
    bool sizeForContent(int minimumContentWidth, SIZE* size);
    // Makes `minimum` the window's minimum size and gives the window `size`.
    void applySize(SIZE minimum, SIZE size);

    LRESULT onDpiChanged(WPARAM wp, LPARAM lp);

    std::atomic<s::gui::IBox*> content_;  // not owned
};

}  // namespace s::image::gui::dialogs::huesnap
