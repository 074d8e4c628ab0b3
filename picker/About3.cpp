#include "picker/About3.h"

#include <cwchar>

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "gui/IButton.h"
#include "gui/IControl.h"
#include "gui/ILabel.h"
#include "gui/IWindow.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/IWindow.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/skin/SkinColours.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/ControlMessages.h"
#include "gui/win/Dpi.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Image.h"
#include "gui/win/Label.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "picker/ButtonText.h"
#include "picker/DialogWindow.h"
#include "picker/IconPicture.h"
#include "picker/PaintedBox.h"

namespace s::gui::dialogs {

S_POOLED_CLASS_IMPL(About3, thread::EasyPooler::NO_CAPACITY)

namespace {

using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::FontSetting;
using s::gui::win::Label;
using s::image::gui::dialogs::huesnap::DialogWindow;
using s::image::gui::dialogs::huesnap::PaintedBox;

// "100%" along an axis: a preferred size no window reaches, so the layout hands
// the element every pixel its box can spare.
constexpr int FILL = 10000;
// The table, the support panel's texts and the buttons.
constexpr int FONT_8_PT = -2;
// Dark text on the support panel's light fill, whatever the skin's text colour.
constexpr COLORREF SUPPORT_TEXT_COLOUR = RGB(0, 0, 0);

void fixedSize(s::gui::IComponent* component, int width, int height) {
    component->setMinimumSize(width, height);
    component->setPreferredSize(width, height);
}

// A row or column that takes the whole width its box offers.
void fillWidth(Box* box) {
    if (box) box->setSizeOverrides(-1, -1, FILL, -1);
}

void addTo(Box* box, s::gui::IComponent* component) {
    if (box && component) box->add(component);
}

}  // namespace

About3::About3() : window_(nullptr), boxCount_(0), labelCount_(0) {
    reset();
}

About3::~About3() {
    releaseWindow();
}

void About3::reset() {
    releaseWindow();
    appWindow_ = nullptr;
    opener_ = &app::win::AppBase::openWithShell;
}

void About3::setPageOpener(PageOpener opener) {
    opener_ = opener ? opener : &app::win::AppBase::openWithShell;
}

bool About3::isOpen() const {
    return window_ && !window_->isClosingDone();
}

lang::Localizer* About3::localizer() const {
    return appWindow_ ? appWindow_->languagePack() : nullptr;
}

int32_t About3::productBase() const {
    return appWindow_ ? appWindow_->textBase() : app::win::AppBase::TEXT_BASE;
}

// ---- The title

const wchar_t* About3::titleFor(lang::Localizer* texts, int32_t productText) {
    const wchar_t* title = texts ? texts->getText(TEXT_HEADING) : L"";
    return couldBeTakenForProduct(texts, productText, title) ? L"" : title;
}

bool About3::couldBeTakenForProduct(const lang::Localizer* texts, int32_t productText, const wchar_t* title) {
    if (!title || !*title || !texts) return false;
    const uint32_t length = uint32_t(wcslen(title));
    str::strarray::StrArray* names = str::strarray::StrArray::acquire();
    if (!names) return false;
    texts->textsInEveryLanguage(productText, *names);
    bool taken = false;
    for (uint32_t i = 0; i < names->count() && !taken; ++i) {
        const str::strbuffer::StrBuffer* name = names->get(i);
        taken = length <= name->length() && name->regionMatchesIgnoreCase(0, title, 0, int32_t(length));
    }
    names->release();
    return taken;
}

// ---- Showing

bool About3::show(HWND owner) {
    releaseWindow();
    if (!appWindow_) return false;
    window_ = DialogWindow::acquire();
    if (!window_ || !window_->hasNativeWindow()) {
        releaseWindow();
        return false;
    }
    window_->attachAppWindow(appWindow_, false);
    window_->setTitle(titleFor(localizer(), productBase()));
    // Every size below is a design unit, made pixels for the window's DPI.
    dpi_ = s::gui::win::Dpi::forWindow(window_->getHandle());
    if (!buildContent()) {
        releaseWindow();
        return false;
    }
    attachContent(owner);
    listen();
    applySkin();
    window_->sendUserEvent(LAYOUT_EVENT, nullptr, 0, 0);
    window_->show(true, true);
    return true;
}

void About3::attachContent(HWND owner) {
    // Owned by the caller's window: it stays above it and goes with it when minimised.
    window_->addListener(s::gui::EVENT_USER, this);
    if (owner) window_->sendUserEvent(OWNER_EVENT, owner, 0, 0);
    window_->addComponent(column_);
    window_->setContent(column_);
    SendMessageW(window_->getHandle(), s::gui::win::WM_APP_ATTACH, reinterpret_cast<WPARAM>(column_), 0);
}

void About3::listen() {
    values_[URL_ROW]->addListener(s::gui::ILabel::CLICKED, this);
    supportLink_->addListener(s::gui::ILabel::CLICKED, this);
    closeGlyph_->addListener(s::gui::IButton::CLICKED, this);
    closeButton_->addListener(s::gui::IButton::CLICKED, this);
}

// ---- Events

void About3::onEvent(s::gui::IComponent* source, int kind) {
    if (!window_ || !source) return;
    if (source == window_) {
        if (kind == s::gui::EVENT_USER) onWindowEvent();
    } else if (source == values_[URL_ROW]) {
        open(values_[URL_ROW]->getText());  // the address the link shows
    } else if (source == supportLink_) {
        lang::Localizer* texts = localizer();
        if (texts) open(texts->getText(productBase() + SUPPORT_PAGE_OFFSET));
    } else if (source == closeGlyph_ || source == closeButton_) {
        window_->close();
    }
}

void About3::onWindowEvent() {
    const wchar_t* name = window_->getUserEventName();
    HWND hwnd = window_->getHandle();
    if (name == OWNER_EVENT) {
        SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window_->getUserEventData()));
    } else if (name == LAYOUT_EVENT) {
        // The window keeps the size of its binding unless a text needs more room.
        s::image::gui::dialogs::huesnap::fitButtonToText(closeButton_, nullptr, px(CLOSE_BUTTON_SIZE.cx));
        window_->growToContent();
    }
}

