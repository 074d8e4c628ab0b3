#pragma once
// About3: the version-information window. Bound to its settings binding
// ("AboutWindow", with a skin set of its own), each show() makes a new window
// owned by the caller's window: a heading, the product line (icon and name), a
// table of version, release date and web address, a support panel with a link,
// and two ways to close it. The object listens to everything in that window.
// The window has its binding's size, grown only where a text needs more room.
//
// The window's title is the localised "Version Information" text, never the
// product name the binding would give it: another copy of the program hands
// over to the first window of ours whose title is a prefix of the product name,
// and that must be the main window. A title that could be taken for it is left
// empty (untitled windows are passed over).
//
// Threads: show() and release run on another thread than the version window's
// (the main window's thread for a menu command, the main thread at the end);
// the window's events run on its own thread. Before a window is released it is
// hidden and given back to its hidden owner on its own thread, so destroying it
// later never has to reach the thread that releases it.
//
// Ownership: the binding is not owned; the window, every component and font
// setting made for it are owned and released in reverse order (children before
// their boxes, before the window).
#include <windows.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "gui/events/IEventListener.h"
#include "picker/OwnedObjects.h"

namespace s::app::win {
class AppWindow;
}
namespace s::gui {
class IComponent;
}
namespace s::gui::win {
class Box;
class Button;
class FontSetting;
class Image;
class Label;
}  // namespace s::gui::win
namespace s::image::gui::dialogs::huesnap {
class DialogWindow;
}
namespace s::lang {
class Localizer;
}

namespace s::gui::dialogs {

class About3 : public events::IEventListener, public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(About3, L"s_gui_dialogs_About3")

public:
    // Language-pack entries: fixed ones, and offsets from the product's text base.
    static constexpr int32_t TEXT_HEADING = 400100;
    static constexpr int32_t TEXT_VERSION_CAPTION = 400010;
    static constexpr int32_t TEXT_UPDATED_CAPTION = 400020;
    static constexpr int32_t TEXT_URL_CAPTION = 400080;
    static constexpr int32_t TEXT_URL = 101000;
    static constexpr int32_t TEXT_CLOSE = 400120;
    static constexpr int32_t VERSION_OFFSET = 10;
    static constexpr int32_t UPDATED_OFFSET = 20;
    static constexpr int32_t SUPPORT_QUESTION_OFFSET = 89;
    static constexpr int32_t SUPPORT_LINK_OFFSET = 90;
    static constexpr int32_t SUPPORT_PAGE_OFFSET = 100;
    // Font size codes of the heading and the product name.
    static constexpr int HEADING_SIZE_CODE = -104;
    static constexpr int PRODUCT_SIZE_CODE = -103;
    static constexpr COLORREF LINK_COLOUR = RGB(0, 170, 0);
    static constexpr COLORREF LINK_HOVER_COLOUR = RGB(170, 170, 0);
    static constexpr COLORREF SUPPORT_FILL = RGB(238, 250, 199);
    static constexpr COLORREF SUPPORT_FRAME = RGB(154, 206, 2);
    static constexpr SIZE CLOSE_GLYPH_SIZE = {50, 14};
    static constexpr SIZE CLOSE_BUTTON_SIZE = {100, 20};
    static constexpr int ICON_SIZE = 16;
    // User events of the window, recognised by identity.
    static constexpr wchar_t LAYOUT_EVENT[] = L"HueSnapVersionLayout";
    static constexpr wchar_t OWNER_EVENT[] = L"HueSnapVersionOwner";

    enum Row { VERSION_ROW = 0, UPDATED_ROW = 1, URL_ROW = 2, ROW_COUNT = 3 };

    // Opens a web page address; true when it was handed to a browser.
    using PageOpener = bool (*)(const wchar_t* address);

    About3();
    ~About3() override;
    About3(const About3&) = delete;
    About3& operator=(const About3&) = delete;

    // Releases the window and everything made for it and forgets the binding and opener.
    void reset() override;

    // The window's settings binding (not owned); before show.
    void setAppWindow(app::win::AppWindow* appWindow) { appWindow_ = appWindow; }
    app::win::AppWindow* getAppWindow() const { return appWindow_; }
    // How pages open (null: the shell's "open").
    void setPageOpener(PageOpener opener);

