// Window: menus (command routing, the right-click and notification-icon menus,
// the menu bar), icons, and offering wheel turns to the children that take them.
#include "gui/IPopupMenu.h"
#include "gui/win/Window.h"

namespace s::gui::win {

void Window::replaceMenu(IPopupMenu*& slot, IPopupMenu* menu) {
    if (slot == menu) return;
    if (slot) slot->release();
    slot = menu;
}

void Window::setMenuBar(IPopupMenu* menu) {
    if (menu == menuBar_) return;
    // Detach the old bar on the window's thread before it goes back to its pool.
    HMENU bar = menu ? menu->getMenuHandle() : nullptr;
    if (HWND hwnd = liveHandle()) SendMessageW(hwnd, WM_APP_SET_MENU_BAR, reinterpret_cast<WPARAM>(bar), 0);
    replaceMenu(menuBar_, menu);
}

void Window::setPopupMenu(IPopupMenu* menu) { replaceMenu(popupMenu_, menu); }

void Window::setTrayMenu(IPopupMenu* menu) { replaceMenu(trayMenu_, menu); }

void Window::releaseMenus() {
    if (HWND hwnd = liveHandle()) SendMessageW(hwnd, WM_APP_SET_MENU_BAR, 0, 0);
    replaceMenu(menuBar_, nullptr);
    replaceMenu(popupMenu_, nullptr);
    replaceMenu(trayMenu_, nullptr);
}

// The bar first, then the right-click menu, then the notification-icon menu:
// the first that holds the id runs it.
bool Window::routeMenuCommand(int commandId) {
    IPopupMenu* const menus[] = {menuBar_, popupMenu_, trayMenu_};
    for (IPopupMenu* menu : menus)
        if (menu && menu->holdsCommand(commandId)) return menu->runCommand(commandId);
    return false;
}

void Window::showPopupMenu() {
    if (!popupMenu_) return;
    raise(EVENT_POPUP_MENU);
    POINT at;
    GetCursorPos(&at);
    popupMenu_->open(this);
    popupMenu_->showAt(at.x, at.y, handle(), IPopupMenu::SHOW_IN_WINDOW);
}

// A menu shown for a notification icon closes when the user clicks elsewhere only
// when its owner is the foreground window, before and after it is tracked.
void Window::showTrayMenu() {
    if (!trayMenu_) return;
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(handle());
    trayMenu_->open(this);
    trayMenu_->showAt(at.x, at.y, handle(), IPopupMenu::SHOW_FOR_ICON);
    SetForegroundWindow(handle());
    PostMessageW(handle(), WM_NULL, 0, 0);
}

void Window::setIcons(HICON smallIcon, HICON largeIcon) {
    HICON oldSmall = smallIcon_;
    HICON oldLarge = largeIcon_;
    smallIcon_ = smallIcon;
    largeIcon_ = largeIcon;
    applyIcons();  // the windows let go of the old icons before they are destroyed
    if (oldSmall && oldSmall != smallIcon) DestroyIcon(oldSmall);
    if (oldLarge && oldLarge != largeIcon) DestroyIcon(oldLarge);
}

void Window::applyIcons() {
    if (!liveHandle()) return;
    const HWND windows[] = {handle(), owner_.handle()};
    for (HWND hwnd : windows) {
        if (!hwnd) continue;
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    }
}

void Window::releaseIcons() { setIcons(nullptr, nullptr); }

// Depth first in list order: a box passes the offer on to its children.
bool Window::offerWheel(const IContainer* container, POINT screen, WPARAM wp, LPARAM lp) {
    for (int i = 0; i < container->getComponentCount(); ++i) {
        IComponent* child = container->getComponent(i);
        HWND hwnd = child ? child->getHandle() : nullptr;
        RECT area;
        if (!hwnd || !child->isVisible() || !IsWindowVisible(hwnd) || !GetWindowRect(hwnd, &area) ||
            !PtInRect(&area, screen))
            continue;
        if (child->isAcceptingWheel()) {
            SendMessageW(hwnd, WM_MOUSEWHEEL, wp, lp);
            return true;
        }
        if (child->isContainer() && offerWheel(static_cast<const IContainer*>(child), screen, wp, lp)) return true;
    }
    return false;
}

}  // namespace s::gui::win
