#pragma once
// IPopupMenu: a menu a window shows or carries: the right-click menu, the menu
// of the notification-area icon, or the menu bar. The window routes chosen
// commands to it and shows it; the menu class builds the native menu.
//
// A chosen item arrives at the owning window as WM_COMMAND with its command id;
// the window asks its menus in turn whether they hold the id, and the first that
// does reports the choice to its own listeners (runCommand).
//
// A menu is a component only so that it can be the source of the events its
// listeners receive (listeners compare the source with the menus they know); it
// has no native child window and no place in a layout.
#include <windows.h>

#include "foundation/thread/IPoolable.h"
#include "gui/IComponent.h"

namespace s::gui {

class IWindow;

class IPopupMenu : public IComponent, public virtual thread::IPoolable {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IPopupMenu";
    // Show flags: inside a window, and for the notification icon, whose menu opens
    // upwards from the pointer (the icon sits at the bottom of the screen).
    static constexpr UINT SHOW_IN_WINDOW = TPM_NOANIMATION | TPM_RIGHTBUTTON;
    static constexpr UINT SHOW_FOR_ICON = TPM_NOANIMATION | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON;

    // The native menu (null before the first item is added).
    virtual HMENU getMenuHandle() const = 0;
    // True when an item of this menu or of one of its submenus carries commandId.
    virtual bool holdsCommand(int commandId) const = 0;
    // The item with commandId was chosen: the menu reports the choice to its
    // listeners. False, and nothing reported, when no item holds the id.
    virtual bool runCommand(int commandId) = 0;
    // Just before showing: remembers the window and lets the opening listeners
    // bring check marks and enabling up to date.
    virtual void open(IWindow* window) = 0;
    // Shows the menu at the screen point, owned by `owner`, and returns when it
    // closes; a choice arrives at the owner as WM_COMMAND.
    virtual bool showAt(int x, int y, HWND owner, UINT flags) = 0;
};

}  // namespace s::gui
