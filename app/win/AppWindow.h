#pragma once
// AppWindow: a window's binding to its section of the application's settings
// store (see IAppWindow). initialize writes the window's identity values, picks
// its skin when it has a skin set of its own, and reads the stored middle-click
// action; the window behaviours (s::app::win::ManagedWindow) read and write the
// rest through it.
//
// Used from the main thread at start-up and from the window's thread afterwards,
// never from both at once (the store is not locked).
#include <cstdint>

#include "app/IAppWindow.h"
#include "app/win/AppBase.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::map {
class IMappedData;
}

namespace s::app::win {

class AppWindow : public IAppWindow, public thread::IPoolable {
    S_POOLED_CLASS(AppWindow, L"s_app_win_AppWindow")

public:
    static constexpr wchar_t VIEW_SECTION[] = L"View";
    static constexpr wchar_t SKIN_SECTION[] = L"Skin";

    AppWindow();
    ~AppWindow() override;
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    // Forgets the application and the skin set, back to the defaults of a new binding.
    void reset() override;

    // Binds the window `name` of `app` (both required). `skinner` (not owned; may be
    // null) is the window's skin set: when it is not the application's, the window
    // keeps its own "Skin" with `ownDefaultSkinName` as default. `middleClickAction`
    // is the action used while none is stored. False when `app` or `name` is missing.
    bool initialize(AppBase* app, const wchar_t* name, const wchar_t* softwareType, int32_t defaultWidth,
                    int32_t defaultHeight, gui::drawer::Skinner* skinner, const wchar_t* middleClickAction,
                    const wchar_t* ownDefaultSkinName);

    int32_t getDefaultWidth() const { return defaultWidth_; }
    int32_t getDefaultHeight() const { return defaultHeight_; }
    const wchar_t* softwareType() const { return softwareType_; }
    // The current middle-click action (one of the ACTION_ pointers).
    const wchar_t* middleClickAction() const { return middleClickAction_; }

    // ---- IAppWindow
    AppBase* application() const override { return app_; }
    const wchar_t* windowName() const override;
    const wchar_t* sectionPath(const wchar_t* subSection) override;
    int32_t textBase() const override { return textBase_; }
    lang::Localizer* languagePack() const override;
    bool hasOwnSkinner() const override { return ownSkin_; }
    gui::drawer::Skinner* skinner() const override { return skinner_; }
    bool getSkinName(str::strbuffer::StrBuffer& name) override;
    bool setSkinName(const wchar_t* name) override;

    bool hasPosition() override { return hasX() && hasY(); }
    bool saveBounds(int32_t x, int32_t y, int32_t width, int32_t height) override;
    bool saveSize(int32_t width, int32_t height) override;
    void forgetPlacement() override;

    bool hasX() override { return hasView(L"X"); }
    int32_t getX() override { return getViewInt(L"X", 0); }
    bool setX(int32_t x) override { return setViewInt(L"X", x); }
    bool hasY() override { return hasView(L"Y"); }
    int32_t getY() override { return getViewInt(L"Y", 0); }
    bool setY(int32_t y) override { return setViewInt(L"Y", y); }
    bool isWidthValid(int32_t width) const override;
    bool hasWidth() override { return hasView(L"Width"); }
    int32_t getWidth() override { return getViewInt(L"Width", defaultWidth_); }
    bool setWidth(int32_t width) override { return setViewInt(L"Width", width); }
    bool isHeightValid(int32_t height) const override;
    bool hasHeight() override { return hasView(L"Height"); }
    int32_t getHeight() override { return getViewInt(L"Height", defaultHeight_); }
    bool setHeight(int32_t height) override { return setViewInt(L"Height", height); }

    bool getEasyDrag() override { return getViewBool(L"EasyDrag", defaultDragByBody_); }
    bool setEasyDrag(bool on) override { return setViewBool(L"EasyDrag", on); }
    bool getMaximized() override { return getViewBool(L"Maximized", defaultMaximized_); }
    bool setMaximized(bool on) override { return setViewBool(L"Maximized", on); }
    bool getKeepOnTop() override { return getViewBool(L"KeepOnTop", defaultKeepOnTop_); }
    bool setKeepOnTop(bool on) override { return setViewBool(L"KeepOnTop", on); }

    bool isMiddleClickClose() override { return readAction(nullptr) == ACTION_CLOSE; }
    bool isMiddleClickIconize() override { return readAction(nullptr) == ACTION_ICONIZE; }
    const wchar_t* getMiddleClickAction() override;
    bool setMiddleClickAction(const wchar_t* action) override;

private:
    map::IMappedData* store() const;
    bool hasView(const wchar_t* name);
    int32_t getViewInt(const wchar_t* name, int32_t fallback);
    bool setViewInt(const wchar_t* name, int32_t value);
    bool getViewBool(const wchar_t* name, bool fallback);
    bool setViewBool(const wchar_t* name, bool value);
    // The canonical action of the stored "OnMClick", read with `fallback` as default.
    const wchar_t* readAction(const wchar_t* fallback);
    void writeIdentity();
    void selectOwnSkin();
    const wchar_t* text(int32_t id) const;

    str::strbuffer::StrBuffer* work_;   // owned: scratch for texts read from the store
    str::strbuffer::StrBuffer* work2_;  // owned: section paths are built here
    AppBase* app_;                      // not owned
    str::strbuffer::StrBuffer* name_;   // owned: the window's section
    const wchar_t* softwareType_;       // not owned: a static text
    int32_t textBase_;
    gui::drawer::Skinner* skinner_;               // not owned: the application's or the window's own set
    bool ownSkin_;                                // the skin set is not the application's
    str::strbuffer::StrBuffer* defaultSkinName_;  // owned
    int32_t defaultWidth_, defaultHeight_;
    bool defaultDragByBody_, defaultMaximized_, defaultKeepOnTop_;
    const wchar_t* middleClickAction_;  // not owned: one of the ACTION_ texts
};

}  // namespace s::app::win
