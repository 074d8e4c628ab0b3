// The main colour window's components and their layout: a column holding the
// title bar, the sample panel, the role row and the pile of the two role pages.
#include "picker/Dialog.h"

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "gui/IControl.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/Skinner.h"
#include "gui/layout/DesignSizes.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/Dpi.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Image.h"
#include "gui/win/Label.h"
#include "gui/win/Slider.h"
#include "gui/win/Spacer.h"
#include "gui/win/TextField.h"
#include "image/win/BufferedImage.h"
#include "image/win/BufferedImageSet.h"
#include "lang/Localizer.h"
#include "picker/ButtonText.h"
#include "picker/DialogWindow.h"
#include "picker/IconPicture.h"
#include "picker/PaintedBox.h"
#include "gui/drawer/IWindow.h"
#include "gui/drawer/skin/SkinColours.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::FontSetting;
using s::gui::win::Label;
using s::gui::win::Slider;
using s::gui::win::TextField;

// "100%" along an axis: a preferred size no window reaches, so the rules hand
// the element every pixel its box can spare. Never scaled.
constexpr int FILL = s::gui::layout::DesignSizes::FILL;

// Language-pack entries of the window's own texts.
constexpr int32_t TEXT_SAMPLE = 900000;
constexpr int32_t TEXT_ROLE_TEXT = 740000;
constexpr int32_t TEXT_ROLE_BACKGROUND = 740100;
constexpr int32_t TEXT_COMPONENT_LABELS[3] = {1000100, 1000200, 1000300};
constexpr int32_t TEXT_HINT = 900200;
constexpr int32_t TEXT_PRESS_ALT = 900210;
constexpr int32_t TEXT_COPY = 900500;

// Font size codes.
constexpr int FONT_10_PT = 0;
constexpr int FONT_9_PT = -1;
constexpr int FONT_8_PT = -2;
constexpr int FONT_BOLD_9_PT = -105;
constexpr int FONT_BOLD_8_PT = -106;

// The widths the layout plans for the text buttons; a longer text widens them.
constexpr int ROLE_BUTTON_WIDTH = 40;
constexpr int COPY_BUTTON_WIDTH = 60;

constexpr int SLIDER_STEP = 10;
constexpr int COMPONENT_MAXIMUM[3] = {359, 100, 100};

}  // namespace

// Every size below is in 96-DPI design units: the record scales it to the
// window's DPI now and again whenever the window's DPI changes.
void Dialog::fixedSize(s::gui::IComponent* component, int width, int height) {
    sizes_.setMinimumSize(component, width, height);
    sizes_.setPreferredSize(component, width, height);
}

void Dialog::fillWidth(s::gui::IComponent* component, int minimumWidth, int height) {
    sizes_.setMinimumSize(component, minimumWidth, height);
    sizes_.setPreferredSize(component, FILL, height);
}

void Dialog::setMargins(Box* box, int leftRight, int topBottom) {
    sizes_.setLeftRightMargins(box, leftRight, leftRight);
    sizes_.setTopBottomMargins(box, topBottom, topBottom);
}

void Dialog::setSizeOverrides(Box* box, int minWidth, int minHeight, int prefWidth, int prefHeight) {
    sizes_.setSizeOverrides(box, minWidth, minHeight, prefWidth, prefHeight);
}

bool Dialog::keep(thread::IPoolable* object) {
    return objects_.keep(object);
}

void Dialog::keepControl(s::gui::IControl* control) {
    if (controlCount_ < MAX_OBJECTS) controls_[controlCount_++] = control;
}

FontSetting* Dialog::newFont(int sizeCode) {
    FontSetting* font = FontSetting::acquire();
    if (!keep(font)) return nullptr;
    if (fontCount_ < MAX_PAINTED) fonts_[fontCount_++] = font;
    font->setDpi(sizes_.dpi());
    font->setSizeCode(sizeCode);
    return font;
}

Box* Dialog::newBox(bool row) {
    Box* box = PaintedBox::acquire();
    if (!keep(box)) return nullptr;
    if (boxCount_ < MAX_PAINTED) boxes_[boxCount_++] = box;
    if (row) {
        box->setLayoutRow();
    } else {
        box->setLayoutColumn();
    }
    return box;
}

