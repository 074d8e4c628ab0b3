#include "app/win/AppWindow.h"

#include <windows.h>

#include "app/win/AppBase.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/Skinner.h"
#include "lang/Localizer.h"
#include "settings/map/IMappedData.h"

namespace s::app::win {

using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(AppWindow, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

constexpr int32_t MAIN_WINDOW_WIDTH = 800;
constexpr int32_t MAIN_WINDOW_HEIGHT = 600;
// A stored size below this is not a usable window.
constexpr int32_t SMALLEST_VALID_SIZE = 10;
const wchar_t MIDDLE_CLICK_VALUE[] = L"OnMClick";

}  // namespace

AppWindow::AppWindow()
    : work_(StrBuffer::acquire()),
      work2_(StrBuffer::acquire()),
      name_(StrBuffer::acquire()),
      defaultSkinName_(StrBuffer::acquire()) {
    reset();
}

AppWindow::~AppWindow() {
    reset();
    if (work_) work_->release();
    if (work2_) work2_->release();
    if (name_) name_->release();
    if (defaultSkinName_) defaultSkinName_->release();
}

void AppWindow::reset() {
    if (work_) work_->clear();
    if (work2_) work2_->clear();
    if (name_) name_->clear();
    if (defaultSkinName_) defaultSkinName_->clear();
    app_ = nullptr;
    softwareType_ = AppBase::SOFTWARE_TYPE;
    textBase_ = AppBase::TEXT_BASE;
    skinner_ = nullptr;
    ownSkin_ = false;
    defaultWidth_ = MAIN_WINDOW_WIDTH;
    defaultHeight_ = MAIN_WINDOW_HEIGHT;
    defaultDragByBody_ = true;
    defaultMaximized_ = false;
    defaultKeepOnTop_ = true;
    middleClickAction_ = ACTION_DO_NOTHING;
}

bool AppWindow::initialize(AppBase* app, const wchar_t* name, const wchar_t* softwareType, int32_t defaultWidth,
                           int32_t defaultHeight, gui::drawer::Skinner* skinner, const wchar_t* middleClickAction,
                           const wchar_t* ownDefaultSkinName) {
    if (!app || !name || !*name || !name_ || !name_->set(name)) return false;
    app_ = app;
    softwareType_ = softwareType ? softwareType : AppBase::SOFTWARE_TYPE;
    textBase_ = AppBase::TEXT_BASE;
    skinner_ = skinner;
    ownSkin_ = skinner != app->skinner();
    if (!ownSkin_) {
        gui::drawer::ISkin* current = skinner ? skinner->selectedSkin() : nullptr;
        if (current && defaultSkinName_) defaultSkinName_->set(current->getName());
    } else if (ownDefaultSkinName && defaultSkinName_) {
        defaultSkinName_->set(ownDefaultSkinName);
    }
    defaultDragByBody_ = true;
    defaultKeepOnTop_ = true;
    defaultMaximized_ = false;
    defaultWidth_ = defaultWidth;
    defaultHeight_ = defaultHeight;
    middleClickAction_ = canonicalAction(middleClickAction);

    map::IMappedData* settings = store();
    if (settings) settings->setAutoFlush(false);  // one batch: a file store is written once
    writeIdentity();
    selectOwnSkin();
    middleClickAction_ = getMiddleClickAction();
    if (settings) settings->setAutoFlush(true);
    return true;
}

map::IMappedData* AppWindow::store() const {
    return app_ ? app_->getStore() : nullptr;
}

const wchar_t* AppWindow::windowName() const {
    return name_ ? name_->c_str() : L"";
}

const wchar_t* AppWindow::sectionPath(const wchar_t* subSection) {
    if (!work2_ || !work2_->set(windowName()) || !work2_->append(L"\\") || !work2_->append(subSection))
        return windowName();
    return work2_->c_str();
}

const wchar_t* AppWindow::text(int32_t id) const {
    lang::Localizer* pack = languagePack();
    return pack ? pack->getText(id) : L"";
}

lang::Localizer* AppWindow::languagePack() const {
    return app_ ? app_->languagePack() : nullptr;
}

void AppWindow::writeIdentity() {
    map::IMappedData* settings = store();
    if (!settings) return;
    settings->setText(sectionPath(L"SoftwareType"), nullptr, softwareType_);
    settings->setText(sectionPath(L"SoftwareID"), nullptr, text(AppBase::PRODUCT_ID_TEXT));
    settings->setText(sectionPath(L"Version"), nullptr, text(textBase_ + AppBase::VERSION_OFFSET));
}

void AppWindow::selectOwnSkin() {
    if (!ownSkin_ || !skinner_ || !work_ || !getSkinName(*work_)) return;
    skinner_->setSelection(skinner_->indexOrDefault(work_->c_str(), defaultSkinName_->c_str()));
}

bool AppWindow::getSkinName(StrBuffer& name) {
    if (!ownSkin_) return app_ && app_->getSkin(name);
    const wchar_t* fallback = defaultSkinName_ ? defaultSkinName_->c_str() : L"";
    map::IMappedData* settings = store();
    const bool read =
        settings ? settings->getText(sectionPath(SKIN_SECTION), nullptr, fallback, nullptr, true, &name) != nullptr
                 : name.set(fallback);
    if (!read) return false;
    int32_t index = -1;
    if (skinner_ && !skinner_->findSkin(name.c_str(), index)) return name.set(fallback);
    return true;
}

bool AppWindow::setSkinName(const wchar_t* name) {
    if (!name) return false;
    if (!ownSkin_) return app_ && app_->setSkin(name);
    map::IMappedData* settings = store();
    return settings && settings->setText(sectionPath(SKIN_SECTION), nullptr, name);
}

bool AppWindow::hasView(const wchar_t* name) {
    map::IMappedData* settings = store();
    return settings && settings->hasValue(sectionPath(VIEW_SECTION), name);
}

int32_t AppWindow::getViewInt(const wchar_t* name, int32_t fallback) {
    map::IMappedData* settings = store();
    return settings ? settings->getS32(sectionPath(VIEW_SECTION), name, fallback) : fallback;
}

bool AppWindow::setViewInt(const wchar_t* name, int32_t value) {
    map::IMappedData* settings = store();
    return settings && settings->setS32(sectionPath(VIEW_SECTION), name, value);
}

bool AppWindow::getViewBool(const wchar_t* name, bool fallback) {
    map::IMappedData* settings = store();
    return settings ? settings->getBool(sectionPath(VIEW_SECTION), name, fallback) : fallback;
}

bool AppWindow::setViewBool(const wchar_t* name, bool value) {
    map::IMappedData* settings = store();
    return settings && settings->setBool(sectionPath(VIEW_SECTION), name, value);
}

bool AppWindow::saveBounds(int32_t x, int32_t y, int32_t width, int32_t height) {
    // Each value is written even when an earlier one failed.
    const bool xSet = setX(x), ySet = setY(y);
    return saveSize(width, height) && xSet && ySet;
}

bool AppWindow::saveSize(int32_t width, int32_t height) {
    const bool widthSet = setWidth(width);
    return setHeight(height) && widthSet;
}

void AppWindow::forgetPlacement() {
    map::IMappedData* settings = store();
    if (!settings) return;
    const wchar_t* const names[] = {L"X", L"Y", L"Width", L"Height"};
    for (const wchar_t* name : names) settings->removeValue(sectionPath(VIEW_SECTION), name);
}

bool AppWindow::isWidthValid(int32_t width) const {
    return width >= SMALLEST_VALID_SIZE && width <= GetSystemMetrics(SM_CXVIRTUALSCREEN);
}

bool AppWindow::isHeightValid(int32_t height) const {
    return height >= SMALLEST_VALID_SIZE && height <= GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

const wchar_t* AppWindow::readAction(const wchar_t* fallback) {
    map::IMappedData* settings = store();
    if (!settings || !work_) return canonicalAction(fallback);
    // A value of another type reads as the fallback.
    if (!settings->getText(sectionPath(VIEW_SECTION), MIDDLE_CLICK_VALUE, fallback, nullptr, true, work_))
        return canonicalAction(fallback);
    return canonicalAction(work_->c_str());
}

const wchar_t* AppWindow::getMiddleClickAction() {
    return readAction(middleClickAction_);
}

bool AppWindow::setMiddleClickAction(const wchar_t* action) {
    const wchar_t* canonical = canonicalAction(action);
    if (canonical == middleClickAction_) return true;
    middleClickAction_ = canonical;
    map::IMappedData* settings = store();
    return settings && settings->setText(sectionPath(VIEW_SECTION), MIDDLE_CLICK_VALUE, canonical);
}

}  // namespace s::app::win
