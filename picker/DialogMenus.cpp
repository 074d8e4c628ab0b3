#include "picker/DialogMenus.h"

#include "foundation/str/strbuffer/StrBuffer.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/Skinner.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/PopupMenu.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using C = DialogCommands;

PopupMenu* newMenu(lang::Localizer* localizer, int32_t titleId) {
    PopupMenu* menu = PopupMenu::acquire();
    if (!menu) return nullptr;
    menu->setLocalizer(localizer);
    if (titleId) menu->setTitleId(titleId);
    return menu;
}

void addText(PopupMenu* menu, lang::Localizer* localizer, int32_t textId, int command, bool checked = false) {
    menu->append(MenuItem::newText(textId, localizer, command, checked));
}

void addSeparator(PopupMenu* menu) {
    menu->append(MenuItem::newSeparator());
}

void addSubmenu(PopupMenu* menu, PopupMenu* submenu) {
    if (submenu) menu->appendSubmenu(submenu);
}

PopupMenu* buildAboutMenu(lang::Localizer* localizer) {
    PopupMenu* menu = newMenu(localizer, C::TEXT_ABOUT);
    if (!menu) return nullptr;
    addText(menu, localizer, C::TEXT_VERSION_INFORMATION, C::VERSION_INFORMATION);
    addSeparator(menu);
    addText(menu, localizer, C::TEXT_SOFTWARE_PAGE, C::SOFTWARE_PAGE);
    addText(menu, localizer, C::TEXT_TELL_DEVELOPERS, C::TELL_DEVELOPERS);
    addSeparator(menu);
    addText(menu, localizer, C::TEXT_MORE_SOFTWARE, C::MORE_SOFTWARE);
    addSeparator(menu);
    addText(menu, localizer, C::TEXT_WORKPLACE, C::WORKPLACE);
    return menu;
}

PopupMenu* buildViewMenu(lang::Localizer* localizer, const DialogMenus::Checks& checks) {
    PopupMenu* menu = newMenu(localizer, C::TEXT_VIEW);
    if (!menu) return nullptr;
    addText(menu, localizer, C::TEXT_KEEP_IN_SCREEN, C::KEEP_IN_SCREEN, checks.keepInScreen);
    addText(menu, localizer, C::TEXT_MIDDLE_CLICK_CLOSES, C::MIDDLE_CLICK_CLOSES, checks.middleClickCloses);
    addText(menu, localizer, C::TEXT_SHOW_CONTRAST, C::SHOW_CONTRAST, checks.showContrast);
    return menu;
}

PopupMenu* buildContrastMenu(lang::Localizer* localizer) {
    PopupMenu* menu = newMenu(localizer, C::TEXT_CONTRAST);
    if (!menu) return nullptr;
    addText(menu, localizer, C::TEXT_FIX_CONTRAST_AA, C::FIX_CONTRAST_AA);
    addText(menu, localizer, C::TEXT_FIX_CONTRAST_AAA, C::FIX_CONTRAST_AAA);
    return menu;
}

// The name a language is shown by: its own name, else its English one.
const wchar_t* displayName(const lang::LangPack* language) {
    const wchar_t* own = language->trueName().c_str();
    return own && *own ? own : language->engName().c_str();
}

}  // namespace

PopupMenu* DialogMenus::buildTrayMenu(lang::Localizer* localizer) {
    PopupMenu* menu = newMenu(localizer, 0);
    if (!menu) return nullptr;
    menu->setName(TRAY_MENU_NAME);
    addText(menu, localizer, C::TEXT_OPEN_WINDOW, C::OPEN_WINDOW);
    addSeparator(menu);
    addSubmenu(menu, buildAboutMenu(localizer));
    addSeparator(menu);
    addText(menu, localizer, C::TEXT_EXIT, C::EXIT);
    return menu;
}

PopupMenu* DialogMenus::buildSkinMenu(lang::Localizer* localizer, s::gui::drawer::Skinner* skinner) {
    if (!skinner || skinner->count() == 0) return nullptr;
    PopupMenu* menu = newMenu(localizer, C::TEXT_SKIN);
    if (!menu) return nullptr;
    const int32_t current = skinner->getSelection();
    for (int32_t i = 0; i < skinner->count() && C::FIRST_SKIN + i <= C::LAST_SKIN; ++i)
        menu->append(MenuItem::newLiteral(skinner->skin(i)->getName(), C::FIRST_SKIN + i, i == current));
    return menu;
}

PopupMenu* DialogMenus::buildLanguageMenu(lang::Localizer* localizer) {
    PopupMenu* menu = newMenu(localizer, C::TEXT_LANGUAGE);
    if (!menu || !localizer) return menu;
    const lang::LangPack* current = localizer->currentLanguage();
    uint32_t count = localizer->languageCount();
    if (count > uint32_t(C::LAST_LANGUAGE)) count = C::LAST_LANGUAGE;  // the translation entry must stay a language number
    for (uint32_t i = 0; i < count; ++i) {
        const lang::LangPack* language = localizer->languageAt(i);
        menu->append(MenuItem::newLiteral(displayName(language), int(i), language == current));
    }
    addSeparator(menu);
    addText(menu, localizer, C::TEXT_TRANSLATE, int(count));
    return menu;
}

PopupMenu* DialogMenus::buildCopyAsMenu(lang::Localizer* localizer, int chosen) {
    // The patterns the formats write, in the formats' order.
    static constexpr const wchar_t* PATTERNS[] = {L"RRGGBB", L"#RRGGBB", L"rgb(r, g, b)", L"hsl(h, s%, l%)",
                                                  L"r, g, b", L"0xRRGGBB", L"r, g, b (0-1)"};
    PopupMenu* menu = newMenu(localizer, C::TEXT_COPY_AS);
    if (!menu) return nullptr;
    int command = C::FIRST_COPY_FORMAT;
    for (const wchar_t* pattern : PATTERNS) menu->append(MenuItem::newLiteral(pattern, command++, false));
    if (!menu->checkRadioById(C::FIRST_COPY_FORMAT + chosen)) menu->checkRadioById(C::FIRST_COPY_FORMAT);
    return menu;
}

PopupMenu* DialogMenus::buildRightClickMenu(lang::Localizer* localizer, const Checks& checks, PopupMenu* skinMenu,
                                            PopupMenu* languageMenu, PopupMenu* copyAsMenu) {
    PopupMenu* menu = newMenu(localizer, C::TEXT_VIEW);
    if (!menu) {
        if (skinMenu) skinMenu->release();
        if (languageMenu) languageMenu->release();
        if (copyAsMenu) copyAsMenu->release();
        return nullptr;
    }
    addText(menu, localizer, C::TEXT_KEEP_ON_TOP, C::KEEP_ON_TOP, checks.keepOnTop);
    addSeparator(menu);
    addSubmenu(menu, buildViewMenu(localizer, checks));
    addSubmenu(menu, copyAsMenu);
    addSubmenu(menu, buildContrastMenu(localizer));
    addSubmenu(menu, skinMenu);
    addSubmenu(menu, languageMenu);
    addSeparator(menu);
    addSubmenu(menu, buildAboutMenu(localizer));
    addSeparator(menu);
    addText(menu, localizer, C::TEXT_CLOSE, C::CLOSE);
    return menu;
}

void DialogMenus::checkOnly(PopupMenu* menu, int first, int count, int chosen) {
    if (!menu) return;
    for (int i = 0; i < count; ++i) menu->setChecked(first + i, first + i == chosen);
}

}  // namespace s::image::gui::dialogs::huesnap