void Dialog::addSpacer(Box* box, int width, int height) {
    s::gui::win::Spacer* spacer = s::gui::win::Spacer::acquire();
    if (!box || !keep(spacer)) return;
    fixedSize(spacer, width, height);
    box->add(spacer);
}

Label* Dialog::newLabel(int32_t textId, const wchar_t* text, int sizeCode) {
    Label* label = Label::acquire();
    if (!keep(label)) return nullptr;
    if (labelCount_ < MAX_PAINTED) labels_[labelCount_++] = label;
    if (text) label->setText(text, false);
    if (textId != s::gui::IControl::NO_TEXT_ID) {
        label->setTextId(textId);
        label->setLocalizer(localizer());
        keepControl(label);
    }
    label->setTransparent(true);
    label->setFontSetting(newFont(sizeCode));
    return label;
}

Button* Dialog::newButton(int32_t textId, const wchar_t* text, int sizeCode) {
    Button* button = Button::acquire();
    if (!keep(button)) return nullptr;
    if (text) button->setText(text);
    if (textId != s::gui::IControl::NO_TEXT_ID) {
        button->setTextId(textId);
        button->setLocalizer(localizer());
        keepControl(button);
    }
    button->setFontSetting(newFont(sizeCode));
    return button;
}

Button* Dialog::newGlyphButton(const wchar_t* glyph, int width, int height) {
    Button* button = Button::acquire();
    if (!keep(button)) return nullptr;
    button->setGlyphText(glyph);
    fixedSize(button, width, height);
    return button;
}

Slider* Dialog::newSlider(int maximum) {
    Slider* slider = Slider::acquire();
    if (!keep(slider)) return nullptr;
    slider->setRange(0, maximum);
    slider->setStep(SLIDER_STEP);
    fillWidth(slider, 60, 16);
    return slider;
}

TextField* Dialog::newHexField(color::ColorValue colour) {
    TextField* field = TextField::acquire();
    if (!keep(field)) return nullptr;
    field->setText(color::formatHex(colour).digits);
    field->setChangeNotification(true);
    fillWidth(field, 50, 21);
    return field;
}

bool Dialog::buildControls() {
    sizes_.clear();
    sizes_.applyAt(s::gui::win::Dpi::forWindow(window_ ? window_->getHandle() : nullptr));
    mainColumn_ = newBox(false);
    if (!mainColumn_) return false;
    setMargins(mainColumn_, 3, 3);
    mainColumn_->add(buildTitleBar());
    mainColumn_->add(buildSamplePanel());
    mainColumn_->add(buildContrastLine());
    mainColumn_->add(buildRoleRow());
    addSpacer(mainColumn_, 0, 5);
    pagePile_ = newBox(false);
    if (!pagePile_) return false;
    pagePile_->setLayoutPile();
    setSizeOverrides(pagePile_, -1, -1, FILL, FILL);
    // The text page is built now but joins the pile (and gets its windows) only
    // once the window is shown: the page shown at start is the background one.
    buildPage(TEXT_ROLE);
    pagePile_->add(buildPage(BACKGROUND_ROLE));
    mainColumn_->add(pagePile_);
    addSpacer(mainColumn_, 0, 1);
    for (const RolePage& role : roles_)
        if (!role.page || !role.hexField || !role.roleButton) return false;
    return titleButtons_[PIN_BUTTON] && sampleLabel_;
}

