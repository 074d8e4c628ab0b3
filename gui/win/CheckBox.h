#pragma once
// CheckBox: a system check box ("BUTTON", BS_AUTOCHECKBOX with WS_CHILD,
// WS_TABSTOP and BS_NOTIFY; BS_MULTILINE added for the multi-line form), id 1003.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/ICheckBox.h"
#include "gui/win/CheckableButton.h"

namespace s::gui::win {

class CheckBox : public CheckableButton<ICheckBox> {
    S_POOLED_CLASS(CheckBox, L"s_gui_win_CheckBox")

public:
    static constexpr DWORD STYLE = WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX;  // 0x40014003
    static constexpr DWORD MULTI_LINE_STYLE = STYLE | BS_MULTILINE;                      // 0x40016003

    CheckBox() { reset(); }
    ~CheckBox() override { destroyNative(); }
    void reset() override {
        resetChecking();
        multiLine_ = false;
    }
    bool create(HWND parent) override { return createChecking(multiLine_ ? MULTI_LINE_STYLE : STYLE, parent); }
    void setMultiLine(bool multiLine) override { multiLine_ = multiLine; }

private:
    bool multiLine_;
};

}  // namespace s::gui::win
