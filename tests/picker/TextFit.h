#pragma once
// Whether every text of a window can be read whole: each control's text measured
// in the font the control paints it with (what WM_GETFONT answers) against the
// room its client area leaves for text, and each control inside the client areas
// of the windows that hold it (a box or window narrower than its content cuts the
// control off however wide the control itself is).
//
// Room for text: a label has its whole client area (a wrapping label must show
// every wrapped line in its height); a push button loses its frame on each side;
// a check box or radio item loses its box and the gap after it; a group box's
// caption sits between the frame's corners; an edit field loses its margins.
// Glyph buttons ("#Left", "#X", swatches) show pictures, not texts.
//
// Controls whose windows are hidden (the other role's page) are passed over: show
// them and check again.
#include <windows.h>

#include <string>
#include <vector>

#include "gui/IComponent.h"
#include "gui/IContainer.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/RadioButton.h"
#include "gui/win/TextField.h"

namespace picker_testing {

class TextFit {
public:
    // Pixels a push button's frame takes on each side of its text (the raised
    // edge, and the gap that keeps the text off it).
    static constexpr int BUTTON_FRAME = 2;
    // The group box frame's corner and the gap before its caption, on each side.
    static constexpr int CAPTION_INDENT = 8;
    // Between a check box (or radio circle) and its text.
    static constexpr int CHECK_GAP = 4;

    // One text that does not fit, or one control cut off by what holds it.
    struct Misfit {
        std::wstring control;  // class name and text id
        std::wstring text;
        int textWidth, roomWidth, textHeight, roomHeight;
        bool cutOff;  // the control itself lies partly outside a window that holds it
    };

    // Every misfit among the shown controls below `root`.
    static std::vector<Misfit> check(s::gui::IComponent* root) {
        std::vector<Misfit> misfits;
        visit(root, &misfits);
        return misfits;
    }

    static std::wstring describe(const Misfit& misfit) {
        std::wstring line = misfit.control + L" \"" + misfit.text + L"\": ";
        if (misfit.cutOff) return line + L"cut off by the window or box that holds it";
        return line + L"text " + std::to_wstring(misfit.textWidth) + L"x" + std::to_wstring(misfit.textHeight) +
               L" px, room " + std::to_wstring(misfit.roomWidth) + L"x" + std::to_wstring(misfit.roomHeight) + L" px";
    }