Box* Dialog::buildTitleBar() {
    Box* bar = newBox(true);
    Box* title = newBox(true);
    if (!bar || !title) return nullptr;
    titleButtons_[PIN_BUTTON] = newGlyphButton(L"#OnTop", 16, 16);
    titleButtons_[MINIMIZE_BUTTON] = newGlyphButton(L"#_", 16, 16);
    titleButtons_[CLOSE_BUTTON] = newGlyphButton(L"#X", 16, 16);
    if (titleButtons_[PIN_BUTTON]) titleButtons_[PIN_BUTTON]->setToggleMode(true);
    s::gui::win::Image* icon = s::gui::win::Image::acquire();
    if (keep(icon)) {
        icon->setPicture(iconPicture(appWindow_->application()->smallIcon(), sizes_.pixels(14)));
        icon->setScaled(true);
        icon->setTransparent(true);
        fixedSize(icon, 14, 14);
        title->add(icon);
    }
    addSpacer(title, 3, 0);
    title->add(newLabel(productBase(), nullptr, FONT_BOLD_9_PT));
    setSizeOverrides(title, -1, 20, FILL, 20);
    bar->add(titleButtons_[PIN_BUTTON]);
    addSpacer(bar, 2, 0);
    bar->add(title);
    addSpacer(bar, 8, 0);
    bar->add(titleButtons_[MINIMIZE_BUTTON]);
    addSpacer(bar, 2, 0);
    bar->add(titleButtons_[CLOSE_BUTTON]);
    return bar;
}

Box* Dialog::buildSamplePanel() {
    samplePanel_ = newBox(false);
    if (!samplePanel_) return nullptr;
    setMargins(samplePanel_, 5, 10);
    setSizeOverrides(samplePanel_, -1, 100, FILL, 100);
    samplePanel_->setBackground(roles_[BACKGROUND_ROLE].role.colour());
    sampleLabel_ = newLabel(TEXT_SAMPLE, nullptr, FONT_10_PT);
    if (sampleLabel_) sampleFont_ = sampleLabel_->getFontSetting();
    samplePanel_->add(sampleLabel_);
    return samplePanel_;
}

Box* Dialog::buildRoleRow() {
    Box* row = newBox(true);
    if (!row) return nullptr;
    regularRoleFont_ = newFont(FONT_8_PT);
    boldRoleFont_ = newFont(FONT_BOLD_8_PT);
    const int32_t texts[ROLE_COUNT] = {TEXT_ROLE_TEXT, TEXT_ROLE_BACKGROUND};
    for (int i = 0; i < ROLE_COUNT; ++i) {
        Button* button = newButton(texts[i], nullptr, FONT_8_PT);
        roles_[i].roleButton = button;
        if (!button) continue;
        button->setFontSetting(regularRoleFont_);
        button->setToggleMode(true);
        button->setReleasable(false);
        fillWidth(button, ROLE_BUTTON_WIDTH, 20);
        row->add(button);
    }
    setSizeOverrides(row, -1, -1, FILL, -1);
    return row;
}

Box* Dialog::buildPage(RoleIndex index) {
    Box* page = newBox(false);
    roles_[index].page = page;
    if (!page) return nullptr;
    setSizeOverrides(page, -1, -1, FILL, FILL);
    for (int component = 0; component < 3; ++component) {
        if (component > 0) addSpacer(page, 0, 6);
        page->add(buildComponentRow(index, component));
    }
    page->add(buildHintColumn(index));
    page->add(buildColourRow(index));
    addSpacer(page, 0, 2);
    Button* copy = newButton(TEXT_COPY, nullptr, FONT_9_PT);
    roles_[index].copy = copy;
    if (copy) fillWidth(copy, COPY_BUTTON_WIDTH, 21);
    page->add(copy);
    return page;
}

Box* Dialog::buildComponentRow(RoleIndex index, int component) {
    Box* row = newBox(true);
    Box* labelBox = newBox(true);
    if (!row || !labelBox) return nullptr;
    labelBox->add(newLabel(TEXT_COMPONENT_LABELS[component], nullptr, FONT_8_PT));
    setSizeOverrides(labelBox, 15, -1, 15, -1);
    RolePage& role = roles_[index];
    role.sliders[component] = newSlider(COMPONENT_MAXIMUM[component]);
    role.decrease[component] = newGlyphButton(L"#Left", 16, 16);
    role.increase[component] = newGlyphButton(L"#Right", 16, 16);
    row->add(labelBox);
    row->add(role.sliders[component]);
    row->add(role.decrease[component]);
    row->add(role.increase[component]);
    setSizeOverrides(row, -1, -1, FILL, -1);
    return row;
}

