#include "gui/win/Label.h"

#include <shellapi.h>

#include <cwchar>

#include "foundation/thread/EasyPooler.h"
#include "gui/drawer/IText.h"
#include "gui/win/Font.h"
#include "gui/win/FontSetting.h"

namespace s::gui::win {

// Labels hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(Label, thread::EasyPooler::NO_CAPACITY)

using control::HoverState;

namespace {

constexpr uint32_t LABEL_EVENTS = events::ListenerLists::bit(ILabel::CLICKED);
constexpr UINT DEFAULT_FORMAT = DT_LEFT | DT_TOP;

bool sameText(const wchar_t* a, const wchar_t* b) {
    return std::wcscmp(a ? a : L"", b ? b : L"") == 0;
}

}  // namespace

Label::Label() : Control<ILabel>(LABEL_EVENTS) {
    reset();
}

Label::~Label() {
    destroyNative();
}

void Label::reset() {
    resetControl();
    target_.reset();
    savedText_.reset();
    saved_ = false;
    link_ = false;
    sizeStale_ = true;
    format_ = DEFAULT_FORMAT;
    drawer_ = nullptr;
    hoverFont_ = pressedFont_ = nullptr;
    hover_.clear();
}

bool Label::create(HWND parent) {
    if (isBound()) return true;
    if (!NativeChild::ensureClass()) return false;  // the registration reported it
    if (!createNative(EX_STYLE, NativeChild::CLASS_NAME, L"", STYLE, 0, parent)) return false;
    placeCreated();
    return true;
}

void Label::applyFont() {
    core_.makeFont();
    measureText();
    ControlCore::relayoutAbove(*this);
    repaint();
}

// ---- Texts

bool Label::setText(const wchar_t* text, bool repaint) {
    if (isBound()) return send(WM_APP_LABEL_SET_TEXT, reinterpret_cast<WPARAM>(text), repaint ? 1 : 0) != 0;
    if (sameText(text, core_.text()) || !core_.setText(text)) return false;
    sizeStale_ = true;
    return true;
}

void Label::measure() {
    if (!isBound() && sizeStale_) measureText();
}

bool Label::replaceText(const wchar_t* text, bool repaint) {
    if (saved_) {
        // Shown once the temporary text is over.
        if (sameText(text, savedText_.c_str())) return false;
        return savedText_.set(text ? text : L"");
    }
    if (sameText(text, core_.text()) || !core_.setText(text)) return false;
    measureText();
    ControlCore::relayoutAbove(*this);
    if (repaint) repaintNow();
    return true;
}

void Label::showTemporaryText(const wchar_t* text, bool repaint, int durationMs) {
    TemporaryText request = {text, repaint, durationMs};
    if (isBound()) send(WM_APP_LABEL_TEMPORARY_TEXT, reinterpret_cast<WPARAM>(&request));
}

void Label::onTemporaryText(const TemporaryText& request) {
    if (!saved_) saved_ = savedText_.set(core_.text());
    if (core_.setText(request.text)) {
        measureText();
        ControlCore::relayoutAbove(*this);
        if (request.repaint) repaintNow();
    }
    SetTimer(handle(), TEMPORARY_TIMER, UINT(request.durationMs > 0 ? request.durationMs : 0), nullptr);
}

void Label::restoreSavedText() {
    KillTimer(handle(), TEMPORARY_TIMER);
    if (!saved_) return;
    saved_ = false;
    core_.setText(savedText_.c_str());
    savedText_.reset();
    measureText();
    ControlCore::relayoutAbove(*this);
    repaintNow();
}

// The label paints its text itself; screen readers and UI automation read a
// window's text with WM_GETTEXT (also from other processes), so the label
// answers it with the text it shows at that moment, temporary texts included.
// Answered here rather than stored as the native window text: nothing has to
// follow each change, and the shown text and the answer can never differ.
LRESULT Label::answerGetText(WPARAM room, LPARAM buffer) const {
    const wchar_t* text = core_.text() ? core_.text() : L"";
    const size_t length = std::wcslen(text);
    if (room == 0 || buffer == 0) return 0;
    const size_t copied = length < room - 1 ? length : room - 1;
    wchar_t* out = reinterpret_cast<wchar_t*>(buffer);
    std::wmemcpy(out, text, copied);
    out[copied] = L'\0';
    return LRESULT(copied);
}

void Label::measureText() {
    if (!isBound()) core_.makeFont();  // made again at creation, when the setting may have changed
    SIZE size = {0, 0};
    if (drawer_) {
        MeasuringDc measuring(core_.font());
        if (measuring.get()) drawer_->measure(measuring.get(), core_.text(), -1, &size);
    } else {
        size = ControlPaint::measureText(core_.text(), core_.font());
    }
    setMinimumSize(size.cx, size.cy);
    setPreferredSize(size.cx, size.cy);
    sizeStale_ = false;
}

// ---- Links

bool Label::setLinkTarget(const wchar_t* target) {
    link_ = target != nullptr;
    const bool stored = target_.set(target ? target : L"");
    repaint();
    return stored;
}

void Label::setTextDrawer(drawer::IText* drawer) {
    drawer_ = drawer;
    measureText();
    repaint();
}

void Label::setLinkFontSettings(FontSetting* hover, FontSetting* pressed) {
    hoverFont_ = hover;
    pressedFont_ = pressed;
    repaint();
}

void Label::setTextFormat(UINT format) {
    format_ = format;
    repaint();
}

void Label::runTarget() const {
    if (target_.length() == 0) return;
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = handle();
    info.lpVerb = L"open";
    info.lpFile = target_.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

// ---- Messages

bool Label::handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (link_ && handleMouse(msg, lp, result)) return true;
    switch (msg) {
        case WM_APP_LABEL_SET_TEXT:
            *result = replaceText(reinterpret_cast<const wchar_t*>(wp), lp != 0) ? 1 : 0;
            return true;
        case WM_APP_LABEL_TEMPORARY_TEXT:
            if (wp) onTemporaryText(*reinterpret_cast<const TemporaryText*>(wp));
            *result = 0;
            return true;
        case WM_TIMER:
            if (wp != TEMPORARY_TIMER) return false;
            restoreSavedText();
            *result = 0;
            return true;
        case WM_GETFONT:
            *result = reinterpret_cast<LRESULT>(core_.font());
            return true;
        case WM_GETTEXT:
            *result = answerGetText(wp, lp);
            return true;
        case WM_GETTEXTLENGTH:
            *result = LRESULT(std::wcslen(core_.text() ? core_.text() : L""));
            return true;
        case WM_NCHITTEST:
            if (link_) return false;
            *result = HTTRANSPARENT;
            return true;
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        case WM_PAINT:
            *result = paintWindow();
            return true;
        case WM_PRINTCLIENT:
            paintBufferedTo(reinterpret_cast<HDC>(wp));
            *result = 0;
            return true;
        case WM_CANCELMODE:
            cancelPress();
            return false;
        case WM_ENABLE:
            if (!wp) cancelPress();
            return false;
        case WM_DESTROY:
            KillTimer(handle(), TEMPORARY_TIMER);
            hover_.clear();
            return false;
        default:
            return false;
    }
}

bool Label::handleMouse(UINT msg, LPARAM lp, LRESULT* result) {
    const bool inside = ControlCore::isInsideClient(handle(), lp);
    switch (msg) {
        case WM_MOUSEMOVE:
            applyHover(hover_.move(inside));
            break;
        case WM_LBUTTONDOWN:
            if (!inside) return false;
            SetCapture(handle());  // the release must come back here, wherever it happens
            applyHover(hover_.press());
            break;
        case WM_LBUTTONUP: {
            const bool wasPressed = hover_.isPressed();
            applyHover(hover_.release(inside));
            if (wasPressed && inside) {
                runTarget();
                raise(CLICKED);
            }
            break;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) == handle()) return false;
            // Taken away while held, no release will come: the press ends here.
            applyHover(hover_.isPressed() ? hover_.cancel() : hover_.captureLost());
            break;
        default:
            return false;
    }
    *result = 0;
    return true;
}

