#include "picker/DialogCommands.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

using Action = DialogCommands::Action;

DialogCommands::Decision make(Action action, int index = 0, int32_t addressText = 0) {
    return DialogCommands::Decision{action, index, addressText};
}

DialogCommands::Decision decideNumbered(int command, int languageCount, int skinCount) {
    if (command >= DialogCommands::FIRST_SKIN && command <= DialogCommands::LAST_SKIN) {
        const int index = command - DialogCommands::FIRST_SKIN;
        return index < skinCount ? make(Action::SELECT_SKIN, index) : make(Action::NONE);
    }
    if (command >= DialogCommands::FIRST_COPY_FORMAT && command <= DialogCommands::LAST_COPY_FORMAT)
        return make(Action::SELECT_COPY_FORMAT, command - DialogCommands::FIRST_COPY_FORMAT);
    if (command >= 0 && command <= DialogCommands::LAST_LANGUAGE) {
        if (command == languageCount)
            return make(Action::OPEN_TRANSLATION_PAGE, 0, DialogCommands::ADDRESS_TRANSLATION);
        return command < languageCount ? make(Action::SELECT_LANGUAGE, command) : make(Action::NONE);
    }
    return make(Action::NONE);
}

}  // namespace

DialogCommands::Decision DialogCommands::decide(int command, int languageCount, int skinCount, int32_t productBase) {
    switch (command) {
    case OPEN_WINDOW:
        return make(Action::TOGGLE_ICONIZED);
    case EXIT:
    case CLOSE:
        return make(Action::CLOSE_WINDOW);
    case KEEP_ON_TOP:
        return make(Action::TOGGLE_KEEP_ON_TOP);
    case KEEP_IN_SCREEN:
        return make(Action::TOGGLE_KEEP_IN_SCREEN);
    case MIDDLE_CLICK_CLOSES:
        return make(Action::TOGGLE_MIDDLE_CLICK);
    case VERSION_INFORMATION:
        return make(Action::SHOW_VERSION);
    case SOFTWARE_PAGE:
        return make(Action::OPEN_PAGE, 0, productBase + PRODUCT_PAGE_OFFSET);
    case TELL_DEVELOPERS:
        return make(Action::OPEN_PAGE, 0, productBase + FEEDBACK_PAGE_OFFSET);
    case MORE_SOFTWARE:
        return make(Action::OPEN_PAGE, 0, ADDRESS_MORE_SOFTWARE);
    case WORKPLACE:
        return make(Action::OPEN_PAGE, 0, ADDRESS_WORKPLACE);
    case FIX_CONTRAST_AA:
        return make(Action::FIX_CONTRAST, 0);
    case FIX_CONTRAST_AAA:
        return make(Action::FIX_CONTRAST, 1);
    case SHOW_CONTRAST:
        return make(Action::TOGGLE_SHOW_CONTRAST);
    default:
        return decideNumbered(command, languageCount, skinCount);
    }
}

}  // namespace s::image::gui::dialogs::huesnap