Box* Dialog::buildHintColumn(RoleIndex index) {
    Box* column = newBox(false);
    if (!column) return nullptr;
    sizes_.setLeftRightMargins(column, 6, 6);
    roles_[index].hint = newLabel(TEXT_HINT, nullptr, FONT_8_PT);
    column->add(roles_[index].hint);
    column->add(newLabel(TEXT_PRESS_ALT, nullptr, FONT_BOLD_8_PT));
    setSizeOverrides(column, -1, -1, FILL, -1);
    return column;
}

Box* Dialog::buildColourRow(RoleIndex index) {
    Box* row = newBox(true);
    if (!row) return nullptr;
    RolePage& role = roles_[index];
    role.swatch = newGlyphButton(color::swatchName(role.role.colour()).text, 60, 21);
    role.hexField = newHexField(role.role.colour());
    row->add(role.swatch);
    row->add(newLabel(s::gui::IControl::NO_TEXT_ID, L"#", FONT_8_PT));
    row->add(role.hexField);
    setSizeOverrides(row, -1, -1, FILL, -1);
    return row;
}

void Dialog::applySkin() {
    s::gui::drawer::Skinner* skinner = appWindow_ ? appWindow_->skinner() : nullptr;
    s::gui::drawer::ISkin* skin = skinner ? skinner->selectedSkin() : nullptr;
    if (!skin || !window_) return;
    window_->setWindowDrawer(skin->getWindow());
    paintWithSkin(skinner, skin);
    for (Button* button : titleButtons_)
        if (button) button->setDrawer(skin->getButton());
    for (RolePage& role : roles_) {
        Button* buttons[] = {role.roleButton,  role.swatch,      role.copy,        role.decrease[0], role.decrease[1],
                             role.decrease[2], role.increase[0], role.increase[1], role.increase[2]};
        for (Button* button : buttons)
            if (button) button->setDrawer(skin->getButton());
        for (Slider* slider : role.sliders)
            if (slider) slider->setDrawer(skin->getSlider());
    }
    InvalidateRect(window_->getHandle(), nullptr, TRUE);
}

void Dialog::paintWithSkin(s::gui::drawer::Skinner* skinner, s::gui::drawer::ISkin* skin) {
    const COLORREF body = skin->getWindow() ? skin->getWindow()->getBackground() : GetSysColor(COLOR_BTNFACE);
    for (int i = 0; i < boxCount_; ++i)
        if (boxes_[i] != samplePanel_) boxes_[i]->setBackground(body);
    // The set's text colour (C6) when the set is the program's own; else the system's.
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const int32_t index = skinner->getSelection();
    if (lstrcmpW(skinner->getFamily(), s::gui::drawer::skin::kThinWindowFamily) == 0 && index >= 0 &&
        index < s::gui::drawer::skin::skinColoursCount())
        text = s::gui::drawer::skin::skinColoursAt(index).colour(6);
    for (int i = 0; i < labelCount_; ++i) {
        if (labels_[i] == sampleLabel_) continue;
        if (labels_[i]->getFontSetting()) labels_[i]->getFontSetting()->setForeground(text);
        labels_[i]->setForeground(text);
    }
}

void Dialog::refreshTexts() {
    lang::Localizer* texts = localizer();
    if (!texts) return;
    for (int i = 0; i < controlCount_; ++i) controls_[i]->setText(texts->getText(controls_[i]->getTextId()));
    if (!window_) return;
    window_->refreshTitle();
    // Longer texts need a larger window: never squeeze them. A window the user
    // made larger than the new texts need keeps its size.
    fitButtonsToTexts();
    window_->growToContent(DialogWindow::MINIMUM_CONTENT_WIDTH);
}

// A role button is measured in the bold font whichever role is pressed, so
// switching roles never changes the window's size.
void Dialog::fitButtonsToTexts() {
    // At the window's scale: the buttons may have no windows yet.
    const int dpi = s::gui::win::Dpi::forWindow(window_ ? window_->getHandle() : nullptr);
    for (RolePage& role : roles_) {
        fitButtonToText(role.roleButton, boldRoleFont_, sizes_.pixels(ROLE_BUTTON_WIDTH), dpi);
        fitButtonToText(role.copy, nullptr, sizes_.pixels(COPY_BUTTON_WIDTH), dpi);
    }
}

}  // namespace s::image::gui::dialogs::huesnap
