#pragma once
// PopupMenu: a context menu built from menu items and submenus: the menu a
// right click opens inside a window, the notification icon's menu, and their
// submenus. Items take their texts from the language pack by id and follow the
// language: the menu listens to its localizer and, on a change, rewrites every
// item's text in place, keeping check marks and the radio mark, and re-titles
// its submenus.
//
// The menu owns its items and submenus (released with it). The native menu is
// made on first use and destroyed on reset; submenus are taken out of it first,
// since destroying a menu would destroy the submenus it holds.
//
// Opening for a window (open) and showing (showAt) record the owning window's
// handle as the menu data of the menu and its submenus: the window class sends
// WM_INITMENUPOPUP on to that window.
//
// Listeners: opening listeners run just before the menu shows (they bring
// checks and enabling up to date), with kind OPENING_EVENT; choice listeners
// hear CHOSEN_EVENT when the owning window routes a chosen item to this menu
// (getChosenCommand tells which). The source of both is this menu.
//
// Built and shown on the owning window's thread.
#include <windows.h>

#include "foundation/col/_array/ArrayP.h"
#include "foundation/thread/Pooled.h"
#include "gui/IPopupMenu.h"
#include "lang/ILanguageListener.h"

namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::gui::menuitem {
class MenuItem;
}

namespace s::gui::win {

class PopupMenu : public IPopupMenu, public lang::ILanguageListener {
    S_POOLED_CLASS(PopupMenu, L"s_gui_win_PopupMenu")

public:
    static constexpr int OPENING_EVENT = 0;
    static constexpr int CHOSEN_EVENT = 1;

    PopupMenu();
    ~PopupMenu() override;
    // Empties the lists (items and submenus back to their pools), destroys the
    // native menu, leaves the localizer's listeners, clears title and name.
    void reset() override;

    // ---- Building (each takes ownership of what it is given, also on failure)
    bool append(menuitem::MenuItem* item);
    // At native `position` (0-based, by position, submenus counted); a position
    // at or past the end, or negative, appends. In the item list it goes after
    // the items before that position.
    bool insert(int position, menuitem::MenuItem* item);
    bool appendSubmenu(PopupMenu* menu);
    // Deletes the item with commandId from this menu; false when it holds none.
    bool removeItem(int commandId);
    void setLocalizer(lang::Localizer* localizer);
    lang::Localizer* getLocalizer() const { return localizer_; }
    // The text this menu has as a submenu: literal, or a language-pack entry.
    void setTitle(const wchar_t* title);
    void setTitleId(int textId);
    const wchar_t* getTitle() const;
    void setName(const wchar_t* name);
    const wchar_t* getName() const;

    // ---- Item state, searched in this menu, then in the submenus in order
    // Checked as the menu shows it: the item's own check mark or the radio mark.
    bool isChecked(int commandId) const;
    bool setEnabled(int commandId, bool enabled);
    // Unchecking also takes a radio mark off the item.
    bool setChecked(int commandId, bool checked);
    // Radio mark on the item at `position` of this menu, cleared from the others;
    // a negative position clears it everywhere. Items' own check marks stay.
    void checkRadio(int position);
    bool checkRadioById(int commandId);
    // The radio mark on `item`, one of this menu's own items; false for any other
    // item, a separator or an item without a command id.
    bool checkRadioByItem(const menuitem::MenuItem* item);
    // A text rewrite (this, and a language change) keeps a greyed item greyed.
    bool setText(int commandId, const wchar_t* text);
    int getItemCount() const;
    menuitem::MenuItem* findItem(int commandId) const;

    // ---- Listeners (not owned)
    bool addOpeningListener(events::IEventListener* listener);
    bool addChoiceListener(events::IEventListener* listener);
    int getChosenCommand() const { return chosen_; }
    IWindow* getWindow() const { return window_; }

    // ---- IPopupMenu
    HMENU getMenuHandle() const override { return menu_; }
    bool holdsCommand(int commandId) const override { return findItem(commandId) != nullptr; }
    bool runCommand(int commandId) override;
    void open(IWindow* window) override;
    bool showAt(int x, int y, HWND owner, UINT flags) override;

    // ---- ILanguageListener
    void languageChanged(lang::Localizer* localizer, int32_t kind) override;

private:
    bool ensureMenu();
    // This menu when one of its own items carries commandId, else the submenu that does.
    PopupMenu* holderOf(int commandId);
    menuitem::MenuItem* ownItem(int commandId) const;
    menuitem::MenuItem* itemAt(uint32_t i) const;
    PopupMenu* submenuAt(uint32_t i) const;
    // Native position of the item with commandId in this menu, or -1.
    int positionOf(int commandId) const;
    int positionOfSubmenu(const PopupMenu* submenu) const;
    // The index in the item list for an item put at native `position`.
    uint32_t itemIndexAt(int position) const;
    // Native position of the item at `index` of the item list, or -1.
    int positionOfIndex(uint32_t index) const;
    // Records `owner` as the menu data of this menu and its submenus.
    void markOwner(HWND owner);
    bool addNative(int position, const menuitem::MenuItem* item);
    void rewriteItem(const menuitem::MenuItem* item);
    static bool shownChecked(const menuitem::MenuItem* item);
    // Puts the item's check as shownChecked says on the native menu.
    void showCheck(const menuitem::MenuItem* item);
    void retitle(PopupMenu* submenu);
    void refreshTitle();
    void raise(const col::_array::ArrayP& listeners, int kind);
    void releaseContents();

    HMENU menu_;                      // owned: made on first use
    lang::Localizer* localizer_;      // not owned; this menu is one of its listeners
    str::strbuffer::StrBuffer* title_;  // owned (pooled)
    int titleId_;
    str::strbuffer::StrBuffer* name_;   // owned (pooled)
    col::_array::ArrayP items_;       // owned MenuItem objects, released by hand
    col::_array::ArrayP submenus_;    // owned PopupMenu objects, released by hand
    col::_array::ArrayP openingListeners_;  // not owned
    col::_array::ArrayP choiceListeners_;   // not owned
    IWindow* window_;                 // not owned: the window the menu was last opened for
    int chosen_;
};

}  // namespace s::gui::win