void Label::cancelPress() {
    if (hover_.state() == HoverState::NONE && !hover_.isPressed()) return;
    applyHover(hover_.cancel());
}

void Label::applyHover(const HoverState::Change& change) {
    if (change.takeCapture && GetCapture() != handle()) SetCapture(handle());
    if (change.releaseCapture && GetCapture() == handle()) ReleaseCapture();
    if (change.changed) repaintNow();
}

// ---- Painting

const FontSetting* Label::shownFontSetting() const {
    if (link_ && hover_.state() == HoverState::PRESSED && pressedFont_) return pressedFont_;
    if (link_ && hover_.state() == HoverState::HOVER && hoverFont_) return hoverFont_;
    return core_.fontSetting();
}

void Label::paintClient(HDC dc, int width, int height) {
    ControlPaint::fill(dc, 0, 0, width, height, ControlCore::parentBackground(*this));
    if (!core_.isTransparent()) ControlPaint::fill(dc, 0, 0, width, height, getBackground());
    const FontSetting* setting = shownFontSetting();
    Font* linkFont = setting != core_.fontSetting() ? setting->createFont() : nullptr;  // for this paint only
    HFONT font = linkFont ? linkFont->handle() : core_.font();
    const COLORREF colour = ControlCore::textColour(setting, *this);
    if (drawer_) {
        // The background is the label's own (painted above, or none when
        // transparent): the drawer paints the text alone, in the font setting's colour.
        HGDIOBJ old = SelectObject(dc, font);
        drawer_->paintTextInColour(dc, 0, 0, width, height, core_.text(), -1, format_ | DT_NOPREFIX, colour);
        SelectObject(dc, old);
    } else {
        const RECT box = {0, 0, width, height};
        ControlPaint::drawText(dc, core_.text(), box, font, colour, format_ | DT_NOPREFIX);
    }
    if (linkFont) linkFont->release();
}

}  // namespace s::gui::win
