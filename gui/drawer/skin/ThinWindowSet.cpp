#include "gui/drawer/skin/ThinWindowSet.h"

#include "gui/drawer/ISkin.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/checkbox/win/Thin.h"
#include "gui/drawer/combo/win/Thin.h"
#include "gui/drawer/counter/win/Basic.h"
#include "gui/drawer/groupbox/win/Thin.h"
#include "gui/drawer/listbox/win/Thin.h"
#include "gui/drawer/listheader/win/Thin.h"
#include "gui/drawer/menu/win/Basic.h"
#include "gui/drawer/radiobutton/win/Thin.h"
#include "gui/drawer/scrollbar/win/Thin.h"
#include "gui/drawer/skin/ThinWindow.h"
#include "gui/drawer/slider/win/Thin.h"
#include "gui/drawer/statusbar/win/Thin.h"
#include "gui/drawer/tabbox/win/Thin.h"
#include "gui/drawer/text/win/Basic.h"
#include "gui/drawer/window/win/Thin.h"

namespace s::gui::drawer::skin {

namespace {

// Per kind, in ISkin::Kind order: the skin colours each drawer colour comes from.
const int kColourNumbers[ISkin::kKindCount][9] = {
    {1, 2, 3, 4, 9, 6, 3, 10, 0},  // window: background, frame, further, sub-colours
    {4, 0},                        // button
    {6, 1, 7, 3, 6, 4, 0},         // text: text, background, shade, sub-colours
    {4, 8, 0},                     // scroll bar
    {4, 6, 3, 0},                  // check box
    {4, 6, 3, 0},                  // radio button
    {4, 8, 3, 0},                  // slider
    {14, 15, 0},                   // counter
    {4, 9, 10, 0},                 // list header
    {11, 12, 9, 10, 13, 0},        // list box
    {4, 0},                        // status bar
    {6, 4, 1, 6, 4, 6, 0},         // menu
    {6, 4, 6, 0},                  // combo box
    {5, 6, 6, 0},                  // group box
    {4, 6, 6, 6, 0},               // tab box
};

// A drawer of each kind, from its class pool (null when one could not be had).
IDrawer* acquireDrawer(int kind) {
    switch (kind) {
        case ISkin::kWindow:
            return window::win::Thin::acquire();
        case ISkin::kButton:
            return button::win::Thin::acquire();
        case ISkin::kText:
            return text::win::Basic::acquire();
        case ISkin::kScrollBar:
            return scrollbar::win::Thin::acquire();
        case ISkin::kCheckBox:
            return checkbox::win::Thin::acquire();
        case ISkin::kRadioButton:
            return radiobutton::win::Thin::acquire();
        case ISkin::kSlider:
            return slider::win::Thin::acquire();
        case ISkin::kCounter:
            return counter::win::Basic::acquire();
        case ISkin::kListHeader:
            return listheader::win::Thin::acquire();
        case ISkin::kListBox:
            return listbox::win::Thin::acquire();
        case ISkin::kStatusBar:
            return statusbar::win::Thin::acquire();
        case ISkin::kMenu:
            return menu::win::Basic::acquire();
        case ISkin::kCombo:
            return combo::win::Thin::acquire();
        case ISkin::kGroupBox:
            return groupbox::win::Thin::acquire();
        case ISkin::kTabBox:
            return tabbox::win::Thin::acquire();
        default:
            return nullptr;
    }
}

// Hands the drawer to the skin's setter of its kind.
void installDrawer(ThinWindow* skin, int kind, IDrawer* drawer) {
    switch (kind) {
        case ISkin::kWindow:
            skin->setWindow(static_cast<IWindow*>(drawer));
            break;
        case ISkin::kButton:
            skin->setButton(static_cast<IButton*>(drawer));
            break;
        case ISkin::kText:
            skin->setText(static_cast<IText*>(drawer));
            break;
        case ISkin::kScrollBar:
            skin->setScrollBar(static_cast<IScrollBar*>(drawer));
            break;
        case ISkin::kCheckBox:
            skin->setCheckBox(static_cast<ICheckBox*>(drawer));
            break;
        case ISkin::kRadioButton:
            skin->setRadioButton(static_cast<IRadioButton*>(drawer));
            break;
        case ISkin::kSlider:
            skin->setSlider(static_cast<ISlider*>(drawer));
            break;
        case ISkin::kCounter:
            skin->setCounter(static_cast<ICounter*>(drawer));
            break;
        case ISkin::kListHeader:
            skin->setListHeader(static_cast<IListHeader*>(drawer));
            break;
        case ISkin::kListBox:
            skin->setListBox(static_cast<IListBox*>(drawer));
            break;
        case ISkin::kStatusBar:
            skin->setStatusBar(static_cast<IStatusBar*>(drawer));
            break;
        case ISkin::kMenu:
            skin->setMenu(static_cast<IMenu*>(drawer));
            break;
        case ISkin::kCombo:
            skin->setCombo(static_cast<ICombo*>(drawer));
            break;
        case ISkin::kGroupBox:
            skin->setGroupBox(static_cast<IGroupBox*>(drawer));
            break;
        case ISkin::kTabBox:
            skin->setTabBox(static_cast<ITabBox*>(drawer));
            break;
        default:
            break;
    }
}

}  // namespace

const int* kindColourNumbers(int kind) {
    static const int kNone[1] = {0};
    return kind >= 0 && kind < ISkin::kKindCount ? kColourNumbers[kind] : kNone;
}

ThinWindow* createThinWindowSkin(const SkinColours& colours) {
    ThinWindow* skin = ThinWindow::acquire();
    if (!skin) return nullptr;
    if (!skin->setName(colours.name)) {
        skin->release();
        return nullptr;
    }
    for (int kind = 0; kind < ISkin::kKindCount; ++kind) {
        IDrawer* drawer = acquireDrawer(kind);
        if (!drawer) {
            skin->release();  // releases the drawers installed so far
            return nullptr;
        }
        const int* numbers = kindColourNumbers(kind);
        for (int i = 0; numbers[i] != 0; ++i) drawer->setColour(i, colours.colour(numbers[i]));
        installDrawer(skin, kind, drawer);
    }
    return skin;
}

Skinner* createThinWindowSkinner() {
    Skinner* skinner = Skinner::acquire();
    if (!skinner) return nullptr;
    bool complete = skinner->setFamily(kThinWindowFamily);
    for (int i = 0; complete && i < skinColoursCount(); ++i) {
        ThinWindow* skin = createThinWindowSkin(skinColoursAt(i));
        complete = skin && skinner->addSkin(skin);
    }
    if (!complete) {
        skinner->release();  // releases the skins added so far
        return nullptr;
    }
    return skinner;
}

}  // namespace s::gui::drawer::skin
