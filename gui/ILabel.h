#pragma once
// ILabel: a text the toolkit paints, sized to fit its text. A link label takes
// the mouse, shows hover and press with its own fonts and, when clicked, runs its
// target (a program or web address) and raises CLICKED.
#include "gui/IControl.h"

namespace s::gui {

class ILabel : public IControl {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_ILabel";
    static constexpr int CLICKED = 1;  // a link label was clicked (released inside)

    // From any thread: replaces the text when it differs, measures it, asks the
    // boxes above to lay out again and, with `repaint`, repaints. True when the
    // text changed.
    virtual bool setText(const wchar_t* text, bool repaint) = 0;
    // From any thread: shows `text` for durationMs, then the text shown before
    // (a second temporary text in the meantime keeps that first text). Needs the
    // label's window (its timer): a label not created yet ignores it.
    virtual void showTemporaryText(const wchar_t* text, bool repaint, int durationMs) = 0;

    // Makes the label a link to `target` (null: a plain label again; "": a link
    // that runs nothing but still raises CLICKED).
    virtual bool setLinkTarget(const wchar_t* target) = 0;
    virtual bool isLink() const = 0;
    // Never null.
    virtual const wchar_t* getLinkTarget() const = 0;
    // 0 none, 1 hover, 2 pressed (link labels only).
    virtual int getHoverState() const = 0;
};

}  // namespace s::gui
