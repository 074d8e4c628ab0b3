#include "app/win/AppBase.h"

#include <ole2.h>
#include <shellapi.h>

#include <atomic>
#include <cwchar>

#include "app/process/commandline/win/CommandLine.h"
#include "app/process/win/ProcessImage.h"
#include "app/win/StartUpRules.h"
#include "app/system/icon/win/IconSet.h"
#include "app/system/module/win/Module.h"
#include "app/system/resource/win/ResourceArchive.h"
#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/system/trace/win/StartTrace.h"
#include "foundation/thread/EasyPooler.h"
#include "framework/WinApp.h"
#include "gui/drawer/Skinner.h"
#include "image/gif/win/Gif.h"
#include "image/jpg/win/Jpeg.h"
#include "image/win/BufferedImage.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "settings/reg/win/RegDir.h"

namespace s::app::win {

using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(AppBase, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// Root-level sections whose unnamed value holds the setting.
const wchar_t LANGUAGE_SECTION[] = L"Language";
const wchar_t SKIN_SECTION[] = L"Skin";

// CoInitializeSecurity: RPC_C_AUTHN_LEVEL_PKT and RPC_C_IMP_LEVEL_IMPERSONATE.
constexpr DWORD AUTHENTICATION_LEVEL_PACKET = 4;
constexpr DWORD IMPERSONATION_LEVEL_IMPERSONATE = 3;
// SMTO_BLOCK | SMTO_ABORTIFHUNG | SMTO_NOTIMEOUTIFNOTHUNG: wait for a responsive
// window as long as it takes, give up at once on a hung one.
constexpr UINT SEND_FLAGS = 0x0001 | 0x0002 | 0x0008;

std::atomic<AppBase::PageOpener> gPageOpener{&AppBase::openWithShell};

template <class T>
void releaseOwned(T*& object) {
    if (object) object->release();
    object = nullptr;
}

image::win::BufferedImage* loadBanner(int id, HMODULE module) {
    image::win::BufferedImage* image = image::jpg::win::Jpeg::decodeResource(image::jpg::win::Jpeg::RESOURCE_TYPE, id,
                                                                             module);
    return image ? image : image::gif::win::Gif::decodeResource(image::gif::win::Gif::RESOURCE_TYPE, id, module);
}

// What the window search of findOtherInstanceWindow looks for and finds.
struct WindowSearch {
    DWORD processId;
    const wchar_t* productName;  // null: any non-empty title
    uint32_t productNameLength;
    StrBuffer* title;            // not owned: room for the longest title that can match, plus one
    HWND found;
};

bool titleMatches(const WindowSearch& search, uint32_t length) {
    if (!search.productName) return true;
    // A title longer than the product name cannot be its prefix (one code unit more is all we read).
    return length <= search.productNameLength &&
           search.title->regionMatchesIgnoreCase(0, search.productName, 0, int32_t(length));
}

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search.processId) return TRUE;
    const int room = int(search.title->capacity()) + 1;
    const int length = GetWindowTextW(window, search.title->pointerAt(0), room);
    if (length <= 0) return TRUE;  // an untitled helper window never takes the hand-over message
    search.title->setLength(uint32_t(length));
    if (!titleMatches(search, uint32_t(length))) return TRUE;
    search.found = window;
    return FALSE;
}

// The other copy as the hand-over finds it: its process, then its window.
struct HandOverTarget {
    const AppBase* app;
    const wchar_t* executablePath;
    bool useLanguagePack;
    DWORD processId;
    HANDLE process;  // owned by the caller of findHandOverTarget: closed after the wait
    HWND window;
    bool gone;       // the other copy ended while we waited
};

void sendToWindow(HWND window, UINT message) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, 0, 0, SEND_FLAGS, AppBase::SEND_TIMEOUT_MS, &result);
}

}  // namespace

AppBase::AppBase()
    : work_(StrBuffer::acquire()),
      work2_(StrBuffer::acquire()),
      softwareType_(SOFTWARE_TYPE),
      textBase_(TEXT_BASE),
      commandLine_(nullptr),
      module_(nullptr),
      resources_(nullptr),
      languagePack_(nullptr),
      skinner_(nullptr),
      icons_(nullptr),
      banner1_(nullptr),
      banner2_(nullptr),
      bannersLoaded_(false),
      storeFlushed_(false),
      store_(nullptr),
      defaultSkinName_(StrBuffer::acquire()),
      oleInitializations_(0) {}

AppBase::~AppBase() {
    reset();
    delete work_;
    delete work2_;
    delete defaultSkinName_;
    // OleInitialize is balanced by OleUninitialize (which also ends COM for the thread), once per success.
    for (; oleInitializations_ > 0; --oleInitializations_) OleUninitialize();
}

