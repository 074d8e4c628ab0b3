#pragma once
// Dialog: the main colour window. It shows a sample text in the text colour on
// the background colour and lets the user change either role's colour by
// sampling the screen with Alt held, by the hue / saturation / lightness sliders
// and their arrow buttons, by typing six hex digits or through the system colour
// chooser; the role's colour can be copied to the clipboard in the format chosen
// under Copy As, and a colour text pasted into the hex field is applied. A line
// under the sample tells the pair's contrast ratio and grades, and the Contrast
// menu changes the selected role's lightness until the pair reaches AA or AAA.
// Both colours are written to the window's section "View" at every change.
//
// One object listens to everything in its window: the window (closing, user
// events), every control, both menus and the title-bar buttons. All of that runs
// on the window's thread; the sampler (run) is the object's task on its own
// worker thread and reaches the window only through the synchronous user event
// ScreenSampler::PROCESS_NEW_COLOR, so no lock is needed for the colours.
//
// Ownership: the object owns its window, every component and font setting it
// made, and its sampler thread; the binding it is given is not owned. Released
// (reset) from another thread than the window's: reset stops the sampler and
// waits for it, which must never happen while the window handles an event.
#include <cstdint>

#include "app/thread/ITask.h"
#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "gui/events/IEventListener.h"
#include "gui/layout/DesignSizes.h"
#include "image/color/ColorMath.h"
#include "picker/ColorRole.h"
#include "picker/DialogCommands.h"
#include "picker/OwnedObjects.h"
#include "picker/ScreenSampler.h"

namespace s::app::win {
class AppWindow;
}
namespace s::gui {
class IComponent;
class IControl;
}
namespace s::gui::dialogs {
class About3;
}
namespace s::gui::drawer {
class ISkin;
class Skinner;
}
namespace s::gui::win {
class Box;
class Button;
class FontSetting;
class Label;
class PopupMenu;
class Slider;
class TextField;
}
namespace s::lang {
class Localizer;
}
namespace s::thread::win {
class Thread;
}

