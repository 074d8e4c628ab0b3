#pragma once
// GroupBox: a system group box ("BUTTON", WS_CHILD | BS_GROUPBOX, id 1000,
// initial caption "GroupBox") that holds components and lays them out as a box.
//
// Its children's windows are created inside it through WM_APP_ATTACH to itself.
// Their notifications arrive at the group box, a system button that would drop
// them, so it hands them to the toolkit's class procedure, which reflects them
// to the child that sent them as every toolkit window does.
#include <windows.h>

#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "framework/Wnd.h"
#include "gui/IGroupBox.h"
#include "gui/win/ControlCore.h"

namespace s::gui::win {

class GroupBox : public IGroupBox, public thread::IPoolable, public framework::Wnd {
    S_POOLED_CLASS(GroupBox, L"s_gui_win_GroupBox")

public:
    static constexpr DWORD STYLE = WS_CHILD | BS_GROUPBOX;  // 0x40000007
    static constexpr int CONTROL_ID = 1000;

    GroupBox();
    ~GroupBox() override;
    // No window, no children, no text; margins leave room for the frame and caption.
    void reset() override;

    HWND getHandle() const override { return handle(); }
    // Creates the group box, then its children's windows in list order, lays out
    // and shows it when visible. Reports a failure and returns false.
    bool create(HWND parent) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;

    // ---- IGroupBox
    bool setText(const wchar_t* text) override;
    const wchar_t* getText() const override { return core_.text(); }
    void setTextId(int id) override { core_.setTextId(id); }
    int getTextId() const override { return core_.textId(); }
    void setLocalizer(lang::Localizer* localizer) override { core_.setLocalizer(localizer); }
    void setTransparent(bool transparent) override { core_.setTransparent(transparent); }
    bool isTransparent() const override { return core_.isTransparent(); }

    // Not owned; its foreground colours the caption.
    void setFontSetting(FontSetting* setting);

protected:
    bool moveNative(int x, int y, int width, int height) override;
    void attachChild(IComponent* component) override;
    LRESULT windowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static bool isChildNotification(UINT msg, LPARAM lp);

    ControlCore core_;  // text, font and colour answer; raises no events
};

}  // namespace s::gui::win