// The order matters to the store only: everything that might still write to it is
// gone before its final flush.
void AppBase::reset() {
    if (work_) work_->clear();
    softwareType_ = SOFTWARE_TYPE;
    textBase_ = TEXT_BASE;
    releaseOwned(commandLine_);
    releaseOwned(module_);
    releaseOwned(resources_);
    releaseOwned(languagePack_);
    releaseOwned(icons_);  // the icon set's reset destroys its icons
    releaseOwned(banner1_);
    releaseOwned(banner2_);
    bannersLoaded_ = false;
    releaseOwned(skinner_);
    setStore(nullptr);
    instanceLock_.release();
    if (defaultSkinName_) defaultSkinName_->clear();
    if (work2_) work2_->clear();
}

bool AppBase::initialize(framework::WinApp* app, gui::drawer::Skinner* skinner) {
    if (commandLine_) {
        if (skinner) skinner->release();
        return false;
    }
    using system::trace::win::StartTrace;
    StartTrace::mark("skins");
    initializeOle();
    StartTrace::mark("ole");
    // The platform framework's control-container support has no counterpart here: nothing to set up.
    softwareType_ = SOFTWARE_TYPE;
    textBase_ = TEXT_BASE;
    commandLine_ = process::commandline::win::CommandLine::acquire();
    if (commandLine_) {
        if (app) {
            app->parseCommandLine(*commandLine_);
        } else {
            commandLine_->parse(GetCommandLineW());
        }
    }
    openExecutable(app ? app->instance() : nullptr);
    skinner_ = skinner;
    if (defaultSkinName_) defaultSkinName_->set(DEFAULT_SKIN_NAME);
    setStore(makeRegistryStore());
    if (store_) {
        // One batch of writes: a file store is written once, at the end.
        store_->setAutoFlush(false);
        writeIdentity();
        selectStoredLanguage();
        selectStoredSkin();
        store_->setAutoFlush(true);
    }
    StartTrace::mark("store");
    return true;
}

void AppBase::initializeOle() {
    if (SUCCEEDED(OleInitialize(nullptr))) ++oleInitializations_;
    // Fails harmlessly when the process's security is already set: the result does not matter.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, AUTHENTICATION_LEVEL_PACKET, IMPERSONATION_LEVEL_IMPERSONATE,
                         nullptr, EOAC_NONE, nullptr);
}

void AppBase::openExecutable(HMODULE module) {
    module_ = system::module::win::Module::acquire();
    if (module_) module_->open(module);
    const HMODULE handle = module_ && module_->handle() ? module_->handle() : GetModuleHandleW(nullptr);
    resources_ = system::resource::win::ResourceArchive::acquire();
    if (resources_) resources_->open(handle);
    icons_ = system::icon::win::IconSet::acquire();
    if (icons_) icons_->load(handle, system::icon::win::IconSet::PROGRAM_ICON_GROUP);
    system::trace::win::StartTrace::mark("command-line-and-icons");
    languagePack_ = lang::Localizer::create(handle, lang::Localizer::RESOURCE_TYPE, lang::Localizer::RESOURCE_ID);
    system::trace::win::StartTrace::mark("language-pack");
}

void AppBase::writeIdentity() {
    store_->setText(L"SoftwareType", nullptr, softwareType_);
    store_->setText(L"SoftwareID", nullptr, text(PRODUCT_ID_TEXT));
    store_->setText(L"Version", nullptr, text(textBase_ + VERSION_OFFSET));
}

// The pack picks the stored language (or the system's); the store then names the
// language actually in use, so an unknown stored name is corrected once.
void AppBase::selectStoredLanguage() {
    if (!languagePack_ || !work_) return;
    if (getLanguage(*work_)) languagePack_->selectLanguage(work_->c_str());
    const wchar_t* inUse = currentLanguageName();
    if (!*inUse) return;
    const bool stored = store_->hasValue(LANGUAGE_SECTION, nullptr) &&
                        store_->getText(LANGUAGE_SECTION, nullptr, L"", nullptr, true, work_) &&
                        wcscmp(work_->c_str(), inUse) == 0;
    if (!stored) setLanguage(inUse);
}

void AppBase::selectStoredSkin() {
    if (!skinner_ || !work_) return;
    int32_t index = 0;
    if (!getSkin(*work_) || !skinner_->findSkin(work_->c_str(), index)) index = 0;
    skinner_->setSelection(index);
}

process::commandline::ICommandLine* AppBase::commandLine() const {
    return commandLine_;
}

