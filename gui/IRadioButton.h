#pragma once
// IRadioButton: a system radio button; the system unchecks the other radio
// buttons of its group when it is clicked.
#include "gui/IControl.h"

namespace s::gui {

class IRadioButton : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IRadioButton";
    static constexpr int CLICKED = 1;  // clicked; the new check state is already read back

    virtual void setChecked(bool checked) = 0;
    virtual bool isChecked() const = 0;
};

}  // namespace s::gui
