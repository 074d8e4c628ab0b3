#pragma once
// DialogCommands: the command numbers of the main colour window's two menus and
// the decision which action a chosen command stands for.
//
// The decision needs no window: it depends only on the number, on how many
// languages the pack holds (the language items are numbered from 0 and the
// translation entry follows them) and on how many skins the set holds, so it is
// kept apart from the menus and tested on its own.
#include <cstdint>

namespace s::image::gui::dialogs::huesnap {

struct DialogCommands {
    static constexpr int KEEP_ON_TOP = 100;
    static constexpr int KEEP_IN_SCREEN = 135;
    static constexpr int FIRST_SKIN = 200;
    static constexpr int LAST_SKIN = 300;
    static constexpr int LAST_LANGUAGE = 99;
    static constexpr int OPEN_WINDOW = 900;
    static constexpr int EXIT = 990;
    static constexpr int MIDDLE_CLICK_CLOSES = 998;
    static constexpr int CLOSE = 999;
    static constexpr int VERSION_INFORMATION = 10000;
    static constexpr int SOFTWARE_PAGE = 10100;
    static constexpr int TELL_DEVELOPERS = 10200;
    static constexpr int MORE_SOFTWARE = 10900;
    static constexpr int WORKPLACE = 10950;
    // Copy As: one item per copy format, in the formats' order.
    static constexpr int FIRST_COPY_FORMAT = 400;
    static constexpr int LAST_COPY_FORMAT = 406;
    static constexpr int FIX_CONTRAST_AA = 410;
    static constexpr int FIX_CONTRAST_AAA = 411;
    static constexpr int SHOW_CONTRAST = 420;

    // Language-pack entries of the menu texts.
    static constexpr int32_t TEXT_VIEW = 609000;
    static constexpr int32_t TEXT_KEEP_ON_TOP = 609100;
    static constexpr int32_t TEXT_MIDDLE_CLICK_CLOSES = 609200;
    static constexpr int32_t TEXT_KEEP_IN_SCREEN = 830000;
    static constexpr int32_t TEXT_SKIN = 609900;
    static constexpr int32_t TEXT_LANGUAGE = 700000;
    static constexpr int32_t TEXT_TRANSLATE = 700001;
    static constexpr int32_t TEXT_ABOUT = 701000;
    static constexpr int32_t TEXT_VERSION_INFORMATION = 701100;
    static constexpr int32_t TEXT_SOFTWARE_PAGE = 701200;
    static constexpr int32_t TEXT_TELL_DEVELOPERS = 701300;
    static constexpr int32_t TEXT_MORE_SOFTWARE = 107000;
    static constexpr int32_t TEXT_WORKPLACE = 108100;
    static constexpr int32_t TEXT_OPEN_WINDOW = 750000;
    static constexpr int32_t TEXT_EXIT = 751000;
    static constexpr int32_t TEXT_CLOSE = 400120;
    static constexpr int32_t TEXT_CONTRAST = 920000;
    static constexpr int32_t TEXT_FIX_CONTRAST_AA = 920100;
    static constexpr int32_t TEXT_FIX_CONTRAST_AAA = 920110;
    static constexpr int32_t TEXT_COPY_AS = 920300;
    static constexpr int32_t TEXT_SHOW_CONTRAST = 920400;

    // Entries holding the web addresses (the product ones relative to the product base).
    static constexpr int32_t PRODUCT_PAGE_OFFSET = 3;
    static constexpr int32_t FEEDBACK_PAGE_OFFSET = 4;
    static constexpr int32_t ADDRESS_MORE_SOFTWARE = 108000;
    static constexpr int32_t ADDRESS_WORKPLACE = 108200;
    static constexpr int32_t ADDRESS_TRANSLATION = 108500;

    enum class Action {
        NONE,
        TOGGLE_ICONIZED,
        CLOSE_WINDOW,
        TOGGLE_KEEP_ON_TOP,
        TOGGLE_KEEP_IN_SCREEN,
        TOGGLE_MIDDLE_CLICK,
        SELECT_SKIN,
        SELECT_LANGUAGE,
        OPEN_TRANSLATION_PAGE,
        SHOW_VERSION,
        OPEN_PAGE,
        SELECT_COPY_FORMAT,
        FIX_CONTRAST,
        TOGGLE_SHOW_CONTRAST,
    };

    struct Decision {
        Action action;
        int index;            // the skin, language or copy format index; FIX_CONTRAST: 0 AA, 1 AAA
        int32_t addressText;  // the entry holding the address for OPEN_PAGE / OPEN_TRANSLATION_PAGE
    };

    // What `command` does with `languageCount` languages and `skinCount` skins.
    // A skin or language number past the end of its list does nothing.
    static Decision decide(int command, int languageCount, int skinCount, int32_t productBase);
};

}  // namespace s::image::gui::dialogs::huesnap
