#include "picker/Dialog.h"

#include <atomic>

#include "app/IAppWindow.h"
#include "app/thread/win/Thread.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "foundation/system/trace/win/StartTrace.h"
#include "foundation/thread/EasyPooler.h"
#include "gui/IButton.h"
#include "gui/IWindow.h"
#include "gui/ISlider.h"
#include "gui/ITextField.h"
#include "gui/dialogs/win/HueSnap.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/ISkin.h"
#include "gui/win/Box.h"
#include "gui/win/Button.h"
#include "gui/win/FontSetting.h"
#include "gui/win/Label.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/ReflectionRules.h"
#include "gui/win/Slider.h"
#include "gui/win/TextField.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "settings/map/IMappedData.h"
#include "image/color/ColorText.h"
#include "image/color/Contrast.h"
#include "picker/ClipboardText.h"
#include "picker/DialogMenus.h"
#include "picker/DialogWindow.h"

namespace s::image::gui::dialogs::huesnap {

S_POOLED_CLASS_IMPL(Dialog, thread::EasyPooler::NO_CAPACITY)

namespace {

using s::gui::win::Button;
using s::gui::win::PopupMenu;
using s::system::trace::win::StartTrace;

std::atomic<Dialog::PageOpener> gPageOpener{&app::win::AppBase::openWithShell};

// Slider gradient modes: hue, saturation, lightness run along the track.
constexpr int GRADIENT_MODES[3] = {5, 6, 7};

}  // namespace

Dialog::PageOpener Dialog::setPageOpener(PageOpener opener) {
    return gPageOpener.exchange(opener ? opener : &app::win::AppBase::openWithShell);
}

bool Dialog::openAddress(const wchar_t* address) {
    return gPageOpener.load()(address);
}

Dialog::Dialog()
    : window_(nullptr), samplerThread_(thread::win::Thread::acquire()), controlCount_(0), boxCount_(0), labelCount_(0) {
    sampler_.setWatcher(&lens_);
    reset();
}

Dialog::~Dialog() {
    reset();
    if (samplerThread_) samplerThread_->release();
}

void Dialog::reset() {
    sampler_.requestStop();
    if (samplerThread_) samplerThread_->waitEnded();
    sampler_.clearStop();
    releaseAll();
    appWindow_ = nullptr;
    rightClickMenu_ = trayMenu_ = skinMenu_ = languageMenu_ = copyAsMenu_ = nullptr;
    copyFormat_ = 0;
    showContrast_ = true;
    contrastBox_ = nullptr;
    contrastLine_ = nullptr;
    for (Button*& button : titleButtons_) button = nullptr;
    keepInScreen_ = false;
    lens_.setEnabled(true);
    mainColumn_ = samplePanel_ = pagePile_ = nullptr;
    sampleLabel_ = nullptr;
    sampleFont_ = regularRoleFont_ = boldRoleFont_ = nullptr;
    for (RolePage& role : roles_) role = RolePage();
    roles_[TEXT_ROLE].role.apply(DEFAULT_TEXT_COLOR, ColorUpdate::all());
    roles_[BACKGROUND_ROLE].role.apply(DEFAULT_BACKGROUND_COLOR, ColorUpdate::all());
}

void Dialog::releaseAll() {
    releaseVersionWindow();
    // The window's native children go first, while the window's thread still runs;
    // each component before the box that holds it.
    if (window_ && mainColumn_) window_->removeComponent(mainColumn_);
    if (window_) window_->setContent(nullptr);
    objects_.releaseAll();
    controlCount_ = boxCount_ = labelCount_ = fontCount_ = 0;
    sizes_.clear();
    if (window_) window_->release();  // the menus go with it
    window_ = nullptr;
}

bool Dialog::isFinished() const {
    return !window_ || window_->isFinished();
}

lang::Localizer* Dialog::localizer() const {
    return appWindow_ ? appWindow_->languagePack() : nullptr;
}

int32_t Dialog::productBase() const {
    return appWindow_ && appWindow_->application() ? appWindow_->application()->textBase()
                                                   : app::win::AppBase::TEXT_BASE;
}

// ---- Set-up

bool Dialog::setUp(bool startupFlag) {
    if (!appWindow_ || window_) return false;
    // Without its sampler thread the window could never sample: no window then.
    // The pool may have one again since this object was made.
    if (!samplerThread_) samplerThread_ = thread::win::Thread::acquire();
    if (!samplerThread_) return false;
    window_ = DialogWindow::acquire();
    if (!window_ || !window_->hasNativeWindow()) return false;
    StartTrace::mark("window-thread");
    window_->attachAppWindow(appWindow_, false);
    StartTrace::mark("window-attributes");
    buildMenus();
    StartTrace::mark("menus");
    readColours();
    if (!buildControls()) return false;
    selectInitialRole();
    listenToControls();
    showRole(TEXT_ROLE);
    showRole(BACKGROUND_ROLE);
    StartTrace::mark("control-objects");
    window_->addComponent(mainColumn_);
    window_->setContent(mainColumn_);
    // Skin, texts and sizes are settled on the objects before any control's window
    // exists: each window is then made once, in its place and with its skin, where
    // laying out made windows would move and repaint dozens of them several times.
    listenToWindow();
    applySkin();
    window_->sendUserEvent(LAYOUT_EVENT, nullptr, 0, 0);
    StartTrace::mark("skin-and-layout");
    SendMessageW(window_->getHandle(), s::gui::win::WM_APP_ATTACH, reinterpret_cast<WPARAM>(mainColumn_), 0);
    StartTrace::mark("native-controls");
    applyBehaviours();
    StartTrace::mark("placement");
    window_->show(true, !startupFlag);
    StartTrace::mark("shown");
    // The sampler only waits for Alt: its thread need not hold up the first show.
    samplerThread_->runOnce(this);
    StartTrace::mark("sampler-thread");
    // Creating windows costs time a person would see: the page that is not shown
    // gets its windows after the window appeared, on the window's thread.
    window_->sendUserEvent(HIDDEN_PAGE_EVENT, nullptr, 0, 0);
    if (startupFlag) window_->iconize();
    return true;
}

void Dialog::buildMenus() {
    lang::Localizer* texts = localizer();
    trayMenu_ = DialogMenus::buildTrayMenu(texts);
    window_->setTrayMenu(trayMenu_);
    skinMenu_ = DialogMenus::buildSkinMenu(texts, appWindow_->skinner());
    languageMenu_ = DialogMenus::buildLanguageMenu(texts);
    map::IMappedData* store = appWindow_->application()->getStore();
    keepInScreen_ = store && store->getBool(appWindow_->sectionPath(VIEW_SECTION), KEEP_IN_SCREEN_VALUE, false);
    readViewChoices();
    lens_.setEnabled(!store || store->getBool(appWindow_->sectionPath(VIEW_SECTION), MAGNIFIER_VALUE, true));
    copyAsMenu_ = DialogMenus::buildCopyAsMenu(texts, copyFormat_);
    const DialogMenus::Checks checks{window_->isKeepOnTop(), keepInScreen_,
                                     window_->getMiddleClickAction() == app::IAppWindow::ACTION_CLOSE, showContrast_,
                                     lens_.isEnabled()};
    rightClickMenu_ = DialogMenus::buildRightClickMenu(texts, checks, skinMenu_, languageMenu_, copyAsMenu_);
}

// A colour value never has bits 24-31 set: such a stored value (a failed screen
// read stored by an older version, or an edited registry) reads as the default.
color::ColorValue Dialog::storedColour(const wchar_t* name, color::ColorValue fallback) const {
    map::IMappedData* store = appWindow_->application()->getStore();
    if (!store) return fallback;
    const color::ColorValue stored =
        color::ColorValue(store->getS32(appWindow_->sectionPath(VIEW_SECTION), name, int32_t(fallback)));
    return ScreenSampler::isReadColour(stored) ? stored : fallback;
}

void Dialog::readColours() {
    roles_[TEXT_ROLE].role.apply(storedColour(TEXT_COLOR_VALUE, DEFAULT_TEXT_COLOR), ColorUpdate::all());
    roles_[BACKGROUND_ROLE].role.apply(storedColour(BACKGROUND_COLOR_VALUE, DEFAULT_BACKGROUND_COLOR),
                                       ColorUpdate::all());
}

void Dialog::selectInitialRole() {
    roles_[BACKGROUND_ROLE].roleButton->setToggled(true);
    roles_[BACKGROUND_ROLE].roleButton->setFontSetting(boldRoleFont_);
    roles_[TEXT_ROLE].page->setVisible(false);
}

void Dialog::listenToControls() {
    for (RolePage& role : roles_) {
        role.roleButton->addListener(s::gui::IButton::CLICKED, this);
        role.hexField->addListener(s::gui::ITextField::CHANGED, this);
        role.hexField->setPasteTaken(true);
        role.hexField->addListener(s::gui::ITextField::PASTED, this);
        Button* buttons[] = {role.swatch, role.copy};
        for (Button* button : buttons)
            if (button) button->addListener(s::gui::IButton::CLICKED, this);
        for (int i = 0; i < 3; ++i) {
            if (role.sliders[i]) role.sliders[i]->addListener(s::gui::ISlider::CHANGED, this);
            if (role.decrease[i]) role.decrease[i]->addListener(s::gui::IButton::CLICKED, this);
            if (role.increase[i]) role.increase[i]->addListener(s::gui::IButton::CLICKED, this);
        }
    }
}

void Dialog::showRole(RoleIndex index) {
    RolePage& role = roles_[index];
    const ColorRole shown = role.role;
    applyRole(index, shown.colour(), ColorUpdate{false, true, true, true});
}

void Dialog::listenToWindow() {
    window_->setPopupMenu(rightClickMenu_);
    if (rightClickMenu_) rightClickMenu_->addChoiceListener(this);
    if (trayMenu_) trayMenu_->addChoiceListener(this);
    titleButtons_[PIN_BUTTON]->addListener(s::gui::IButton::AFTER_CLICK, this);
    if (titleButtons_[MINIMIZE_BUTTON]) titleButtons_[MINIMIZE_BUTTON]->addListener(s::gui::IButton::CLICKED, this);
    if (titleButtons_[CLOSE_BUTTON]) titleButtons_[CLOSE_BUTTON]->addListener(s::gui::IButton::CLICKED, this);
    window_->addListener(s::gui::EVENT_CLOSING, this);
    window_->addListener(s::gui::EVENT_USER, this);
}

void Dialog::applyBehaviours() {
    titleButtons_[PIN_BUTTON]->setToggled(window_->isKeepOnTop());
    window_->setTaskBarButton(true);
    window_->sendUserEvent(LAYOUT_EVENT, nullptr, 0, 0);
    window_->moveIntoScreen();
    window_->setKeepInScreen(keepInScreen_);
}

// ---- The sampler

void Dialog::run() {
    sampler_.run(window_);
}

// ---- Events

void Dialog::onEvent(s::gui::IComponent* source, int kind) {
    if (!window_ || !source) return;
    if (source == window_) {
        onWindowEvent(kind);
        return;
    }
    if (onMenuEvent(source) || onTitleButton(source)) return;
    for (int i = 0; i < ROLE_COUNT; ++i)
        if (onRoleEvent(RoleIndex(i), source)) return;
}

bool Dialog::onWindowEvent(int kind) {
    if (kind == s::gui::EVENT_CLOSING) {
        sampler_.requestStop();
        return true;
    }
    if (kind != s::gui::EVENT_USER) return false;
    const wchar_t* name = window_->getUserEventName();
    if (name == ScreenSampler::PROCESS_NEW_COLOR && window_->getUserEventData()) {
        onSample(*static_cast<const color::ColorValue*>(window_->getUserEventData()));
    } else if (name == HIDDEN_PAGE_EVENT && pagePile_ && roles_[TEXT_ROLE].page) {
        // Its buttons are measured now that they exist, as the others were.
        pagePile_->add(roles_[TEXT_ROLE].page);
        fitButtonsToTexts();
        window_->fitToContent();
        StartTrace::mark("hidden-page");
    } else if (name == DialogWindow::DPI_CHANGED_EVENT && mainColumn_ && window_->getUserEventData()) {
        applyDpi(window_->getUserEventA(), *static_cast<const RECT*>(window_->getUserEventData()));
    } else if (name == LAYOUT_EVENT && mainColumn_) {
        // The window takes the size its content needs, with the frame around it.
        showContrast();  // the line's window exists now: it takes its text as window text
        fitButtonsToTexts();
        window_->fitToContent();
    }
    return true;
}

void Dialog::applyDpi(int dpi, const RECT& suggested) {
    sizes_.applyAt(dpi);
    for (int i = 0; i < fontCount_; ++i) fonts_[i]->setDpi(dpi);
    // Each control makes its font again from its (rescaled) setting and measures its text.
    for (int i = 0; i < labelCount_; ++i) labels_[i]->setFontSetting(labels_[i]->getFontSetting());
    for (RolePage& role : roles_) {
        Button* buttons[] = {role.roleButton, role.copy};
        for (Button* button : buttons)
            if (button) button->setFontSetting(button->getFontSetting());
    }
    fitButtonsToTexts();
    window_->takeRectangle(suggested);
}

void Dialog::onSample(color::ColorValue colour) {
    if (!ScreenSampler::isReadColour(colour)) return;  // a failed read: nothing to apply or store
    if (roles_[TEXT_ROLE].roleButton->isToggled()) {
        applyTextColor(colour, ColorUpdate::sample(colour));
    } else if (roles_[BACKGROUND_ROLE].roleButton->isToggled()) {
        applyBackgroundColor(colour, ColorUpdate::sample(colour));
    }
}

bool Dialog::onTitleButton(s::gui::IComponent* source) {
    if (source == titleButtons_[PIN_BUTTON]) {
        setKeepOnTop(titleButtons_[PIN_BUTTON]->isToggled());
    } else if (source == titleButtons_[MINIMIZE_BUTTON]) {
        ShowWindow(window_->getHandle(), SW_MINIMIZE);
    } else if (source == titleButtons_[CLOSE_BUTTON]) {
        window_->close();
    } else {
        return false;
    }
    return true;
}

bool Dialog::onRoleEvent(RoleIndex index, s::gui::IComponent* source) {
    RolePage& role = roles_[index];
    if (source == role.roleButton) {
        selectRole(index);
    } else if (source == role.hexField) {
        if (role.hexField->isPasting()) {
            onPaste(index);
        } else {
            onHexChanged(index);
        }
    } else if (source == role.swatch) {
        onSwatch(index);
    } else if (source == role.copy) {
        onCopy(index);
    } else {
        for (int i = 0; i < 3; ++i) {
            const ColorRole::Component component = ColorRole::Component(i);
            bool changed = false;
            if (source == role.sliders[i]) {
                changed = role.role.setComponent(component, role.sliders[i]->getPosition());
            } else if (source == role.decrease[i] || source == role.increase[i]) {
                changed = role.role.step(component, source == role.increase[i]);
            } else {
                continue;
            }
            if (changed) applyRole(index, role.role.colour(), ColorUpdate::componentEdit());
            return true;
        }
        return false;
    }
    return true;
}

void Dialog::selectRole(RoleIndex index) {
    RolePage& chosen = roles_[index];
    RolePage& other = roles_[index == TEXT_ROLE ? BACKGROUND_ROLE : TEXT_ROLE];
    if (chosen.roleButton->isToggled()) return;  // pressed before this click: nothing changes
    other.roleButton->setToggled(false);
    other.roleButton->setFontSetting(regularRoleFont_);
    chosen.roleButton->setToggled(true);
    chosen.roleButton->setFontSetting(boldRoleFont_);
    other.page->setVisible(false);
    chosen.page->setVisible(true);
    if (pagePile_) pagePile_->doLayout();
}

void Dialog::onHexChanged(RoleIndex index) {
    color::ColorValue colour = 0;
    if (!color::parseHex(roles_[index].hexField->getText(), &colour)) return;
    applyRole(index, colour, ColorUpdate::typed(colour));
}

// Only a colour chosen with OK is applied. Cancel leaves the role as it was:
// applying its own colour again would recompute the hue, saturation and
// lightness the user set (a rounded hue moves, a grey loses its hue) and store
// the value once more.
void Dialog::onSwatch(RoleIndex index) {
    s::gui::dialogs::win::HueSnap* chooser = s::gui::dialogs::win::HueSnap::acquire();
    if (!chooser) return;
    chooser->setColour(roles_[index].role.colour());
    const bool chosen = chooser->runModal(window_->getHandle());
    const color::ColorValue colour = chooser->getColour();
    chooser->release();
    if (chosen) applyRole(index, colour, ColorUpdate::all());
}

void Dialog::onCopy(RoleIndex index) {
    s::gui::win::TextField* field = roles_[index].hexField;
    // The hex format copies the field as it stands; the others write the role's colour.
    const color::ColorText::Text text = color::ColorText::format(roles_[index].role.colour(), copyFormat_);
    const wchar_t* copied = copyFormat_ == color::ColorText::HEX ? field->getText() : text.text;
    // Selecting the field tells the user the text was copied: not when it was not.
    if (!copyToClipboard(window_->getHandle(), copied)) return;
    field->focusAndSelectAll();
}

// ---- Applying a colour

void Dialog::applyTextColor(color::ColorValue colour, ColorUpdate update) {
    applyRole(TEXT_ROLE, colour, update);
}

void Dialog::applyBackgroundColor(color::ColorValue colour, ColorUpdate update) {
    applyRole(BACKGROUND_ROLE, colour, update);
}

void Dialog::applyRole(RoleIndex index, color::ColorValue colour, ColorUpdate update) {
    RolePage& role = roles_[index];
    role.role.apply(colour, update);
    const color::ColorValue rgb = colour & 0x00FFFFFF;
    if (update.hex && role.hexField) {
        // Not a change the user typed: it must not come back as one.
        role.hexField->setChangeNotification(false);
        role.hexField->setText(color::formatHex(colour).digits);
        role.hexField->setChangeNotification(true);
    }
    if (index == TEXT_ROLE && sampleLabel_) {
        if (sampleFont_) sampleFont_->setForeground(rgb);
        sampleLabel_->setForeground(rgb);
    } else if (index == BACKGROUND_ROLE && samplePanel_) {
        samplePanel_->setBackground(rgb);
        if (samplePanel_->getHandle()) InvalidateRect(samplePanel_->getHandle(), nullptr, TRUE);
    }
    if (role.swatch) role.swatch->setGlyphText(color::swatchName(colour).text);
    showComponents(index);
    showContrast();
    // Set-up shows the colours it has just read before the controls exist: nothing to store then.
    if (!window_ || !mainColumn_ || !mainColumn_->getHandle()) return;
    map::IMappedData* store = appWindow_->application()->getStore();
    if (store)
        store->setS32(appWindow_->sectionPath(VIEW_SECTION),
                      index == TEXT_ROLE ? TEXT_COLOR_VALUE : BACKGROUND_COLOR_VALUE, int32_t(colour));
}

void Dialog::showComponents(RoleIndex index) {
    RolePage& role = roles_[index];
    const int values[3] = {role.role.hue(), role.role.saturation(), role.role.lightness()};
    for (int i = 0; i < 3; ++i)
        if (role.sliders[i]) role.sliders[i]->setPosition(values[i]);
    for (int i = 0; i < 3; ++i) {
        if (!role.sliders[i]) continue;
        const int first = i == 0 ? values[1] : values[0];
        const int second = i == 2 ? values[1] : values[2];
        role.sliders[i]->setGradient(GRADIENT_MODES[i], first, second);
    }
}

// ---- Menu commands

bool Dialog::onMenuEvent(s::gui::IComponent* source) {
    if (source != rightClickMenu_ && source != trayMenu_) return false;
    runCommand(static_cast<PopupMenu*>(source)->getChosenCommand());
    return true;
}

void Dialog::runCommand(int command) {
    if (!window_) return;
    lang::Localizer* texts = localizer();
    const int languages = texts ? int(texts->languageCount()) : 0;
    s::gui::drawer::Skinner* skinner = appWindow_->skinner();
    const DialogCommands::Decision decision =
        DialogCommands::decide(command, languages, skinner ? skinner->count() : 0, productBase());
    using Action = DialogCommands::Action;
    switch (decision.action) {
        case Action::TOGGLE_ICONIZED:
            if (window_->isIconized()) {
                window_->restore();
            } else {
                window_->iconize();
            }
            break;
        case Action::CLOSE_WINDOW:
            window_->close();
            break;
        case Action::TOGGLE_KEEP_ON_TOP:
            setKeepOnTop(!(rightClickMenu_ && rightClickMenu_->isChecked(DialogCommands::KEEP_ON_TOP)));
            break;
        case Action::TOGGLE_KEEP_IN_SCREEN:
            toggleKeepInScreen();
            break;
        case Action::TOGGLE_MIDDLE_CLICK:
            toggleMiddleClick();
            break;
        case Action::TOGGLE_MAGNIFIER:
            toggleMagnifier();
            break;
        case Action::SELECT_SKIN:
            selectSkin(decision.index);
            break;
        case Action::SELECT_LANGUAGE:
            selectLanguage(decision.index);
            break;
        case Action::OPEN_TRANSLATION_PAGE:
        case Action::OPEN_PAGE:
            openPage(decision.addressText);
            break;
        case Action::SHOW_VERSION:
            showVersionWindow();
            break;
        case Action::SELECT_COPY_FORMAT:
            selectCopyFormat(decision.index);
            break;
        case Action::FIX_CONTRAST:
            fixContrast(decision.index == 0 ? color::Contrast::AA_NORMAL : color::Contrast::AAA_NORMAL);
            break;
        case Action::TOGGLE_SHOW_CONTRAST:
            toggleShowContrast();
            break;
        case Action::NONE:
            break;
    }
}

void Dialog::setKeepOnTop(bool on) {
    window_->setKeepOnTop(on);
    titleButtons_[PIN_BUTTON]->setToggled(on);
    if (rightClickMenu_) rightClickMenu_->setChecked(DialogCommands::KEEP_ON_TOP, on);
}

void Dialog::toggleKeepInScreen() {
    const bool on = !(rightClickMenu_ && rightClickMenu_->isChecked(DialogCommands::KEEP_IN_SCREEN));
    keepInScreen_ = on;
    if (rightClickMenu_) rightClickMenu_->setChecked(DialogCommands::KEEP_IN_SCREEN, on);
    window_->setKeepInScreen(on);
    map::IMappedData* store = appWindow_->application()->getStore();
    if (store) store->setBool(appWindow_->sectionPath(VIEW_SECTION), KEEP_IN_SCREEN_VALUE, on);
}

void Dialog::toggleMiddleClick() {
    const bool closes = rightClickMenu_ && rightClickMenu_->isChecked(DialogCommands::MIDDLE_CLICK_CLOSES);
    const wchar_t* action = closes ? app::IAppWindow::ACTION_DO_NOTHING : app::IAppWindow::ACTION_CLOSE;
    window_->setMiddleClickAction(action);
    appWindow_->setMiddleClickAction(action);
    if (rightClickMenu_) rightClickMenu_->setChecked(DialogCommands::MIDDLE_CLICK_CLOSES, !closes);
}

void Dialog::toggleMagnifier() {
    const bool on = !lens_.isEnabled();
    lens_.setEnabled(on);
    if (rightClickMenu_) rightClickMenu_->setChecked(DialogCommands::MAGNIFIER, on);
    map::IMappedData* store = appWindow_->application()->getStore();
    if (store) store->setBool(appWindow_->sectionPath(VIEW_SECTION), MAGNIFIER_VALUE, on);
}

void Dialog::selectSkin(int index) {
    s::gui::drawer::Skinner* skinner = appWindow_->skinner();
    if (!skinner) return;
    if (index != skinner->getSelection() && skinner->setSelection(index)) {
        appWindow_->setSkinName(skinner->skin(index)->getName());
        applySkin();
    }
    // The mark follows the skin in use, also when the choice could not be made.
    DialogMenus::checkOnly(skinMenu_, DialogCommands::FIRST_SKIN, skinner->count(),
                           DialogCommands::FIRST_SKIN + skinner->getSelection());
}

void Dialog::selectLanguage(int index) {
    lang::Localizer* texts = localizer();
    if (!texts) return;
    const lang::LangPack* before = texts->currentLanguage();
    texts->selectLanguageAt(uint32_t(index));
    const lang::LangPack* now = texts->currentLanguage();
    if (now != before && now) {
        appWindow_->application()->setLanguage(now->engName().c_str());
        showContrast();
        refreshTexts();
    }
    DialogMenus::checkOnly(languageMenu_, 0, int(texts->languageCount()), index);
}

void Dialog::openPage(int32_t addressText) {
    lang::Localizer* texts = localizer();
    const wchar_t* address = texts ? texts->getText(addressText) : L"";
    if (address && *address) gPageOpener.load()(address);
}

}  // namespace s::image::gui::dialogs::huesnap
