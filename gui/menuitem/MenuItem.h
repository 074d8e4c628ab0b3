#pragma once
// MenuItem: one entry of a popup menu: a text (literal, or an entry of the
// language pack by id), the command id WM_COMMAND carries when it is chosen, a
// check mark, the radio mark of its menu's radio group, or a separator.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::lang {
class Localizer;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::menuitem {

class MenuItem : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(MenuItem, L"s_gui_menuitem_MenuItem")

public:
    static constexpr int NONE = -1;

    MenuItem();
    ~MenuItem() override;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    void reset() override;

    // A separator item; null when none could be had.
    static MenuItem* newSeparator();
    // A text item whose text is entry `textId` of the language pack, read at once
    // when a localizer is given (and again on every refresh).
    static MenuItem* newText(int textId, lang::Localizer* localizer, int commandId, bool checked);
    // A text item with a literal text (skin and language names).
    static MenuItem* newLiteral(const wchar_t* text, int commandId, bool checked);

    // Reads the text again from the language pack when the item has a text id and a localizer.
    void refreshText();
    const wchar_t* getText() const;
    // Replaces the literal text; an item with a text id keeps taking its text from the pack.
    void setText(const wchar_t* text);
    int getTextId() const { return textId_; }
    int getCommandId() const { return commandId_; }
    bool isChecked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }
    bool isRadioChecked() const { return radioChecked_; }
    void setRadioChecked(bool checked) { radioChecked_ = checked; }
    bool isSeparator() const { return separator_; }
    lang::Localizer* getLocalizer() const { return localizer_; }
    // Takes ownership of `attachment` (released with the item); none of the
    // program's menus use one.
    void setAttachment(thread::IPoolable* attachment);

private:
    lang::Localizer* localizer_;       // not owned
    str::strbuffer::StrBuffer* text_;  // owned (pooled)
    int textId_;
    int commandId_;
    bool checked_;
    bool radioChecked_;
    bool separator_;
    thread::IPoolable* attachment_;  // owned (pooled)
};

}  // namespace s::gui::menuitem
