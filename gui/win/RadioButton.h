#pragma once
// RadioButton: a system radio button ("BUTTON", BS_AUTORADIOBUTTON with WS_CHILD,
// WS_TABSTOP and BS_NOTIFY), id 1003.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/IRadioButton.h"
#include "gui/win/CheckableButton.h"

namespace s::gui::win {

class RadioButton : public CheckableButton<IRadioButton> {
    S_POOLED_CLASS(RadioButton, L"s_gui_win_RadioButton")

public:
    static constexpr DWORD STYLE = WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_AUTORADIOBUTTON;  // 0x40014009

    RadioButton() { reset(); }
    ~RadioButton() override { destroyNative(); }
    void reset() override { resetChecking(); }
    bool create(HWND parent) override { return createChecking(STYLE, parent); }
};

}  // namespace s::gui::win