    // The text's extent in the control's painting font; `wrapWidth` > 0 wraps at it.
    static SIZE measure(HWND hwnd, const wchar_t* text, UINT format, int wrapWidth) {
        SIZE size = {0, 0};
        if (!text || !*text) return size;
        HDC dc = GetDC(hwnd);
        if (!dc) return size;
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        RECT box = {0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
        DrawTextW(dc, text, -1, &box, format | DT_CALCRECT | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        size.cx = box.right - box.left;
        size.cy = box.bottom - box.top;
        return size;
    }

private:
    enum class Kind { NONE, LABEL, BUTTON, CHECK, CAPTION, FIELD };

    struct Text {
        Kind kind = Kind::NONE;
        const wchar_t* text = L"";
        int textId = s::gui::IControl::NO_TEXT_ID;
        UINT format = DT_SINGLELINE;
    };

    static void visit(s::gui::IComponent* component, std::vector<Misfit>* misfits) {
        if (!component) return;
        HWND hwnd = component->getHandle();
        if (hwnd && !IsWindowVisible(hwnd)) return;
        if (hwnd) checkControl(component, hwnd, misfits);
        if (!component->isContainer()) return;
        auto* container = static_cast<s::gui::IContainer*>(component);
        for (int i = 0; i < container->getComponentCount(); ++i) visit(container->getComponent(i), misfits);
    }

    // Classes are told apart by their class-name strings, as the toolkit does.
    static Text textOf(s::gui::IComponent* component) {
        using namespace s::gui::win;
        const wchar_t* name = component->getClassName();
        Text text;
        if (name == Label::CLASS_NAME) {
            auto* label = static_cast<Label*>(component);
            text = {Kind::LABEL, label->getText(), label->getTextId(), label->getTextFormat()};
        } else if (name == Button::CLASS_NAME) {
            auto* button = static_cast<Button*>(component);
            if (button->getText()[0] != L'#') text = {Kind::BUTTON, button->getText(), button->getTextId()};
        } else if (name == CheckBox::CLASS_NAME) {
            auto* box = static_cast<CheckBox*>(component);
            text = {Kind::CHECK, box->getText(), box->getTextId()};
        } else if (name == RadioButton::CLASS_NAME) {
            auto* item = static_cast<RadioButton*>(component);
            text = {Kind::CHECK, item->getText(), item->getTextId()};
        } else if (name == GroupBox::CLASS_NAME) {
            auto* group = static_cast<GroupBox*>(component);
            text = {Kind::CAPTION, group->getText(), group->getTextId()};
        } else if (name == TextField::CLASS_NAME) {
            auto* field = static_cast<TextField*>(component);
            text = {Kind::FIELD, field->getText(), s::gui::IControl::NO_TEXT_ID};
        }
        return text;
    }

    static SIZE roomFor(Kind kind, HWND hwnd) {
        RECT client = {};
        GetClientRect(hwnd, &client);
        SIZE room = {client.right, client.bottom};
        switch (kind) {
            case Kind::BUTTON:
                room.cx -= 2 * BUTTON_FRAME;
                room.cy -= 2 * BUTTON_FRAME;
                break;
            case Kind::CHECK:
                room.cx -= GetSystemMetrics(SM_CXMENUCHECK) + CHECK_GAP;
                break;
            case Kind::CAPTION:
                room.cx -= 2 * CAPTION_INDENT;
                room.cy = client.bottom;  // the caption's line is part of the frame
                break;
            case Kind::FIELD: {
                const DWORD margins = DWORD(SendMessageW(hwnd, EM_GETMARGINS, 0, 0));
                room.cx -= LOWORD(margins) + HIWORD(margins);
                break;
            }
            default:
                break;
        }
        return room;
    }

    static void checkControl(s::gui::IComponent* component, HWND hwnd, std::vector<Misfit>* misfits) {
        const Text text = textOf(component);
        if (text.kind == Kind::NONE) return;
        const std::wstring name = std::wstring(component->getClassName()) + L" " + std::to_wstring(text.textId);
        if (isCutOff(hwnd)) {
            misfits->push_back({name, text.text, 0, 0, 0, 0, true});
            return;
        }
        if (!*text.text) return;
        const SIZE room = roomFor(text.kind, hwnd);
        const bool wraps = text.kind == Kind::LABEL && (text.format & DT_WORDBREAK) && !(text.format & DT_SINGLELINE);
        const UINT format = text.kind == Kind::LABEL ? text.format & ~UINT(DT_CALCRECT) : DT_SINGLELINE;
        const SIZE extent = measure(hwnd, text.text, format, wraps ? room.cx : 0);
        if (extent.cx > room.cx || extent.cy > room.cy)
            misfits->push_back({name, text.text, int(extent.cx), int(room.cx), int(extent.cy), int(room.cy), false});
    }

    // True when a window holding the control does not show all of it.
    static bool isCutOff(HWND hwnd) {
        RECT own = {};
        GetWindowRect(hwnd, &own);
        for (HWND holder = GetParent(hwnd); holder; holder = GetParent(holder)) {
            RECT client = {};
            GetClientRect(holder, &client);
            MapWindowPoints(holder, nullptr, reinterpret_cast<POINT*>(&client), 2);
            if (own.left < client.left || own.top < client.top || own.right > client.right ||
                own.bottom > client.bottom)
                return true;
            if (!(GetWindowLongW(holder, GWL_STYLE) & WS_CHILD)) break;  // the top-level window
        }
        return false;
    }
};

}  // namespace picker_testing
