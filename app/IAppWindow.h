#pragma once
// IAppWindow: one window's binding to its section of the settings store. The
// section is named after the window ("MainWindow"); its values live in the
// sub-section "View" ("X", "Y", "Width", "Height", "Maximized", "KeepOnTop",
// "EasyDrag", "OnMClick"), its own skin choice, when it has a skin set of its
// own, in the unnamed value of the sub-section "Skin".
//
// Every getter takes its default from the binding (the window's default size,
// drag by body on, keep on top on, not maximized). Setters write at once.
//
// The platform class is s::app::win::AppWindow.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::app {
class IAppBase;
}
namespace s::gui::drawer {
class Skinner;
}
namespace s::lang {
class Localizer;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::app {

class IAppWindow : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_app_IAppWindow";

    // The three middle-click actions. A window's current action is always one of
    // these pointers, so actions compare by identity.
    static constexpr wchar_t ACTION_DO_NOTHING[] = L"DoNothing";
    static constexpr wchar_t ACTION_ICONIZE[] = L"Iconize";
    static constexpr wchar_t ACTION_CLOSE[] = L"Close";
    // The canonical action `text` names ignoring letter case; anything else is "DoNothing".
    static const wchar_t* canonicalAction(const wchar_t* text);

    // ---- 1-7: what the binding holds
    virtual IAppBase* application() const = 0;
    virtual const wchar_t* windowName() const = 0;
    // Window name + "\\" + `subSection`; valid until the next call on this binding.
    virtual const wchar_t* sectionPath(const wchar_t* subSection) = 0;
    virtual int32_t textBase() const = 0;
    // The window's own language pack, else the application's.
    virtual lang::Localizer* languagePack() const = 0;
    virtual bool hasOwnSkinner() const = 0;
    virtual gui::drawer::Skinner* skinner() const = 0;

    // ---- 8, 9: the window's skin name (the application's when the skin set is shared)
    virtual bool getSkinName(str::strbuffer::StrBuffer& name) = 0;
    virtual bool setSkinName(const wchar_t* name) = 0;

    // ---- 10-13: placement
    // Both "X" and "Y" are stored.
    virtual bool hasPosition() = 0;
    // Writes "X", "Y", "Width", "Height" in that order.
    virtual bool saveBounds(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual bool saveSize(int32_t width, int32_t height) = 0;
    // Removes "X", "Y", "Width", "Height".
    virtual void forgetPlacement() = 0;

    // ---- 14-27: the single placement values
    virtual bool hasX() = 0;
    virtual int32_t getX() = 0;
    virtual bool setX(int32_t x) = 0;
    virtual bool hasY() = 0;
    virtual int32_t getY() = 0;
    virtual bool setY(int32_t y) = 0;
    // 10 up to the width of the virtual screen.
    virtual bool isWidthValid(int32_t width) const = 0;
    virtual bool hasWidth() = 0;
    virtual int32_t getWidth() = 0;
    virtual bool setWidth(int32_t width) = 0;
    // 10 up to the height of the virtual screen.
    virtual bool isHeightValid(int32_t height) const = 0;
    virtual bool hasHeight() = 0;
    virtual int32_t getHeight() = 0;
    virtual bool setHeight(int32_t height) = 0;

    // ---- 28-33: switches
    virtual bool getEasyDrag() = 0;
    virtual bool setEasyDrag(bool on) = 0;
    virtual bool getMaximized() = 0;
    virtual bool setMaximized(bool on) = 0;
    virtual bool getKeepOnTop() = 0;
    virtual bool setKeepOnTop(bool on) = 0;

    // ---- 34-37: the middle-click action
    // The stored "OnMClick" is "Close" / "Iconize", ignoring letter case.
    virtual bool isMiddleClickClose() = 0;
    virtual bool isMiddleClickIconize() = 0;
    // The canonical action of the stored "OnMClick" (the current action when none is stored).
    virtual const wchar_t* getMiddleClickAction() = 0;
    // Makes the canonical action of `action` current and writes it, unless it already is.
    virtual bool setMiddleClickAction(const wchar_t* action) = 0;
};

}  // namespace s::app