    // Releases the window of the previous call, makes a new one owned by `owner`,
    // fills it and shows it. False without a binding or when the window could not be made.
    bool show(HWND owner);
    // True while a window made by show has not been closed.
    bool isOpen() const;

    void onEvent(s::gui::IComponent* source, int kind) override;

    // The title the window takes: the heading text of the current language, or ""
    // when that could be taken for the product's name (see couldBeTakenForProduct).
    static const wchar_t* titleFor(lang::Localizer* texts, int32_t productText);
    // True when `title` is not empty and, ignoring case, a prefix of the product's
    // name (entry `productText`) in any language of the pack.
    static bool couldBeTakenForProduct(const lang::Localizer* texts, int32_t productText, const wchar_t* title);

    // ---- What the window shows (for the tests)
    s::image::gui::dialogs::huesnap::DialogWindow* window() const { return window_; }
    s::gui::win::Label* heading() const { return heading_; }
    s::gui::win::Image* productIcon() const { return productIcon_; }
    s::gui::win::Label* productName() const { return productName_; }
    s::gui::win::Label* caption(Row row) const { return captions_[row]; }
    s::gui::win::Label* value(Row row) const { return values_[row]; }
    s::gui::win::Box* supportFrame() const { return supportFrame_; }
    s::gui::win::Box* supportPanel() const { return supportPanel_; }
    s::gui::win::Label* supportText() const { return supportText_; }
    s::gui::win::Label* supportLink() const { return supportLink_; }
    s::gui::win::Button* closeGlyph() const { return closeGlyph_; }
    s::gui::win::Button* closeButton() const { return closeButton_; }
    s::gui::win::Box* body() const { return column_; }

private:
    // ---- Building
    bool buildContent();
    s::gui::win::Box* buildHeaderRow();
    s::gui::win::Box* buildProductRow();
    s::gui::win::Box* buildTable();
    s::gui::win::Box* buildSupportPanel();
    s::gui::win::Box* buildButtonRow();
    s::gui::win::Box* newBox(bool row);
    s::gui::win::Label* newLabel(int32_t textId, int sizeCode);
    s::gui::win::Label* newLink(int32_t textId);
    s::gui::win::Button* newButton(int32_t textId, const wchar_t* glyph, SIZE size);
    s::gui::win::FontSetting* newFont(int sizeCode);
    bool keep(thread::IPoolable* object);
    void attachContent(HWND owner);
    void listen();
    void applySkin();
    void paintLabels(COLORREF text);

    // ---- Events and the end
    void onWindowEvent();
    void open(const wchar_t* address) const;
    lang::Localizer* localizer() const;
    int32_t productBase() const;
    void releaseWindow();

    app::win::AppWindow* appWindow_;  // not owned
    PageOpener opener_;
    s::image::gui::dialogs::huesnap::DialogWindow* window_;  // owned (pooled)
    s::gui::win::Box* column_;                               // the rest: owned through objects_
    s::gui::win::Label* heading_;
    s::gui::win::Image* productIcon_;
    s::gui::win::Label* productName_;
    s::gui::win::Label* captions_[ROW_COUNT];
    s::gui::win::Label* values_[ROW_COUNT];
    s::gui::win::Box* supportFrame_;
    s::gui::win::Box* supportPanel_;
    s::gui::win::Label* supportText_;
    s::gui::win::Label* supportLink_;
    s::gui::win::Button* closeGlyph_;
    s::gui::win::Button* closeButton_;
    s::gui::win::FontSetting* linkHoverFont_;

    // Everything made for the window, released in reverse order, and views of it.
    static constexpr int MAX_OBJECTS = 48;
    image::gui::dialogs::huesnap::OwnedObjects<MAX_OBJECTS> objects_;
    s::gui::win::Box* boxes_[MAX_OBJECTS];  // not owned: the boxes that take the skin's body colour
    int boxCount_;
    s::gui::win::Label* labels_[MAX_OBJECTS];  // not owned: the labels that take the skin's text colour
    int labelCount_;
    // The DPI the window's content was built for, and a design size in pixels at it.
    int dpi_ = 96;
    int px(int designUnits) const;
    s::gui::win::Button* buttons_[2];  // not owned: the buttons the skin draws
};

}  // namespace s::gui::dialogs