namespace s::image::gui::dialogs::huesnap {

class DialogWindow;

class Dialog : public s::gui::events::IEventListener,
               public base::IObject,
               public thread::IPoolable,
               public thread::ITask {
    S_POOLED_CLASS(Dialog, L"s_image_gui_dialogs_huesnap_Dialog")

public:
    static constexpr color::ColorValue DEFAULT_TEXT_COLOR = 0x00A289F4;        // red 244, green 137, blue 162
    static constexpr color::ColorValue DEFAULT_BACKGROUND_COLOR = 0x0066E5CF;  // red 207, green 229, blue 102
    static constexpr wchar_t VIEW_SECTION[] = L"View";
    static constexpr wchar_t TEXT_COLOR_VALUE[] = L"TextColor";
    static constexpr wchar_t BACKGROUND_COLOR_VALUE[] = L"BackgroundColor";
    static constexpr wchar_t KEEP_IN_SCREEN_VALUE[] = L"KeepInScreen";
    static constexpr wchar_t COPY_FORMAT_VALUE[] = L"CopyFormat";
    static constexpr wchar_t SHOW_CONTRAST_VALUE[] = L"ShowContrast";
    // Recognised by identity: lays the window's content out on the window's thread.
    static constexpr wchar_t LAYOUT_EVENT[] = L"HueSnapLayout";
    // Recognised by identity: makes the windows of the page not shown at start.
    static constexpr wchar_t HIDDEN_PAGE_EVENT[] = L"HueSnapHiddenPage";

    enum RoleIndex { TEXT_ROLE = 0, BACKGROUND_ROLE = 1, ROLE_COUNT = 2 };
    enum TitleButton { PIN_BUTTON = 0, MINIMIZE_BUTTON = 1, CLOSE_BUTTON = 2, TITLE_BUTTON_COUNT = 3 };

    // One role's state and controls (the controls are owned through the object's list).
    struct RolePage {
        ColorRole role;
        s::gui::win::Box* page;
        s::gui::win::Button* roleButton;
        s::gui::win::TextField* hexField;
        s::gui::win::Button* swatch;
        s::gui::win::Button* copy;
        s::gui::win::Slider* sliders[3];    // hue, saturation, lightness
        s::gui::win::Button* decrease[3];
        s::gui::win::Button* increase[3];
        s::gui::win::Label* hint;           // the hint line, which also tells why a fix did nothing
    };

    // Opens a web page address; true when it was handed to a browser.
    using PageOpener = bool (*)(const wchar_t* address);
    // Replaces how pages are opened (null: the shell's "open"); answers the previous opener.
    static PageOpener setPageOpener(PageOpener opener);
    // Opens `address` with the current opener.
    static bool openAddress(const wchar_t* address);

    Dialog();
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Stops the sampler, releases the window and everything made for it, and goes
    // back to the default colours.
    void reset() override;

    // The window's settings binding ("MainWindow"), not owned; before setUp.
    void setAppWindow(app::win::AppWindow* appWindow) { appWindow_ = appWindow; }
    // Builds menus, controls and layout, reads the settings, starts the sampler and
    // shows the window (iconized with `startupFlag`). False when there is no binding
    // or the window could not be made.
    bool setUp(bool startupFlag);
    // True once the window has closed and its thread has left every handler: only
    // then may the owner release what those handlers use.
    bool isFinished() const;

    void onEvent(s::gui::IComponent* source, int kind) override;
    void applyTextColor(color::ColorValue colour, ColorUpdate update);
    void applyBackgroundColor(color::ColorValue colour, ColorUpdate update);
    // ITask: the sampling loop.
    void run() override;

    // ---- What the window shows (for its owner and the tests)
    DialogWindow* window() const { return window_; }
    const RolePage& rolePage(RoleIndex index) const { return roles_[index]; }
    s::gui::win::Box* samplePanel() const { return samplePanel_; }
    s::gui::win::Label* sampleLabel() const { return sampleLabel_; }
    s::gui::win::Box* pagePile() const { return pagePile_; }
    s::gui::win::Button* titleButton(TitleButton which) const { return titleButtons_[which]; }
    s::gui::win::PopupMenu* rightClickMenu() const { return rightClickMenu_; }
    s::gui::win::PopupMenu* trayMenu() const { return trayMenu_; }
    bool isKeepInScreen() const { return keepInScreen_; }
    // The line under the sample with the pair's contrast ratio and grades; its box
    // is hidden with View > Show Contrast.
    s::gui::win::Label* contrastLine() const { return contrastLine_; }
    bool isContrastShown() const { return showContrast_; }
    // The format the Copy button writes (a ColorText format).
    int copyFormat() const { return copyFormat_; }
    bool isSamplerRunning() const { return sampler_.isRunning(); }
    // The font settings of a role button's text: regular and bold.
    const s::gui::win::FontSetting* roleFont(bool bold) const { return bold ? boldRoleFont_ : regularRoleFont_; }
    // Runs a chosen menu command as the menus do.
    void runCommand(int command);
    // The version window's object, made by the first "Version Information" command; else null.
    s::gui::dialogs::About3* versionWindow() const { return about_; }

private:
    // ---- Building (DialogLayout.cpp)
    bool buildControls();
    s::gui::win::Box* buildTitleBar();
    s::gui::win::Box* buildSamplePanel();
    s::gui::win::Box* buildRoleRow();
    s::gui::win::Box* buildPage(RoleIndex index);
    s::gui::win::Box* buildComponentRow(RoleIndex index, int component);
    s::gui::win::Box* buildHintColumn(RoleIndex index);
    s::gui::win::Box* buildColourRow(RoleIndex index);
    s::gui::win::Box* newBox(bool row);
    s::gui::win::Label* newLabel(int32_t textId, const wchar_t* text, int sizeCode);
    s::gui::win::Button* newButton(int32_t textId, const wchar_t* text, int sizeCode);
    s::gui::win::Button* newGlyphButton(const wchar_t* glyph, int width, int height);
    s::gui::win::Slider* newSlider(int maximum);
    s::gui::win::TextField* newHexField(color::ColorValue colour);
    void addSpacer(s::gui::win::Box* box, int width, int height);
    // Sizes in design units, kept in sizes_ so they follow the window's DPI.
    void fixedSize(s::gui::IComponent* component, int width, int height);
    void fillWidth(s::gui::IComponent* component, int minimumWidth, int height);
    void setMargins(s::gui::win::Box* box, int leftRight, int topBottom);
    void setSizeOverrides(s::gui::win::Box* box, int minWidth, int minHeight, int prefWidth, int prefHeight);
    // Sizes, fonts and the window itself for a new DPI (window's thread).
    void applyDpi(int dpi, const RECT& suggested);
    s::gui::win::FontSetting* newFont(int sizeCode);
    bool keep(thread::IPoolable* object);
    void keepControl(s::gui::IControl* control);
    void applySkin();
    void paintWithSkin(s::gui::drawer::Skinner* skinner, s::gui::drawer::ISkin* skin);
    void refreshTexts();
    // Each text button at least as wide as its text (its window must exist).
    void fitButtonsToTexts();

    // ---- Set-up steps (Dialog.cpp)
    void buildMenus();
    void readColours();
    color::ColorValue storedColour(const wchar_t* name, color::ColorValue fallback) const;
    void selectInitialRole();
    void listenToControls();
    void showRole(RoleIndex index);
    void listenToWindow();
    void applyBehaviours();

    // ---- Events (Dialog.cpp)
    bool onWindowEvent(int kind);
    void onSample(color::ColorValue colour);
    bool onMenuEvent(s::gui::IComponent* source);
    bool onTitleButton(s::gui::IComponent* source);
    bool onRoleEvent(RoleIndex index, s::gui::IComponent* source);
    void selectRole(RoleIndex index);
    void onHexChanged(RoleIndex index);
    void onSwatch(RoleIndex index);
    void onCopy(RoleIndex index);
    void applyRole(RoleIndex index, color::ColorValue colour, ColorUpdate update);
    void showComponents(RoleIndex index);
    void setKeepOnTop(bool on);
    void toggleKeepInScreen();
    void toggleMiddleClick();
    void selectSkin(int index);
    void selectLanguage(int index);
    void openPage(int32_t addressText);
    // ---- Contrast, Copy As and paste (DialogContrast.cpp)
    void readViewChoices();
    s::gui::win::Box* buildContrastLine();
    void showContrast();
    void fixContrast(double target);
    void toggleShowContrast();
    void selectCopyFormat(int format);
    void onPaste(RoleIndex index);
    RoleIndex selectedRole() const;
    lang::Localizer* localizer() const;
    int32_t productBase() const;
    void releaseAll();
    // ---- The version window (DialogVersion.cpp)
    void showVersionWindow();
    bool makeVersionWindow();
    void releaseVersionWindow();

    app::win::AppWindow* appWindow_;                 // not owned
    DialogWindow* window_;                           // owned (pooled)
    s::gui::win::PopupMenu* rightClickMenu_;         // owned by the window once attached
    s::gui::win::PopupMenu* trayMenu_;               // owned by the window once attached
    s::gui::win::PopupMenu* skinMenu_;               // owned by the right-click menu
    s::gui::win::PopupMenu* languageMenu_;           // owned by the right-click menu
    s::gui::win::PopupMenu* copyAsMenu_;             // owned by the right-click menu
    int copyFormat_;
    bool showContrast_;
    s::gui::win::Box* contrastBox_;                  // owned through objects_
    s::gui::win::Label* contrastLine_;               // owned through objects_
    s::gui::win::Button* titleButtons_[TITLE_BUTTON_COUNT];  // owned through objects_
    thread::win::Thread* samplerThread_;             // owned: taken at construction, else at set-up
    ScreenSampler sampler_;                          // samplerRunning / samplerStop live here
    bool keepInScreen_;
    s::gui::win::Box* mainColumn_;                   // owned through objects_
    s::gui::win::Box* samplePanel_;                  // owned through objects_
    s::gui::win::Label* sampleLabel_;                // owned through objects_
    s::gui::win::Box* pagePile_;                     // owned through objects_
    RolePage roles_[ROLE_COUNT];
    s::gui::win::FontSetting* sampleFont_;           // owned through objects_
    s::gui::win::FontSetting* regularRoleFont_;      // owned through objects_
    s::gui::win::FontSetting* boldRoleFont_;         // owned through objects_

    // Everything made for the window, released in reverse order (children before
    // their boxes), and the controls whose texts come from the language pack.
    static constexpr int MAX_OBJECTS = 192;
    OwnedObjects<MAX_OBJECTS> objects_;
    s::gui::IControl* controls_[MAX_OBJECTS];        // not owned: a view of objects_
    int controlCount_;
    // The boxes and labels, which take the skin's body and text colours.
    static constexpr int MAX_PAINTED = 64;
    s::gui::win::Box* boxes_[MAX_PAINTED];           // not owned: a view of objects_
    int boxCount_;
    s::gui::win::Label* labels_[MAX_PAINTED];        // not owned: a view of objects_
    int labelCount_;
    // The font settings made for the window, which follow its DPI.
    s::gui::win::FontSetting* fonts_[MAX_PAINTED];   // not owned: a view of objects_
    int fontCount_ = 0;
    // Every size the window's content is built with, in design units.
    s::gui::layout::DesignSizes sizes_;

    // The version window, its binding ("AboutWindow") and the binding's skin set: made on
    // first use, kept for later commands, released before everything else.
    s::gui::dialogs::About3* about_ = nullptr;          // owned (pooled)
    app::win::AppWindow* aboutAppWindow_ = nullptr;     // owned (pooled)
    s::gui::drawer::Skinner* aboutSkinner_ = nullptr;   // owned (pooled)
};

}  // namespace s::image::gui::dialogs::huesnap
