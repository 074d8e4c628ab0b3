#pragma once
// ISkin: a named look, one drawer per kind of element. The skin owns its
// drawers: a setter takes the new drawer over and releases the one it replaces.
// Skins are read-only after start, so any user-interface thread may paint with
// one at the same time as another.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"

namespace s::gui::drawer {

class IDrawer;
class IWindow;
class IButton;
class IText;
class IScrollBar;
class ICheckBox;
class IRadioButton;
class ISlider;
class ICounter;
class IListHeader;
class IListBox;
class IStatusBar;
class IMenu;
class ICombo;
class IGroupBox;
class ITabBox;

class ISkin : public base::IObject, public thread::IPoolable {
public:
    // The kinds in the skin's order.
    enum Kind {
        kWindow = 0,
        kButton,
        kText,
        kScrollBar,
        kCheckBox,
        kRadioButton,
        kSlider,
        kCounter,
        kListHeader,
        kListBox,
        kStatusBar,
        kMenu,
        kCombo,
        kGroupBox,
        kTabBox,
        kKindCount
    };

    // Never null: "" for a skin without a name.
    virtual const wchar_t* getName() const = 0;
    // False when the text could not be stored (the old name is then kept).
    virtual bool setName(const wchar_t* name) = 0;

    // The drawer of a kind by its number; null when not set or out of range.
    virtual IDrawer* drawerAt(int32_t kind) const = 0;

    virtual IWindow* getWindow() const = 0;
    virtual void setWindow(IWindow* drawer) = 0;
    virtual IButton* getButton() const = 0;
    virtual void setButton(IButton* drawer) = 0;
    virtual IText* getText() const = 0;
    virtual void setText(IText* drawer) = 0;
    virtual IScrollBar* getScrollBar() const = 0;
    virtual void setScrollBar(IScrollBar* drawer) = 0;
    virtual ICheckBox* getCheckBox() const = 0;
    virtual void setCheckBox(ICheckBox* drawer) = 0;
    virtual IRadioButton* getRadioButton() const = 0;
    virtual void setRadioButton(IRadioButton* drawer) = 0;
    virtual ISlider* getSlider() const = 0;
    virtual void setSlider(ISlider* drawer) = 0;
    virtual ICounter* getCounter() const = 0;
    virtual void setCounter(ICounter* drawer) = 0;
    virtual IListHeader* getListHeader() const = 0;
    virtual void setListHeader(IListHeader* drawer) = 0;
    virtual IListBox* getListBox() const = 0;
    virtual void setListBox(IListBox* drawer) = 0;
    virtual IStatusBar* getStatusBar() const = 0;
    virtual void setStatusBar(IStatusBar* drawer) = 0;
    virtual IMenu* getMenu() const = 0;
    virtual void setMenu(IMenu* drawer) = 0;
    virtual ICombo* getCombo() const = 0;
    virtual void setCombo(ICombo* drawer) = 0;
    virtual IGroupBox* getGroupBox() const = 0;
    virtual void setGroupBox(IGroupBox* drawer) = 0;
    virtual ITabBox* getTabBox() const = 0;
    virtual void setTabBox(ITabBox* drawer) = 0;
};

}  // namespace s::gui::drawer
