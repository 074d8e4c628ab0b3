#pragma once
// DialogWindow: the main colour window's native window: the managed window of
// the application with one addition, its content box always fills the client
// area (a skinned window's client area is the whole window), so the layout
// follows every size change on the window's own thread.
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
    DialogWindow();
    // The content must not be used while the window's thread may still size it.
    ~DialogWindow() override;
    void reset() override;
    // The box that fills the client area (not owned; null for none).
    void setContent(s::gui::IBox* content) { content_.store(content); }
    // Sizes the content to the client area now (on the window's thread).
    void fitContent();

protected:
    void onSizeChanged() override { fitContent(); }

private:
    std::atomic<s::gui::IBox*> content_;  // not owned
};

}  // namespace s::image::gui::dialogs::huesnap
