#pragma once
// Spacer: the spacer with its own child window, which paints only its background.
#include <windows.h>

#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "framework/Wnd.h"
#include "gui/ISpacer.h"

namespace s::gui::win {

class Spacer : public ISpacer, public thread::IPoolable, public framework::Wnd {
    S_POOLED_CLASS(Spacer, L"s_gui_win_Spacer")

public:
    Spacer();
    // Destroys the native window when there still is one (on its own thread).
    void reset() override;

    HWND getHandle() const override { return handle(); }
    // A WS_CHILD window of the toolkit class inside `parent`, placed at the recorded
    // geometry and shown when visible. False (no window) on failure.
    bool create(HWND parent) override;
    void setVisible(bool visible) override;

protected:
    bool moveNative(int x, int y, int width, int height) override;
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace s::gui::win
