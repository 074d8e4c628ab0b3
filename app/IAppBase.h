#pragma once
// IAppBase: the application object, owner of everything the program's windows
// share: the command line, the language pack, the skin set, the banner images
// and the settings store. It writes the program's identity values, keeps the
// chosen language and skin in the store, hands over to an already running copy
// of the program, and runs the first-run check after a silent install.
//
// The platform class is s::app::win::AppBase, which adds what only Windows has
// (the executable module, its resources and icons).
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::gui::drawer {
class Skinner;
}
namespace s::image {
class IBufferedImage;
}
namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}
namespace s::process::commandline {
class ICommandLine;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::app {

class IAppBase : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_app_IAppBase";

    // "Freeware".
    virtual const wchar_t* softwareType() const = 0;
    // The program's arguments (owned by the application object).
    virtual process::commandline::ICommandLine* commandLine() const = 0;
    // The first language-pack id of the program's own texts (500000): the product's
    // display name; + 3 its web page, + 10 its version.
    virtual int32_t textBase() const = 0;
    // The language pack (owned by the application object); null before initialisation.
    virtual lang::Localizer* languagePack() const = 0;
    // The two embedded banner pictures (owned); null when missing.
    virtual image::IBufferedImage* bannerImage1() const = 0;
    virtual image::IBufferedImage* bannerImage2() const = 0;

    // ---- The settings store
    // Owned by the application object; every window reads and writes through it.
    virtual map::IMappedData* getStore() const = 0;
    // Makes the store's changes durable now; the final flush at release is then left out.
    virtual bool flushStore() = 0;
    // A new registry store on HKEY_CURRENT_USER\Software\Tuvo\<product id>\SaveData, and a
    // new file store on <program folder>\savedata\SaveData.xml. The caller releases them.
    virtual map::IMappedData* makeRegistryStore() = 0;
    virtual map::IMappedData* makeFileStore() = 0;

    // ---- Skin set, language and skin
    virtual bool hasSkinner() const = 0;
    // The skin set given at initialisation (owned by the application object), or null.
    virtual gui::drawer::Skinner* skinner() const = 0;
    // The stored "Language", else the name of the pack's current language.
    virtual bool getLanguage(str::strbuffer::StrBuffer& name) = 0;
    virtual bool setLanguage(const wchar_t* name) = 0;
    // The stored "Skin", else the default skin name; the default also when a skin set
    // is present and holds no skin of the stored name.
    virtual bool getSkin(str::strbuffer::StrBuffer& name) = 0;
    virtual bool setSkin(const wchar_t* name) = 0;

    // ---- Other copies of the program
    // True when another process runs the same executable file. With `activate` its
    // main window is also told to come to the front (and, with `secondMessage`, sent
    // the second message); `useLanguagePack` finds that window by the product's name
    // in every language of the pack instead of by any non-empty title. With
    // `activate`, a running copy that ends before its window is found leaves the
    // lock to this one: false then, and this copy runs.
    virtual bool activateOtherInstance(bool activate, bool secondMessage, bool useLanguagePack) = 0;

    // Opens the product's web page once after a silent install (see AppBase).
    virtual void checkSilentInstall() = 0;
};

}  // namespace s::app
