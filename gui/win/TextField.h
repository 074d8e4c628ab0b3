#pragma once
// TextField: a system edit field ("EDIT", WS_CHILD | WS_BORDER | WS_TABSTOP |
// ES_AUTOHSCROLL, id 1001).
//
// Creation gives it its font and text, disables it when not enabled, makes it
// read-only when not editable and sets the password character ('*' in password
// mode). Events: CHANGED (1) when the text changed and change notification is on
// (the reflected EN_CHANGE); FOCUS_LOST (3) on the reflected EN_KILLFOCUS;
// PASTED (2) for every paste (Ctrl+V, Shift+Insert, the field's own menu) while
// the owner takes pastes: the field then leaves its text alone and the listener
// reads the clipboard's text with pastedText() during the event, and decides.
//
// Typing is drawn without flicker: each character is handled with redrawing
// off, then the field repaints once. The background is the control's colour
// while enabled and editable, the system's button face otherwise.
#include <windows.h>

#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/Pooled.h"
#include "gui/ITextField.h"
#include "gui/win/Control.h"

namespace s::gui::win {

class TextField : public Control<ITextField> {
    S_POOLED_CLASS(TextField, L"s_gui_win_TextField")

public:
    static constexpr DWORD STYLE = WS_CHILD | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;  // 0x40810080
    static constexpr int CONTROL_ID = 1001;
    static constexpr wchar_t PASSWORD_CHAR = L'*';

    TextField();
    ~TextField() override;
    void reset() override;
    bool create(HWND parent) override;

    // The text typed so far (read from the field while it exists). Never null.
    const wchar_t* getText() const override;
    void setEditable(bool editable) override;
    void setEnabled(bool enabled) override;

    // ---- ITextField
    void setPassword(bool password) override;
    bool isPassword() const override { return password_; }
    void setChangeNotification(bool notify) override { notifyChange_ = notify; }
    bool isChangeNotification() const override { return notifyChange_; }
    void focusAndSelectAll() override;

    // Pastes go to the PASTED listeners instead of into the field.
    void setPasteTaken(bool taken) { pasteTaken_ = taken; }
    bool isPasteTaken() const { return pasteTaken_; }
    // True only while PASTED is being raised.
    bool isPasting() const { return pasting_; }
    // The clipboard's text during PASTED (empty when it holds none). Never null.
    const wchar_t* pastedText() const { return pasted_.c_str(); }

protected:
    bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    LRESULT answerColour(HDC dc) override;

private:
    LRESULT onChar(WPARAM wp, LPARAM lp);
    void applyPassword();
    void takePaste();

    bool password_, notifyChange_;
    bool creating_;  // the text given at creation is no change the user made
    bool pasteTaken_, pasting_;
    str::strbuffer::StrBuffer pasted_;  // owned (embedded): the text of the paste being raised
};

}  // namespace s::gui::win
