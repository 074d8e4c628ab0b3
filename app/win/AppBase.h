#pragma once
// AppBase: the application object on Windows (see IAppBase).
//
// initialize runs once, right after the object is taken from its pool, on the
// process's main thread: OLE, the command line, the executable's module,
// resources, icons and language pack (the banner pictures are decoded when first
// asked for), then the registry store with the identity values, the stored
// language and the stored skin. Releasing
// the object gives all of it back and flushes the store unless flushStore did.
//
// The program's texts come from the language pack: 300000 the product id (it
// names the registry key), textBase() the display name, + 3 the web page, + 10
// the version.
//
// Another copy of the program is the process that runs the same executable file
// (compared ignoring letter case). Its window is found by title: the first of its
// top-level windows whose non-empty title is, ignoring case, a prefix of the
// product's name in a language of the pack. Windows with empty titles are passed
// over: the hidden owner window every window has is untitled and does not handle
// the hand-over message, the main window does.
//
// The object and its store are used on one thread at a time: the main thread at
// start-up and shutdown, the main window's thread in between.
#include <windows.h>

#include <cstdint>

#include "app/IAppBase.h"
#include "app/win/InstanceLock.h"
#include "foundation/thread/ObjLocker.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "settings/reg/MappedData.h"
#include "settings/xml/MappedData.h"

namespace framework {
class WinApp;
}
namespace s::image::win {
class BufferedImage;
}
namespace s::process::commandline::win {
class CommandLine;
}
namespace s::system::icon::win {
class IconSet;
}
namespace s::system::module::win {
class Module;
}
namespace s::system::resource::win {
class ResourceArchive;
}

namespace s::app::win {

class AppBase : public IAppBase, public thread::IPoolable {
    S_POOLED_CLASS(AppBase, L"s_app_win_AppBase")

public:
    static constexpr wchar_t SOFTWARE_TYPE[] = L"Freeware";
    static constexpr int32_t TEXT_BASE = 500000;
    static constexpr int32_t PRODUCT_ID_TEXT = 300000;
    static constexpr int32_t WEB_PAGE_OFFSET = 3;
    static constexpr int32_t VERSION_OFFSET = 10;
    static constexpr wchar_t DEFAULT_SKIN_NAME[] = L"Black Black";
    // The embedded banner pictures (type "IDR_JPG", or "IDR_GIF" in a build that names that type).
    static constexpr int BANNER_1_ID = 131;
    static constexpr int BANNER_2_ID = 132;
    // Sent to the other copy's main window: come to the front; and the optional second message.
    static constexpr UINT ACTIVATE_MESSAGE = WM_USER + 3;
    static constexpr UINT SECOND_MESSAGE = WM_USER + 7;
    static constexpr UINT SEND_TIMEOUT_MS = 3000;
    // How long a second copy waits for the first one's window, and, within that, for
    // the first one to take input.
    static constexpr DWORD HAND_OVER_WAIT_MS = 15000;
    static constexpr DWORD INPUT_IDLE_WAIT_MS = 5000;
    // Tries at the lock when running copies end during the hand-over wait.
    static constexpr int HAND_OVER_ROUNDS = 3;

    // Opens a web page address; true when it was handed to a browser.
    using PageOpener = bool (*)(const wchar_t* address);

    AppBase();
    // Releases what the object still holds, deletes its texts and balances its OLE initialisations.
    ~AppBase() override;
    AppBase(const AppBase&) = delete;
    AppBase& operator=(const AppBase&) = delete;

    // Back to the state before initialize: everything held is released (see the .cpp for the order).
    void reset() override;

    // Builds the object for `app` (null: the process's own command line and executable)
    // and takes over `skinner` (may be null). False, with the skinner released, when
    // the object was already initialised.
    bool initialize(framework::WinApp* app, gui::drawer::Skinner* skinner);

    // ---- IAppBase
    const wchar_t* softwareType() const override { return softwareType_; }
    process::commandline::ICommandLine* commandLine() const override;
    int32_t textBase() const override { return textBase_; }
    lang::Localizer* languagePack() const override { return languagePack_; }
    image::IBufferedImage* bannerImage1() const override;
    image::IBufferedImage* bannerImage2() const override;

    map::IMappedData* getStore() const override { return store_; }
    bool flushStore() override;
    reg::MappedData* makeRegistryStore() override;
    xml::MappedData* makeFileStore() override;

