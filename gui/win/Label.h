#pragma once
// Label: a text the toolkit paints in a child window of the toolkit class
// ("NivoWindowClass", WS_CHILD, extended style WS_EX_TRANSPARENT, id 0).
//
// Painting: the parent's background, the label's background unless transparent,
// then the text in its font setting's font and colour: through the text drawer
// when the label has one (the drawer paints the text alone: its own colours and
// fill would override the label's), else with DrawText. A link label paints with
// one of three font settings by hover state (normal, hover, pressed).
//
// Text changes run on the label's thread (WM_APP_LABEL_SET_TEXT): the text is
// replaced only when it differs, measured in its font (which sets the minimum
// and preferred size), and the outermost box above lays out again. Before the
// window exists a changed text is measured when a layout pass asks (measure),
// so a window can be laid out before its controls are made.
// A temporary text (WM_APP_LABEL_TEMPORARY_TEXT) shows for a while with timer
// 100; the text shown before it comes back when the timer fires, even after a
// second temporary text.
//
// setText while a temporary text shows replaces the text that will come back,
// so the temporary text never undoes a newer text.
//
// WM_GETTEXT and WM_GETTEXTLENGTH answer the shown text (temporary texts
// included), as system controls do, so assistive tools read what the label shows.
//
// WM_GETFONT answers the font the text is painted in (outside a link's hover),
// as system controls do, so whoever measures the text measures what is painted.
//
// A plain label lets clicks through to its parent (HTTRANSPARENT). A link label
// takes the mouse like a button (control::HoverState); releasing the button
// inside runs its target, when there is one, and raises CLICKED (1). A press cut
// short (the capture taken by another window, WM_CANCELMODE, or the label
// disabled while held) ends at once: no release would ever come to end it, and
// a later release inside must not count as a click.
#include <windows.h>

#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/Pooled.h"
#include "gui/ILabel.h"
#include "gui/control/HoverState.h"
#include "gui/win/Control.h"

namespace s::gui::drawer {
class IText;
}

namespace s::gui::win {

class Label : public Control<ILabel> {
    S_POOLED_CLASS(Label, L"s_gui_win_Label")

public:
    static constexpr DWORD STYLE = WS_CHILD;
    static constexpr DWORD EX_STYLE = WS_EX_TRANSPARENT;
    static constexpr UINT_PTR TEMPORARY_TIMER = 100;

    // What WM_APP_LABEL_TEMPORARY_TEXT points to (sent, so the text may live on the stack).
    struct TemporaryText {
        const wchar_t* text;  // not owned
        bool repaint;
        int durationMs;
    };

    Label();
    ~Label() override;
    void reset() override;
    bool create(HWND parent) override;

    // ---- IControl / ILabel
    // Before the window exists a layout pass measures a changed text, so a window
    // laid out before its controls are made gives each its final place at once.
    void measure() override;
    bool setText(const wchar_t* text) override { return setText(text, true); }
    bool setText(const wchar_t* text, bool repaint) override;
    void showTemporaryText(const wchar_t* text, bool repaint, int durationMs) override;
    bool setLinkTarget(const wchar_t* target) override;
    bool isLink() const override { return link_; }
    const wchar_t* getLinkTarget() const override { return target_.c_str(); }
    int getHoverState() const override { return hover_.state(); }
    // True while a temporary text is shown.
    bool isShowingTemporaryText() const { return saved_; }

    // The text drawer (not owned: the skin's or the caller's); null: the label draws.
    void setTextDrawer(drawer::IText* drawer);
    // Link fonts by hover state (not owned); null uses the label's font setting.
    void setLinkFontSettings(FontSetting* hover, FontSetting* pressed);
    // DrawText flags of the text (DT_NOPREFIX is always added).
    void setTextFormat(UINT format);
    UINT getTextFormat() const { return format_; }

protected:
    bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void paintClient(HDC dc, int width, int height) override;
    // Labels draw their text themselves: the font is made, the text measured again.
    void applyFont() override;
    void fontSettingChangedUnbound() override { sizeStale_ = true; }

private:
    bool handleMouse(UINT msg, LPARAM lp, LRESULT* result);
    // On the label's thread: replace, measure, lay out, repaint.
    bool replaceText(const wchar_t* text, bool repaint);
    void onTemporaryText(const TemporaryText& request);
    void restoreSavedText();
    // WM_GETTEXT: the shown text into `buffer` (room for `room` characters); the count copied.
    LRESULT answerGetText(WPARAM room, LPARAM buffer) const;
    // Sets the minimum and preferred size to the text's size in the shown font
    // (made first when the window does not exist yet).
    void measureText();
    void applyHover(const control::HoverState::Change& change);
    // The press or hover ends without a release: state 0, capture given back.
    void cancelPress();
    void runTarget() const;
    const FontSetting* shownFontSetting() const;

    str::strbuffer::StrBuffer target_;     // owned (embedded)
    str::strbuffer::StrBuffer savedText_;  // owned (embedded): the text under a temporary one
    bool saved_;
    bool link_;
    bool sizeStale_;  // before the window exists: the text or font changed since it was measured
    UINT format_;
    drawer::IText* drawer_;     // not owned
    FontSetting* hoverFont_;    // not owned
    FontSetting* pressedFont_;  // not owned
    control::HoverState hover_;
};

}  // namespace s::gui::win