image::win::BufferedImage* const& AppBase::loadedBanner(image::win::BufferedImage* const& banner) const {
    thread::ObjLocker::Guard guard(bannerLock_);
    if (!bannersLoaded_ && resources_) {
        bannersLoaded_ = true;
        banner1_ = loadBanner(BANNER_1_ID, resources_->module());
        banner2_ = loadBanner(BANNER_2_ID, resources_->module());
    }
    return banner;
}

image::IBufferedImage* AppBase::bannerImage1() const {
    return loadedBanner(banner1_);
}

image::IBufferedImage* AppBase::bannerImage2() const {
    return loadedBanner(banner2_);
}

bool AppBase::flushStore() {
    if (!store_) return false;
    const bool flushed = store_->flush();
    storeFlushed_ = true;
    return flushed;
}

void AppBase::setStore(map::IMappedData* store) {
    if (store_) {
        if (!storeFlushed_) store_->flush();
        releaseStore(store_);
    }
    store_ = store;
    storeFlushed_ = false;
}

void AppBase::releaseStore(map::IMappedData* store) {
    if (!store) return;
    if (store->getClassName() == reg::MappedData::CLASS_NAME) {
        static_cast<reg::MappedData*>(store)->release();
    } else if (store->getClassName() == xml::MappedData::CLASS_NAME) {
        static_cast<xml::MappedData*>(store)->release();
    } else {
        delete store;
    }
}

reg::MappedData* AppBase::makeRegistryStore() {
    if (!work_ || !productKeyPath(*work_) || !work_->append(L"\\SaveData")) return nullptr;
    reg::MappedData* store = reg::MappedData::acquire();
    if (store && !store->open(work_->c_str())) releaseOwned(store);
    return store;
}

xml::MappedData* AppBase::makeFileStore() {
    if (!work_ || !module_ || !*module_->directory()) return nullptr;
    if (!work_->set(module_->directory()) || !work_->append(L"savedata\\SaveData.xml")) return nullptr;
    xml::MappedData* store = xml::MappedData::acquire();
    if (store) store->open(work_->c_str());  // a missing file gives an empty document, to be written on flush
    return store;
}

bool AppBase::getLanguage(StrBuffer& name) {
    const wchar_t* inUse = currentLanguageName();
    if (!store_) return name.set(inUse);
    return store_->getText(LANGUAGE_SECTION, nullptr, inUse, nullptr, true, &name) != nullptr;
}

bool AppBase::setLanguage(const wchar_t* name) {
    return store_ && name && store_->setText(LANGUAGE_SECTION, nullptr, name);
}

bool AppBase::getSkin(StrBuffer& name) {
    const wchar_t* fallback = defaultSkinName_ ? defaultSkinName_->c_str() : DEFAULT_SKIN_NAME;
    const bool read = store_ ? store_->getText(SKIN_SECTION, nullptr, fallback, nullptr, true, &name) != nullptr
                             : name.set(fallback);
    if (!read) return false;
    int32_t index = -1;
    if (skinner_ && !skinner_->findSkin(name.c_str(), index)) return name.set(fallback);
    return true;
}

bool AppBase::setSkin(const wchar_t* name) {
    return store_ && name && store_->setText(SKIN_SECTION, nullptr, name);
}

const wchar_t* AppBase::text(int32_t id) const {
    return languagePack_ ? languagePack_->getText(id) : L"";
}

const wchar_t* AppBase::currentLanguageName() const {
    lang::LangPack* language = languagePack_ ? languagePack_->currentLanguage() : nullptr;
    return language ? language->engName().c_str() : L"";
}

bool AppBase::productKeyPath(StrBuffer& path) const {
    return path.set(L"Software\\Tuvo\\") && path.append(text(PRODUCT_ID_TEXT));
}

// Copies started at the same moment each see the other in the process list; the
// lock decides which one runs, and only a copy that lost it looks for the other.
// A copy started while the running one is closing would otherwise hand over to
// nobody and end too, leaving the user with no window: when the running copy
// ends during the wait, this copy tries the lock again and, once it has it, runs.
// A few rounds at most, each bounded by its wait, so a start never hangs.
bool AppBase::activateOtherInstance(bool activate, bool secondMessage, bool useLanguagePack) {
    if (!module_ || !*module_->fullPath()) return false;
    for (int round = 0; round < HAND_OVER_ROUNDS; ++round) {
        const InstanceLock::State lock = instanceLock_.take(text(PRODUCT_ID_TEXT), module_->fullPath());
        if (lock == InstanceLock::State::OWNED) return false;
        if (lock == InstanceLock::State::UNAVAILABLE && process::win::findProcessRunning(module_->fullPath()) == 0)
            return false;
        if (!activate || handOver(secondMessage, useLanguagePack)) return true;
    }
    return true;
}

