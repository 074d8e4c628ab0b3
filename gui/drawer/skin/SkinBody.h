#pragma once
// SkinBody: the state and operations the two skin classes share, a name and one
// owned drawer per kind. ThinWindow and Thin add only their class identity.
#include <cstdint>

#include "foundation/str/strbuffer/StrBuffer.h"
#include "gui/drawer/IDrawer.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/IButton.h"
#include "gui/drawer/ICheckBox.h"
#include "gui/drawer/ICombo.h"
#include "gui/drawer/ICounter.h"
#include "gui/drawer/IGroupBox.h"
#include "gui/drawer/IListBox.h"
#include "gui/drawer/IListHeader.h"
#include "gui/drawer/IMenu.h"
#include "gui/drawer/IRadioButton.h"
#include "gui/drawer/IScrollBar.h"
#include "gui/drawer/ISlider.h"
#include "gui/drawer/IStatusBar.h"
#include "gui/drawer/ITabBox.h"
#include "gui/drawer/IText.h"
#include "gui/drawer/IWindow.h"

namespace s::gui::drawer::skin {

class SkinBody : public ISkin {
public:
    SkinBody();
    // Releases every drawer.
    ~SkinBody() override;
    SkinBody(const SkinBody&) = delete;
    SkinBody& operator=(const SkinBody&) = delete;

    const wchar_t* getName() const override;
    bool setName(const wchar_t* name) override;
    IDrawer* drawerAt(int32_t kind) const override;

    IWindow* getWindow() const override { return static_cast<IWindow*>(drawers_[kWindow]); }
    void setWindow(IWindow* drawer) override { replace(kWindow, drawer); }
    IButton* getButton() const override { return static_cast<IButton*>(drawers_[kButton]); }
    void setButton(IButton* drawer) override { replace(kButton, drawer); }
    IText* getText() const override { return static_cast<IText*>(drawers_[kText]); }
    void setText(IText* drawer) override { replace(kText, drawer); }
    IScrollBar* getScrollBar() const override { return static_cast<IScrollBar*>(drawers_[kScrollBar]); }
    void setScrollBar(IScrollBar* drawer) override { replace(kScrollBar, drawer); }
    ICheckBox* getCheckBox() const override { return static_cast<ICheckBox*>(drawers_[kCheckBox]); }
    void setCheckBox(ICheckBox* drawer) override { replace(kCheckBox, drawer); }
    IRadioButton* getRadioButton() const override { return static_cast<IRadioButton*>(drawers_[kRadioButton]); }
    void setRadioButton(IRadioButton* drawer) override { replace(kRadioButton, drawer); }
    ISlider* getSlider() const override { return static_cast<ISlider*>(drawers_[kSlider]); }
    void setSlider(ISlider* drawer) override { replace(kSlider, drawer); }
    ICounter* getCounter() const override { return static_cast<ICounter*>(drawers_[kCounter]); }
    void setCounter(ICounter* drawer) override { replace(kCounter, drawer); }
    IListHeader* getListHeader() const override { return static_cast<IListHeader*>(drawers_[kListHeader]); }
    void setListHeader(IListHeader* drawer) override { replace(kListHeader, drawer); }
    IListBox* getListBox() const override { return static_cast<IListBox*>(drawers_[kListBox]); }
    void setListBox(IListBox* drawer) override { replace(kListBox, drawer); }
    IStatusBar* getStatusBar() const override { return static_cast<IStatusBar*>(drawers_[kStatusBar]); }
    void setStatusBar(IStatusBar* drawer) override { replace(kStatusBar, drawer); }
    IMenu* getMenu() const override { return static_cast<IMenu*>(drawers_[kMenu]); }
    void setMenu(IMenu* drawer) override { replace(kMenu, drawer); }
    ICombo* getCombo() const override { return static_cast<ICombo*>(drawers_[kCombo]); }
    void setCombo(ICombo* drawer) override { replace(kCombo, drawer); }
    IGroupBox* getGroupBox() const override { return static_cast<IGroupBox*>(drawers_[kGroupBox]); }
    void setGroupBox(IGroupBox* drawer) override { replace(kGroupBox, drawer); }
    ITabBox* getTabBox() const override { return static_cast<ITabBox*>(drawers_[kTabBox]); }
    void setTabBox(ITabBox* drawer) override { replace(kTabBox, drawer); }

    // No name, every drawer released.
    void reset() override;

private:
    // Takes `drawer` over for `kind`, releasing the drawer it replaces.
    void replace(int32_t kind, IDrawer* drawer);

    str::strbuffer::StrBuffer name_;
    IDrawer* drawers_[kKindCount];  // owned (pooled); null when not set
};

}  // namespace s::gui::drawer::skin
