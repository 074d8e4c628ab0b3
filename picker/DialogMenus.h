#pragma once
// DialogMenus: builds the main colour window's menus: the notification icon's
// menu and the right-click menu with its View, Skin, Language and About
// submenus (and View, Copy As, Contrast, Skin, Language, About). Each function hands out a new menu the caller owns (null when none
// could be had); texts come from `localizer` by entry number and follow its
// language. Built without a window, so the structure can be checked anywhere.
#include "picker/DialogCommands.h"

namespace s::gui::drawer {
class Skinner;
}
namespace s::gui::win {
class PopupMenu;
}
namespace s::lang {
class Localizer;
}

namespace s::image::gui::dialogs::huesnap {

struct DialogMenus {
    // The kind the notification icon's menu is created as.
    static constexpr wchar_t TRAY_MENU_NAME[] = L"Iconized Popup Menu";

    // What the right-click menu's check marks show when it is built.
    struct Checks {
        bool keepOnTop;
        bool keepInScreen;
        bool middleClickCloses;
        bool showContrast = true;
    };

    static s::gui::win::PopupMenu* buildTrayMenu(lang::Localizer* localizer);
    // One item per skin, command 200 + index, the current one checked; null when
    // the set is missing or empty.
    static s::gui::win::PopupMenu* buildSkinMenu(lang::Localizer* localizer, s::gui::drawer::Skinner* skinner);
    // One item per language (command = index, the current one checked), then a
    // separator and the translation entry with command = the number of languages.
    static s::gui::win::PopupMenu* buildLanguageMenu(lang::Localizer* localizer);
    // One radio item per copy format (commands 400 on), the format `chosen` marked.
    // The items show the formats' patterns, which no language translates.
    static s::gui::win::PopupMenu* buildCopyAsMenu(lang::Localizer* localizer, int chosen);
    // Takes over the skin, language and Copy As menus (any may be null, and is then left out).
    static s::gui::win::PopupMenu* buildRightClickMenu(lang::Localizer* localizer, const Checks& checks,
                                                       s::gui::win::PopupMenu* skinMenu,
                                                       s::gui::win::PopupMenu* languageMenu,
                                                       s::gui::win::PopupMenu* copyAsMenu = nullptr);
    // Checks the item `chosen` of the numbered items first .. first + count - 1 and
    // unchecks the others.
    static void checkOnly(s::gui::win::PopupMenu* menu, int first, int count, int chosen);
};

}  // namespace s::image::gui::dialogs::huesnap