// The other copy may still be starting: its process and window are waited for,
// within bounds, while this thread keeps answering its messages. False when it
// ended before its window was found.
bool AppBase::handOver(bool secondMessage, bool useLanguagePack) const {
    HandOverTarget target = {this, module_->fullPath(), useLanguagePack, 0, nullptr, nullptr, false};
    pumpUntil(&findHandOverTarget, &target, HAND_OVER_WAIT_MS);
    if (target.process) CloseHandle(target.process);
    if (target.gone) return false;
    if (!target.window) return true;
    sendToWindow(target.window, ACTIVATE_MESSAGE);
    if (secondMessage) sendToWindow(target.window, SECOND_MESSAGE);
    return true;
}

bool AppBase::findHandOverTarget(void* context) {
    HandOverTarget& target = *static_cast<HandOverTarget*>(context);
    if (!target.processId) {
        target.processId = process::win::findProcessRunning(target.executablePath);
        // The copy that held the lock is running or has run: not in the list, it has ended.
        if (!target.processId) {
            target.gone = true;
            return true;
        }
        target.process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, target.processId);
        // Once, and bounded: a copy that never pumps messages must not hold this one for ever.
        if (target.process) WaitForInputIdle(target.process, INPUT_IDLE_WAIT_MS);
    }
    if (target.process && WaitForSingleObject(target.process, 0) == WAIT_OBJECT_0) {
        target.gone = true;
        return true;
    }
    target.window = target.app->findProductWindow(target.processId, target.useLanguagePack);
    return target.window != nullptr;
}

// The window titled after the product's name in the first language that names one
// of the process's windows (with no pack: its first titled window).
HWND AppBase::findProductWindow(DWORD processId, bool useLanguagePack) const {
    const uint32_t languages = useLanguagePack && languagePack_ ? languagePack_->languageCount() : 0;
    if (languages == 0) return findOtherInstanceWindow(processId, nullptr);
    str::strarray::StrArray* productNames = str::strarray::StrArray::acquire();
    if (!productNames) return nullptr;
    languagePack_->textsInEveryLanguage(textBase_, *productNames);
    HWND window = nullptr;
    for (uint32_t i = 0; i < productNames->count() && !window; ++i)
        window = findOtherInstanceWindow(processId, productNames->get(i)->c_str());
    productNames->release();
    return window;
}

HWND AppBase::findOtherInstanceWindow(DWORD processId, const wchar_t* productName) {
    const uint32_t nameLength = productName ? uint32_t(wcslen(productName)) : 0;
    StrBuffer* title = StrBuffer::acquire();
    if (!title || !title->reserveExact(nameLength + 1)) {
        if (title) title->release();
        return nullptr;
    }
    WindowSearch search = {processId, productName, nameLength, title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    title->release();
    return search.found;
}

void AppBase::checkSilentInstall() {
    reg::win::RegDir* key = reg::win::RegDir::acquire();
    if (!key || !work_ || !productKeyPath(*work_)) {
        releaseOwned(key);
        return;
    }
    key->setRoot(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER");
    uint32_t silent = 0;
    const bool afterSilentInstall =
        key->setPath(work_->c_str()) && key->open(false) && key->getDword(L"Silent", silent) && silent != 0;
    // Only a cleared value lets the page open: a value we cannot clear must not open it at every start.
    const bool cleared = afterSilentInstall && key->open(true) && key->setDword(L"Silent", 0);
    key->release();
    const wchar_t* address = text(textBase_ + WEB_PAGE_OFFSET);
    if (cleared && *address) gPageOpener.load()(address);  // a failure to open is not retried
}

AppBase::PageOpener AppBase::setPageOpener(PageOpener opener) {
    return gPageOpener.exchange(opener ? opener : &AppBase::openWithShell);
}

bool AppBase::openWithShell(const wchar_t* address) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.lpVerb = L"open";
    info.lpFile = address;
    info.nShow = SW_SHOW;
    return ShellExecuteExW(&info) != FALSE;
}

HICON AppBase::smallIcon() const {
    return icons_ ? icons_->smallIcon() : nullptr;
}

HICON AppBase::largeIcon() const {
    return icons_ ? icons_->largeIcon() : nullptr;
}

HICON AppBase::icon64() const {
    return icons_ ? icons_->icon64() : nullptr;
}

HICON AppBase::iconOfSize(int size) const {
    return icons_ ? icons_->iconOfSize(size) : nullptr;
}

}  // namespace s::app::win
