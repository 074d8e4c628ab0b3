#pragma once
// ControlCore: the state and native steps every control shares, held by each
// control (see Control.h):
//  - the text and text id, resolved through the localiser at creation;
//  - the font setting (not owned) and the GDI font made from it for the native
//    window (owned; without a setting the stock GUI font is used);
//  - the transparent flag and the answer to the reflected WM_CTLCOLOR* (0x8003):
//    one owned brush per control, made again only when the colour changes and
//    deleted with the control's window, so no brush outlives its control;
//  - the listener lists;
//  - destroying the native window on its own thread from any thread.
#include <windows.h>

#include <cstdint>

#include "foundation/str/strbuffer/StrBuffer.h"
#include "gui/events/ListenerLists.h"

namespace s::lang {
class Localizer;
}

namespace s::gui {
class IComponent;
}

namespace s::gui::win {

class Font;
class FontSetting;

class ControlCore {
public:
    static constexpr int NO_TEXT_ID = -1;

    explicit ControlCore(uint32_t eventKinds);
    ~ControlCore();
    ControlCore(const ControlCore&) = delete;
    ControlCore& operator=(const ControlCore&) = delete;

    // Back to a new control's state: no text, no id, no localiser or font
    // setting, opaque, empty lists. Frees the font and brush.
    void clear();

    // ---- Text
    bool setText(const wchar_t* text) { return text_.set(text ? text : L""); }
    const wchar_t* text() const { return text_.c_str(); }
    // The buffer itself, for controls whose text lives in their native window and
    // is read back into it on demand (hence available from const getters).
    str::strbuffer::StrBuffer& textBuffer() const { return text_; }
    void setTextId(int id) { textId_ = id; }
    int textId() const { return textId_; }
    void setLocalizer(lang::Localizer* localizer) { localizer_ = localizer; }
    lang::Localizer* localizer() const { return localizer_; }
    // At creation: a text id with a localiser replaces the text by the pack's text.
    void resolveText();

    // ---- Font
    void setFontSetting(FontSetting* setting) { fontSetting_ = setting; }
    FontSetting* fontSetting() const { return fontSetting_; }
    // The font for the native window: made from `setting` (the control's when
    // null), else the stock GUI font. The made font is owned and replaced by the
    // next call. Never null.
    HFONT makeFont(const FontSetting* setting = nullptr);
    // The last font made (or the stock font).
    HFONT font() const;
    // The setting's foreground, else the component's.
    static COLORREF textColour(const FontSetting* setting, const IComponent& self);

    // ---- Colours
    void setTransparent(bool transparent) { transparent_ = transparent; }
    bool isTransparent() const { return transparent_; }
    // The parent's background, else the control's own.
    static COLORREF parentBackground(const IComponent& self);
    // The reflected WM_CTLCOLOR* answer: a brush of `background` (the parent's
    // background when transparent, the hollow brush and transparent text
    // background without a parent), with the text colour set on `dc`.
    LRESULT answerColour(const IComponent& self, HDC dc, COLORREF background, COLORREF text);
    // The control's brush of `colour` (owned; replaced when the colour differs).
    HBRUSH brush(COLORREF colour);
    // Deletes the brush and the font: the window they served is gone.
    void releaseGdi();

    // ---- Listeners
    events::ListenerLists& listeners() { return listeners_; }
    const events::ListenerLists& listeners() const { return listeners_; }

    // ---- Native window
    // Destroys `hwnd` on its own thread: directly there, else through
    // WM_APP_DESTROY_CONTROL (waiting at most 5 s for a thread that hangs).
    static void destroyWindow(HWND hwnd);
    // The top-level window above `hwnd`, or null.
    static HWND topLevel(HWND hwnd);
    // True when the screen point lies in the window rectangle of `hwnd`.
    static bool isPointerOver(HWND hwnd);
    // The lParam of a mouse message (client coordinates) inside the client area.
    static bool isInsideClient(HWND hwnd, LPARAM lp);
    // Sends the key on to the parent component's window (else the parent window)
    // and returns its answer; -1 when there is no one to ask.
    static LRESULT sendKeyUp(const IComponent& self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Lays out the outermost box above `self` again (its sizes changed).
    static void relayoutAbove(IComponent& self);

private:
    mutable str::strbuffer::StrBuffer text_;  // owned (embedded)
    int textId_;
    lang::Localizer* localizer_;  // not owned
    FontSetting* fontSetting_;    // not owned
    Font* font_;                  // owned (pooled): the font of the native window, or null
    bool transparent_;
    HBRUSH brush_;  // owned: DeleteObject
    COLORREF brushColour_;
    events::ListenerLists listeners_;  // owned (embedded); the listeners are not owned
};

}  // namespace s::gui::win
