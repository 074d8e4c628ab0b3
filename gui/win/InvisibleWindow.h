#pragma once
// InvisibleWindow: the hidden owner of a top-level window. Owning the visible
// window keeps that one out of the task bar's way while the owner itself is a
// tool window that never shows there. A close request sent to the owner is
// passed to the owned window, whose listeners decide.
#include "foundation/base/IObject.h"
#include "framework/Wnd.h"

namespace s::gui::win {

class InvisibleWindow : public base::IObject, public framework::Wnd {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_win_InvisibleWindow";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    InvisibleWindow* newInstance() const override;

    // Creates the hidden owner; false (a message box shown) on failure.
    bool create();
    // The window this one owns: it receives the owner's WM_CLOSE.
    void setOwned(HWND owned) { owned_ = owned; }

protected:
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HWND owned_ = nullptr;  // not owned: the owned window belongs to its Window object
};

}  // namespace s::gui::win
