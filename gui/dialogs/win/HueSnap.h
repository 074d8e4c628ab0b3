#pragma once
// HueSnap: the system colour chooser, opened with its custom-colour part
// showing. The sixteen custom colours the user defines are kept for the rest
// of the run, so reopening the chooser shows them again.
#include <windows.h>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::gui::dialogs::win {

class HueSnap : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(HueSnap, L"s_gui_dialogs_win_HueSnap")

public:
    HueSnap() { reset(); }
    void reset() override { colour_ = RGB(0, 0, 0); }

    void setColour(COLORREF colour) { colour_ = colour & 0x00FFFFFF; }
    // The colour chosen, or the initial one after a cancel.
    COLORREF getColour() const { return colour_; }
    // Runs the chooser modally over `parent`; true when the user pressed OK.
    bool runModal(HWND parent);

private:
    COLORREF colour_;
};

}  // namespace s::gui::dialogs::win