    bool hasSkinner() const override { return skinner_ != nullptr; }
    gui::drawer::Skinner* skinner() const override { return skinner_; }
    bool getLanguage(str::strbuffer::StrBuffer& name) override;
    bool setLanguage(const wchar_t* name) override;
    bool getSkin(str::strbuffer::StrBuffer& name) override;
    bool setSkin(const wchar_t* name) override;

    bool activateOtherInstance(bool activate, bool secondMessage, bool useLanguagePack) override;
    // When "Silent" under HKEY_CURRENT_USER\Software\Tuvo\<product id> is a non-zero
    // DWORD: sets it to 0 and then opens the product's web page. The page is opened
    // only once the value is cleared, so it opens at most once.
    void checkSilentInstall() override;

    // ---- Windows only
    system::module::win::Module* module() const { return module_; }
    system::resource::win::ResourceArchive* resources() const { return resources_; }
    system::icon::win::IconSet* icons() const { return icons_; }
    HICON smallIcon() const;
    HICON largeIcon() const;
    HICON icon64() const;
    HICON iconOfSize(int size) const;

    // The first top-level window of process `processId` whose non-empty title is,
    // ignoring case, a prefix of `productName` (null: any non-empty title); null when none.
    static HWND findOtherInstanceWindow(DWORD processId, const wchar_t* productName);

    // Replaces the store by `store` (taken over; may be null). The old one is flushed
    // unless flushStore did so, and released.
    void setStore(map::IMappedData* store);
    // Gives a store of this library's kinds back to its pool; another kind is deleted.
    static void releaseStore(map::IMappedData* store);

    // How checkSilentInstall opens the web page: the shell's "open" by default. Null
    // restores the default. Answers the previous opener.
    static PageOpener setPageOpener(PageOpener opener);
    static bool openWithShell(const wchar_t* address);

private:
    // Steps of initialize.
    void initializeOle();
    void openExecutable(HMODULE module);
    void writeIdentity();
    void selectStoredLanguage();
    void selectStoredSkin();
    // The pack's text of `id` in the current language; "" without a pack.
    const wchar_t* text(int32_t id) const;
    // The English name of the pack's current language; "" when it has none.
    const wchar_t* currentLanguageName() const;
    // "Software\\Tuvo\\" + the product id into `path`.
    bool productKeyPath(str::strbuffer::StrBuffer& path) const;
    // WM_USER+3 (and the second message) to the running copy's main window; false
    // when that copy ended first.
    bool handOver(bool secondMessage, bool useLanguagePack) const;
    static bool findHandOverTarget(void* context);
    HWND findProductWindow(DWORD processId, bool useLanguagePack) const;

    str::strbuffer::StrBuffer* work_;                       // owned: paths and names are built here
    str::strbuffer::StrBuffer* work2_;                      // owned: scratch
    const wchar_t* softwareType_;                           // not owned: a static text
    int32_t textBase_;
    process::commandline::win::CommandLine* commandLine_;   // owned; null before initialize
    system::module::win::Module* module_;                   // owned; null before initialize
    system::resource::win::ResourceArchive* resources_;     // owned; null before initialize
    lang::Localizer* languagePack_;                         // owned; null before initialize
    gui::drawer::Skinner* skinner_;                         // owned: given to initialize; may be null
    system::icon::win::IconSet* icons_;                     // owned; null before initialize
    // Decoded on first request: nothing shown at start uses them, and decoding
    // both costs start-up time and a megabyte of memory.
    mutable image::win::BufferedImage* banner1_;            // owned; null when missing or not yet asked for
    mutable image::win::BufferedImage* banner2_;            // owned; null when missing or not yet asked for
    mutable bool bannersLoaded_;
    mutable thread::ObjLocker bannerLock_;                  // the first request may come from any thread
    image::win::BufferedImage* const& loadedBanner(image::win::BufferedImage* const& banner) const;
    bool storeFlushed_;                                     // flushStore ran since the store was taken
    map::IMappedData* store_;                               // owned (see releaseStore); null before initialize
    str::strbuffer::StrBuffer* defaultSkinName_;            // owned
    int oleInitializations_;
    InstanceLock instanceLock_;  // held from the hand-over check to the end of the program  // successful OleInitialize calls, balanced when the object is destroyed
};

}  // namespace s::app::win