void About3::open(const wchar_t* address) const {
    if (address && *address) opener_(address);
}

// ---- The end of a window

void About3::releaseWindow() {
    if (window_ && window_->hasNativeWindow()) {
        // Hidden (its place saved) and back with its own hidden owner on its own thread,
        // so that destroying it activates nothing of the thread that releases it.
        window_->show(false, false);
        window_->sendUserEvent(OWNER_EVENT, reinterpret_cast<void*>(window_->getOwnerHandle()), 0, 0);
    }
    if (window_ && column_) window_->removeComponent(column_);
    if (window_) window_->setContent(nullptr);
    objects_.releaseAll();
    boxCount_ = labelCount_ = 0;
    if (window_) window_->release();
    window_ = nullptr;
    column_ = supportFrame_ = supportPanel_ = nullptr;
    heading_ = productName_ = supportText_ = supportLink_ = nullptr;
    productIcon_ = nullptr;
    for (int i = 0; i < ROW_COUNT; ++i) captions_[i] = values_[i] = nullptr;
    closeGlyph_ = closeButton_ = nullptr;
    buttons_[0] = buttons_[1] = nullptr;
    linkHoverFont_ = nullptr;
}

// ---- Building

int About3::px(int designUnits) const {
    return s::gui::win::Dpi::scale(designUnits, dpi_);
}

bool About3::keep(thread::IPoolable* object) {
    return objects_.keep(object);
}

FontSetting* About3::newFont(int sizeCode) {
    FontSetting* font = FontSetting::acquire();
    if (!keep(font)) return nullptr;
    font->setDpi(dpi_);
    font->setSizeCode(sizeCode);
    return font;
}

