#include "gui/win/FontSetting.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/win/Dpi.h"
#include "gui/win/Font.h"
#include "gui/win/FontSizeCode.h"

namespace s::gui::win {

S_POOLED_CLASS_IMPL(FontSetting, s::thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// The theme's message-box font: the font dialogs and controls use.
constexpr int THEME_MESSAGE_BOX_FONT = 805;

bool isVistaOrLater() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) && version.dwMajorVersion >= 6;
}

}  // namespace

void FontSetting::setDefaults() {
    logFont_ = LOGFONTW{};
    logFont_.lfHeight = -13;
    logFont_.lfWeight = FW_NORMAL;
    logFont_.lfCharSet = DEFAULT_CHARSET;
    logFont_.lfOutPrecision = OUT_STRING_PRECIS;
    logFont_.lfClipPrecision = CLIP_STROKE_PRECIS;
    logFont_.lfQuality = 5;  // ClearType
    logFont_.lfPitchAndFamily = VARIABLE_PITCH;
    lstrcpynW(logFont_.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
    foreground_ = background_ = RGB(0xEE, 0xEE, 0xEE);
    sizeCode_ = 0;
    keepWeight_ = keepSize_ = false;
}

bool FontSetting::copyThemeFont() {
    // UxTheme exists only from Windows 5.1 on and themes are used for the font only from 6.0.
    HMODULE uxTheme = LoadLibraryW(L"UxTheme.dll");
    if (!uxTheme) return false;
    typedef HANDLE(WINAPI * OpenFn)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI * FontFn)(HANDLE, int, LOGFONTW*);
    typedef HRESULT(WINAPI * CloseFn)(HANDLE);
    auto open = reinterpret_cast<OpenFn>(reinterpret_cast<void*>(GetProcAddress(uxTheme, "OpenThemeData")));
    auto font = reinterpret_cast<FontFn>(reinterpret_cast<void*>(GetProcAddress(uxTheme, "GetThemeSysFont")));
    auto close = reinterpret_cast<CloseFn>(reinterpret_cast<void*>(GetProcAddress(uxTheme, "CloseThemeData")));
    bool copied = false;
    if (open && font && close) {
        if (HANDLE theme = open(nullptr, L"WINDOW")) {
            LOGFONTW themed = {};
            if (SUCCEEDED(font(theme, THEME_MESSAGE_BOX_FONT, &themed)) && themed.lfFaceName[0]) {
                logFont_ = themed;
                copied = true;
            }
            close(theme);
        }
    }
    FreeLibrary(uxTheme);
    return copied;
}

void FontSetting::reset() {
    setDefaults();
    if (isVistaOrLater()) copyThemeFont();
    baseDpi_ = dpi_ = Dpi::forSystem();
    baseHeight_ = logFont_.lfHeight;
    points_ = 0;
}

void FontSetting::setPointSize(int points) {
    points_ = points;
    baseDpi_ = dpi_;
    baseHeight_ = logFont_.lfHeight = -MulDiv(points, dpi_, 72);
    logFont_.lfWidth = 0;
}

void FontSetting::setDpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    if (points_ > 0) {
        logFont_.lfHeight = -MulDiv(points_, dpi_, 72);
    } else {
        logFont_.lfHeight = baseDpi_ == dpi_ ? baseHeight_ : MulDiv(baseHeight_, dpi_, baseDpi_);
    }
    logFont_.lfWidth = 0;
}

bool FontSetting::setSizeCode(int code) {
    sizeCode_ = code;
    FontSize size;
    if (!fontSizeFromCode(code, &size)) return false;
    if (!keepWeight_) logFont_.lfWeight = size.weight;
    if (!keepSize_) setPointSize(size.points);
    return true;
}

bool FontSetting::createFontInto(Font* font) const { return font && font->create(logFont_); }

Font* FontSetting::createFont() const {
    Font* font = Font::acquire();
    if (font && !createFontInto(font)) {
        font->release();
        return nullptr;
    }
    return font;
}

}  // namespace s::gui::win
