#pragma once
// Box: the box with its own child window of the toolkit class. Layout is all
// IBox's; this adds creating the native window and the children's windows
// inside it, showing and hiding, moving at commit, and key handling.
//
// Waiting for the window core: the skin drawer (painting uses the class
// background until then), the web-address drop target (the flag is kept, no
// target is registered yet) and the file-drop event (dropped files are
// released unread). Children's windows are created on the box's thread through
// WM_APP_ATTACH, which the window core also uses for its own children.
#include <windows.h>

#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "framework/Wnd.h"
#include "gui/IBox.h"

namespace s::gui::win {

class Box : public IBox, public thread::IPoolable, public framework::Wnd {
    S_POOLED_CLASS(Box, L"s_gui_win_Box")

public:
    // Off-screen position of a hidden box.
    static constexpr int HIDDEN_X = -10000;
    static constexpr int HIDDEN_Y = 10000;

    Box();
    // Defaults of a new box; destroys the native window when there still is one
    // (on its own thread).
    void reset() override;

    HWND getHandle() const override { return handle(); }
    // Creates the window inside `parent` (WS_CHILD, WS_EX_CONTROLPARENT, empty
    // rectangle, id 0), accepts file drops when asked, creates every child's window
    // through WM_APP_ATTACH in list order, lays out, and shows the box when visible.
    // On failure reports "Window Creation Failed!" and returns false.
    bool create(HWND parent) override;
    // Showing shows the window; hiding hides it and moves it off-screen.
    void setVisible(bool visible) override;
    // As setVisible, and shows or hides every child too.
    void setVisibleWithChildren(bool visible);
    // True when the box is visible and the screen point lies in its client
    // rectangle on screen, edges included.
    bool contains(POINT screenPoint) const;

    bool isAcceptingFiles() const { return acceptsFiles_; }
    void setAcceptingFiles(bool accept) { acceptsFiles_ = accept; }
    bool isAcceptingWebAddresses() const { return acceptsWebAddresses_; }
    void setAcceptingWebAddresses(bool accept) { acceptsWebAddresses_ = accept; }
    base::IObject* getDrawer() const { return drawer_; }
    void setDrawer(base::IObject* drawer) { drawer_ = drawer; }

protected:
    bool moveNative(int x, int y, int width, int height) override;
    void attachChild(IComponent* component) override;
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT forwardKey(UINT msg, WPARAM wp, LPARAM lp);

    bool acceptsFiles_;
    bool acceptsWebAddresses_;
    base::IObject* drawer_;  // not owned: the skin's
};

}  // namespace s::gui::win