Box* About3::newBox(bool row) {
    PaintedBox* box = PaintedBox::acquire();
    if (!keep(box)) return nullptr;
    boxes_[boxCount_++] = box;
    if (row) {
        box->setLayoutRow();
    } else {
        box->setLayoutColumn();
    }
    return box;
}

Label* About3::newLabel(int32_t textId, int sizeCode) {
    Label* label = Label::acquire();
    if (!keep(label)) return nullptr;
    labels_[labelCount_++] = label;
    label->setTextId(textId);
    label->setLocalizer(localizer());
    label->setTransparent(true);
    label->setFontSetting(newFont(sizeCode));
    return label;
}

Label* About3::newLink(int32_t textId) {
    Label* link = newLabel(textId, FONT_8_PT);
    if (!link) return nullptr;
    // The page is opened here, through the replaceable opener, not by the label itself.
    link->setLinkTarget(L"");
    if (!linkHoverFont_) {
        linkHoverFont_ = newFont(FONT_8_PT);
        if (linkHoverFont_) linkHoverFont_->setForeground(LINK_HOVER_COLOUR);
    }
    link->setLinkFontSettings(linkHoverFont_, linkHoverFont_);
    return link;
}

Button* About3::newButton(int32_t textId, const wchar_t* glyph, SIZE size) {
    Button* button = Button::acquire();
    if (!keep(button)) return nullptr;
    if (glyph) {
        button->setGlyphText(glyph);
    } else {
        button->setTextId(textId);
        button->setLocalizer(localizer());
        button->setFontSetting(newFont(FONT_8_PT));
    }
    fixedSize(button, px(size.cx), px(size.cy));
    return button;
}

bool About3::buildContent() {
    column_ = newBox(false);
    if (!column_) return false;
    column_->setLeftRightMargins(px(8), px(8));
    column_->setTopBottomMargins(px(4), px(8));
    column_->setVerticalGap(px(8));
    addTo(column_, buildHeaderRow());
    addTo(column_, buildProductRow());
    addTo(column_, buildTable());
    addTo(column_, buildSupportPanel());
    addTo(column_, buildButtonRow());
    for (Label* label : values_)
        if (!label) return false;
    return heading_ && productName_ && supportText_ && supportLink_ && closeGlyph_ && closeButton_;
}

Box* About3::buildHeaderRow() {
    Box* row = newBox(true);
    Box* headingBox = newBox(true);
    if (!row || !headingBox) return nullptr;
    heading_ = newLabel(TEXT_HEADING, HEADING_SIZE_CODE);
    addTo(headingBox, heading_);
    headingBox->setSizeOverrides(-1, -1, FILL, -1);
    closeGlyph_ = newButton(s::gui::IControl::NO_TEXT_ID, L"#X", CLOSE_GLYPH_SIZE);
    buttons_[0] = closeGlyph_;
    row->add(headingBox);
    addTo(row, closeGlyph_);
    fillWidth(row);
    return row;
}

Box* About3::buildProductRow() {
    Box* row = newBox(true);
    if (!row) return nullptr;
    row->setHorizontalGap(px(4));
    row->setVerticalAlignmentCentre();
    productIcon_ = s::gui::win::Image::acquire();
    if (keep(productIcon_)) {
        app::win::AppBase* app = appWindow_->application();
        productIcon_->setPicture(
            s::image::gui::dialogs::huesnap::iconPicture(app ? app->smallIcon() : nullptr, px(ICON_SIZE)));
        productIcon_->setTransparent(true);
        fixedSize(productIcon_, px(ICON_SIZE), px(ICON_SIZE));
        row->add(productIcon_);
    } else {
        productIcon_ = nullptr;
    }
    productName_ = newLabel(productBase(), PRODUCT_SIZE_CODE);
    addTo(row, productName_);
    fillWidth(row);
    return row;
}

