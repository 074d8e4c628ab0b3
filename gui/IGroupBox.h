#pragma once
// IGroupBox: a framed box with a caption around the components it holds. It lays
// them out as any box does (margins leave room for the frame and caption).
#include "gui/IBox.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {

class IGroupBox : public IBox {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IGroupBox";

    virtual bool setText(const wchar_t* text) = 0;
    // Never null.
    virtual const wchar_t* getText() const = 0;
    // A text id other than -1 is looked up in the localiser at creation.
    virtual void setTextId(int id) = 0;
    virtual int getTextId() const = 0;
    virtual void setLocalizer(lang::Localizer* localizer) = 0;
    virtual void setTransparent(bool transparent) = 0;
    virtual bool isTransparent() const = 0;
};

}  // namespace s::gui
