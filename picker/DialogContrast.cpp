// The contrast line under the sample, the contrast fix, the copy format and
// pasting a colour text into the hex field.
#include <windows.h>

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "gui/IControl.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/Label.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/TextField.h"
#include "image/color/ColorText.h"
#include "image/color/Contrast.h"
#include "lang/Localizer.h"
#include "picker/ContrastLine.h"
#include "picker/Dialog.h"
#include "picker/DialogWindow.h"
#include "settings/map/IMappedData.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

using color::ColorText;
using color::Contrast;

// Language-pack entries of the line's words and of the fix's message.
constexpr int32_t TEXT_NORMAL_TEXT = 920010;
constexpr int32_t TEXT_LARGE_TEXT = 920020;
constexpr int32_t TEXT_PASS = 920030;
constexpr int32_t TEXT_FAIL = 920040;
constexpr int32_t TEXT_CANNOT_REACH = 920200;

constexpr int FONT_8_PT = -2;
constexpr int FILL = 10000;

// Room round the contrast line, in design units (96 DPI).
constexpr int CONTRAST_LINE_SIDE_MARGIN = 6;
constexpr int CONTRAST_LINE_TOP_MARGIN = 3;
constexpr int CONTRAST_LINE_BOTTOM_MARGIN = 2;

// How long the hint line says that a fix could not be made.
constexpr int CANNOT_REACH_MS = 4000;

const wchar_t* textOf(lang::Localizer* texts, int32_t id, const wchar_t* english) {
    const wchar_t* text = texts ? texts->getText(id) : nullptr;
    return text && *text ? text : english;
}

}  // namespace

Dialog::RoleIndex Dialog::selectedRole() const {
    const s::gui::win::Button* text = roles_[TEXT_ROLE].roleButton;
    return text && text->isToggled() ? TEXT_ROLE : BACKGROUND_ROLE;
}

void Dialog::readViewChoices() {
    map::IMappedData* store = appWindow_->application()->getStore();
    if (!store) return;
    const wchar_t* view = appWindow_->sectionPath(VIEW_SECTION);
    const int32_t format = store->getS32(view, COPY_FORMAT_VALUE, ColorText::HEX);
    copyFormat_ = format >= 0 && format < ColorText::FORMAT_COUNT ? int(format) : int(ColorText::HEX);
    showContrast_ = store->getBool(view, SHOW_CONTRAST_VALUE, true);
}

s::gui::win::Box* Dialog::buildContrastLine() {
    contrastBox_ = newBox(false);
    if (!contrastBox_) return nullptr;
    sizes_.setLeftRightMargins(contrastBox_, CONTRAST_LINE_SIDE_MARGIN, CONTRAST_LINE_SIDE_MARGIN);
    sizes_.setTopBottomMargins(contrastBox_, CONTRAST_LINE_TOP_MARGIN, CONTRAST_LINE_BOTTOM_MARGIN);
    // The overrides below hold no design size (none, nothing, or all the width),
    // so they stay out of the recorded sizes: a DPI change must not undo a hidden line.
    contrastLine_ = newLabel(s::gui::IControl::NO_TEXT_ID, nullptr, FONT_8_PT);
    contrastBox_->add(contrastLine_);
    contrastBox_->setSizeOverrides(-1, -1, FILL, -1);
    showContrast();
    if (!showContrast_) {
        // A hidden box still counts in the column: it takes no height instead.
        contrastBox_->setVisible(false);
        contrastBox_->setSizeOverrides(-1, 0, FILL, 0);
    }
    return contrastBox_;
}

void Dialog::showContrast() {
    if (!contrastLine_) return;
    lang::Localizer* texts = localizer();
    const ContrastLine::Words words{textOf(texts, DialogCommands::TEXT_CONTRAST, L"Contrast"),
                                    textOf(texts, TEXT_NORMAL_TEXT, L"Normal text:"),
                                    textOf(texts, TEXT_LARGE_TEXT, L"Large text:"), textOf(texts, TEXT_PASS, L"pass"),
                                    textOf(texts, TEXT_FAIL, L"fail")};
    const double ratio = Contrast::ratio(roles_[TEXT_ROLE].role.colour(), roles_[BACKGROUND_ROLE].role.colour());
    const ContrastLine::Text line = ContrastLine::compose(words, ratio);
    // The label answers WM_GETTEXT with it, which is what screen readers read.
    contrastLine_->setText(line.text);
    if (!contrastLine_->getHandle()) return;
    // A grade word longer than the one before ("pass" after "fail") may need more
    // room than the window has: it grows once rather than cutting the line off.
    if (showContrast_ && window_ && contrastLine_->getMinimumWidth() > contrastLine_->getWidth())
        window_->growToContent();
}

void Dialog::toggleShowContrast() {
    showContrast_ = !showContrast_;
    if (rightClickMenu_) rightClickMenu_->setChecked(DialogCommands::SHOW_CONTRAST, showContrast_);
    map::IMappedData* store = appWindow_->application()->getStore();
    if (store) store->setBool(appWindow_->sectionPath(VIEW_SECTION), SHOW_CONTRAST_VALUE, showContrast_);
    if (!contrastBox_) return;
    const int height = showContrast_ ? -1 : 0;
    contrastBox_->setSizeOverrides(-1, height, FILL, height);
    contrastBox_->setVisible(showContrast_);
    showContrast();
    window_->fitToContent();
}

void Dialog::fixContrast(double target) {
    const RoleIndex index = selectedRole();
    RolePage& role = roles_[index];
    const color::ColorValue other = roles_[index == TEXT_ROLE ? BACKGROUND_ROLE : TEXT_ROLE].role.colour();
    if (Contrast::ratio(role.role.colour(), other) >= target) return;  // passes already: nothing to mend
    int lightness = 0;
    if (!Contrast::nearestLightness(role.role.hue(), role.role.saturation(), role.role.lightness(), other, target,
                                    &lightness)) {
        if (role.hint)
            role.hint->showTemporaryText(textOf(localizer(), TEXT_CANNOT_REACH, L"Cannot reach this contrast."), true,
                                         CANNOT_REACH_MS);
        return;
    }
    // The colour of the found lightness, also when it is the stored one (the shown
    // colour, a sample, need not be exactly what H, S and L make).
    const color::ColorValue fixed =
        color::hslToRgb(color::HslTriple{role.role.hue(), role.role.saturation(), lightness});
    role.role.setComponent(ColorRole::LIGHTNESS, lightness);
    applyRole(index, fixed, ColorUpdate::componentEdit());
}

void Dialog::selectCopyFormat(int format) {
    if (format < 0 || format >= ColorText::FORMAT_COUNT) return;
    copyFormat_ = format;
    if (copyAsMenu_) copyAsMenu_->checkRadioById(DialogCommands::FIRST_COPY_FORMAT + format);
    map::IMappedData* store = appWindow_->application()->getStore();
    if (store) store->setS32(appWindow_->sectionPath(VIEW_SECTION), COPY_FORMAT_VALUE, int32_t(format));
}

void Dialog::onPaste(RoleIndex index) {
    color::ColorValue colour = 0;
    if (!ColorText::parse(roles_[index].hexField->pastedText(), &colour)) return;
    // As typed digits are applied, but the field shows the colour as RRGGBB.
    applyRole(index, colour, ColorUpdate::sample(colour));
}

}  // namespace s::image::gui::dialogs::huesnap
