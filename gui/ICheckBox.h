#pragma once
// ICheckBox: a system check box with its text beside it.
#include "gui/IControl.h"

namespace s::gui {

class ICheckBox : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_ICheckBox";
    static constexpr int CLICKED = 1;  // clicked; the new check state is already read back

    virtual void setChecked(bool checked) = 0;
    virtual bool isChecked() const = 0;
    // Before creation: the text may wrap over several lines.
    virtual void setMultiLine(bool multiLine) = 0;
};

}  // namespace s::gui