Box* About3::buildTable() {
    Box* table = newBox(true);
    Box* captions = newBox(false);
    Box* values = newBox(false);
    if (!table || !captions || !values) return nullptr;
    table->setHorizontalGap(px(10));
    captions->setVerticalGap(px(3));
    values->setVerticalGap(px(3));
    const int32_t captionTexts[ROW_COUNT] = {TEXT_VERSION_CAPTION, TEXT_UPDATED_CAPTION, TEXT_URL_CAPTION};
    const int32_t valueTexts[ROW_COUNT] = {productBase() + VERSION_OFFSET, productBase() + UPDATED_OFFSET, TEXT_URL};
    for (int i = 0; i < ROW_COUNT; ++i) {
        captions_[i] = newLabel(captionTexts[i], FONT_8_PT);
        values_[i] = i == URL_ROW ? newLink(valueTexts[i]) : newLabel(valueTexts[i], FONT_8_PT);
        addTo(captions, captions_[i]);
        addTo(values, values_[i]);
    }
    table->add(captions);
    table->add(values);
    fillWidth(table);
    return table;
}

Box* About3::buildSupportPanel() {
    supportFrame_ = newBox(false);
    supportPanel_ = newBox(false);
    if (!supportFrame_ || !supportPanel_) return nullptr;
    // The frame is the outer box's colour showing round the panel's one-pixel margin.
    supportFrame_->setMargins(px(1), px(1), px(1), px(1));
    supportPanel_->setMargins(px(8), px(8), px(6), px(6));
    supportPanel_->setVerticalGap(px(3));
    supportText_ = newLabel(productBase() + SUPPORT_QUESTION_OFFSET, FONT_8_PT);
    supportLink_ = newLink(productBase() + SUPPORT_LINK_OFFSET);
    addTo(supportPanel_, supportText_);
    addTo(supportPanel_, supportLink_);
    fillWidth(supportPanel_);
    supportFrame_->add(supportPanel_);
    fillWidth(supportFrame_);
    return supportFrame_;
}

Box* About3::buildButtonRow() {
    Box* row = newBox(true);
    if (!row) return nullptr;
    row->setHorizontalAlignmentCentre();
    closeButton_ = newButton(TEXT_CLOSE, nullptr, CLOSE_BUTTON_SIZE);
    buttons_[1] = closeButton_;
    addTo(row, closeButton_);
    fillWidth(row);
    return row;
}

// ---- Skin

void About3::applySkin() {
    s::gui::drawer::Skinner* skinner = appWindow_->skinner();
    s::gui::drawer::ISkin* skin = skinner ? skinner->selectedSkin() : nullptr;
    if (skin) window_->setWindowDrawer(skin->getWindow());
    const COLORREF body =
        skin && skin->getWindow() ? skin->getWindow()->getBackground() : s::gui::win::Window::defaultBackground();
    for (int i = 0; i < boxCount_; ++i) boxes_[i]->setBackground(body);
    supportFrame_->setBackground(SUPPORT_FRAME);
    supportPanel_->setBackground(SUPPORT_FILL);
    for (Button* button : buttons_)
        if (button && skin) button->setDrawer(skin->getButton());
    // The set's text colour (C6) when the set is the program's own; else the system's.
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const int32_t index = skinner ? skinner->getSelection() : -1;
    if (skinner && lstrcmpW(skinner->getFamily(), s::gui::drawer::skin::kThinWindowFamily) == 0 && index >= 0 &&
        index < s::gui::drawer::skin::skinColoursCount())
        text = s::gui::drawer::skin::skinColoursAt(index).colour(6);
    paintLabels(text);
}

void About3::paintLabels(COLORREF text) {
    for (int i = 0; i < labelCount_; ++i) {
        Label* label = labels_[i];
        COLORREF colour = text;
        if (label->isLink()) {
            colour = LINK_COLOUR;
        } else if (label == supportText_) {
            colour = SUPPORT_TEXT_COLOUR;
        }
        if (label->getFontSetting()) label->getFontSetting()->setForeground(colour);
        label->setForeground(colour);
    }
}

}  // namespace s::gui::dialogs
