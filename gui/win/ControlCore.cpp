#include "gui/win/ControlCore.h"

#include "gui/IBox.h"
#include "gui/IComponent.h"
#include "gui/IContainer.h"
#include "gui/win/Box.h"
#include "gui/win/ControlMessages.h"
#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"
#include "gui/win/GroupBox.h"
#include "lang/Localizer.h"

namespace s::gui::win {

namespace {

constexpr UINT DESTROY_WAIT_MS = 5000;

// Boxes are told apart by their class-name string (no RTTI).
bool isBox(const IContainer* container) {
    const wchar_t* name = container->getClassName();
    return name == Box::CLASS_NAME || name == GroupBox::CLASS_NAME;
}

}  // namespace

ControlCore::ControlCore(uint32_t eventKinds)
    : textId_(NO_TEXT_ID),
      localizer_(nullptr),
      fontSetting_(nullptr),
      font_(nullptr),
      transparent_(false),
      brush_(nullptr),
      brushColour_(0),
      listeners_(eventKinds) {}

ControlCore::~ControlCore() {
    releaseGdi();
}

void ControlCore::clear() {
    releaseGdi();
    text_.reset();
    textId_ = NO_TEXT_ID;
    localizer_ = nullptr;
    fontSetting_ = nullptr;
    transparent_ = false;
    listeners_.clear();
}

void ControlCore::resolveText() {
    if (textId_ == NO_TEXT_ID || !localizer_) return;
    text_.set(localizer_->getText(int32_t(textId_)));
}

HFONT ControlCore::makeFont(const FontSetting* setting) {
    if (!setting) setting = fontSetting_;
    if (!setting) {
        if (font_) font_->release();
        font_ = nullptr;
        return font();
    }
    if (!font_) font_ = Font::acquire();
    if (font_ && !setting->createFontInto(font_)) {
        font_->release();
        font_ = nullptr;
    }
    return font();
}

HFONT ControlCore::font() const {
    if (font_ && font_->handle()) return font_->handle();
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF ControlCore::textColour(const FontSetting* setting, const IComponent& self) {
    return setting ? setting->getForeground() : self.getForeground();
}

COLORREF ControlCore::parentBackground(const IComponent& self) {
    return self.getParent() ? self.getParent()->getBackground() : self.getBackground();
}

HBRUSH ControlCore::brush(COLORREF colour) {
    if (brush_ && brushColour_ == colour) return brush_;
    HBRUSH made = CreateSolidBrush(colour);
    if (!made) return brush_;  // keep answering with the old one rather than with none
    if (brush_) DeleteObject(brush_);
    brush_ = made;
    brushColour_ = colour;
    return brush_;
}

LRESULT ControlCore::answerColour(const IComponent& self, HDC dc, COLORREF background, COLORREF text) {
    if (dc) SetTextColor(dc, text);
    if (transparent_ && !self.getParent()) {
        if (dc) SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    }
    const COLORREF colour = transparent_ ? self.getParent()->getBackground() : background;
    if (dc) SetBkColor(dc, colour);
    return reinterpret_cast<LRESULT>(brush(colour));
}

void ControlCore::releaseGdi() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
    if (font_) font_->release();
    font_ = nullptr;
}

void ControlCore::destroyWindow(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return;
    if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(hwnd);
        return;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hwnd, WM_APP_DESTROY_CONTROL, 0, 0, SMTO_NORMAL, DESTROY_WAIT_MS, &ignored);
}

HWND ControlCore::topLevel(HWND hwnd) {
    return hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
}

bool ControlCore::isPointerOver(HWND hwnd) {
    POINT pointer;
    RECT area;
    return hwnd && GetCursorPos(&pointer) && GetWindowRect(hwnd, &area) && PtInRect(&area, pointer);
}

bool ControlCore::isInsideClient(HWND hwnd, LPARAM lp) {
    RECT client;
    if (!GetClientRect(hwnd, &client)) return false;
    // Client coordinates are signed: left of or above the control is negative.
    const POINT point = {short(LOWORD(lp)), short(HIWORD(lp))};
    return PtInRect(&client, point) != 0;
}

LRESULT ControlCore::sendKeyUp(const IComponent& self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HWND parent = self.getParent() ? self.getParent()->getHandle() : nullptr;
    if (!parent) parent = GetParent(hwnd);
    return parent ? SendMessageW(parent, msg, wp, lp) : -1;
}

void ControlCore::relayoutAbove(IComponent& self) {
    IContainer* outermost = nullptr;
    for (IContainer* above = self.getParent(); above; above = above->getParent())
        if (isBox(above)) outermost = above;
    if (outermost) static_cast<IBox*>(outermost)->doLayout();
}

}  // namespace s::gui::win
