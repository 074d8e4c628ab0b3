#include "gui/drawer/button/Glyphs.h"

#include <cwchar>

#include "gui/win/Dpi.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {

namespace {

using s::gui::win::Dpi;

// The button rectangle and its inner part (one design pixel in on each side),
// with the glyphs' stroke: dots of 2 x 2 design pixels, a design pixel apart along
// a diagonal (so a slanted stroke stays as thick as the design's, in whole pixels).
struct Box {
    int x, y, w, h;  // button
    int x0, y0;      // inner top-left
    int iw, ih;      // inner size
    int inset, dot;  // device pixels of the inset and of a stroke's width
    int dpi;
    int evenSide() const { return (iw < ih ? iw : ih) & ~1; }
};

Box boxOf(int left, int top, int right, int bottom, int dpi) {
    Box b;
    b.dpi = dpi;
    b.inset = Dpi::scale(1, dpi);
    b.dot = Dpi::scale(2, dpi);
    b.x = left;
    b.y = top;
    b.w = right - left;
    b.h = bottom - top;
    b.x0 = left + b.inset;
    b.y0 = top + b.inset;
    b.iw = b.w - 2 * b.inset;
    b.ih = b.h - 2 * b.inset;
    return b;
}

// A chevron of dots whose tip lies on the middle row; `offset` shifts it sideways.
// The lower arm is the upper one mirrored about the inside's middle.
void chevron(IRectSink& sink, const Box& b, bool pointsRight, int offset, COLORREF colour) {
    const int s = b.evenSide(), d = b.dot;
    const int mid = b.y0 + b.ih / 2;
    int r = b.y0 + (b.ih - s) / 2;
    const int fromEdge = (b.iw - s / 3) / 2;
    int c = pointsRight ? b.x + fromEdge : b.x + b.w - fromEdge - d;
    c += offset;
    while (r < mid && (pointsRight ? c + d - 1 < b.x + b.w - b.inset : c > b.x0)) {
        // A shifted chevron of a double glyph may reach past the inside on small buttons.
        if (c >= b.x0 && c + d <= b.x0 + b.iw) {
            sink.fillRect(c, r, d, d, colour);
            sink.fillRect(c, 2 * b.y0 + b.ih - r - d, d, d, colour);
        }
        c += pointsRight ? b.inset : -b.inset;
        r += b.inset;
    }
}

void minimizeBar(IRectSink& sink, const Box& b, COLORREF colour) {
    sink.fillRect(b.x0, b.y0 + int(0.8 * b.ih), b.iw, b.dot, colour);
}

void cross(IRectSink& sink, const Box& b, COLORREF colour) {
    const int x2 = b.x + b.w, y2 = b.y + b.h;
    const int s = b.evenSide(), d = b.dot;
    const int dx = (b.iw - s) / 2, dy = (b.ih - s) / 2;
    const int c0 = b.x0 + dx, r0 = b.y0 + dy;
    for (int k = 0; c0 + k + d - 1 <= x2 - b.inset && r0 + k + d <= y2 - b.inset; k += b.inset)
        sink.fillRect(c0 + k, r0 + k, d, d, colour);
    for (int k = 0; x2 - b.inset - dx - d - k >= b.x0 && r0 + k + d <= y2 - b.inset; k += b.inset)
        sink.fillRect(x2 - b.inset - dx - d - k, r0 + k, d, d, colour);
}

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// "#Color-" + eight hex digits; the last six are the COLORREF.
bool swatchColour(const wchar_t* name, COLORREF* colour) {
    const wchar_t* digits = name + 7;
    if (std::wcslen(digits) != 8) return false;
    COLORREF value = 0;
    for (int i = 0; i < 8; ++i) {
        const int v = hexValue(digits[i]);
        if (v < 0) return false;
        if (i >= 2) value = (value << 4) | COLORREF(v);
    }
    *colour = value;
    return true;
}

void swatch(IRectSink& sink, const Box& b, COLORREF colour) {
    const int i = b.inset;
    sink.fillRect(b.x + i, b.y + i, b.w - 2 * i, b.h - 2 * i, RGB(0, 0, 0));
    sink.fillRect(b.x + 2 * i, b.y + 2 * i, b.w - 4 * i, b.h - 4 * i, colour);
}

// Pixel art on a 7 x 7 grid ('#' = set), scaled into the largest centred square.
struct Pattern {
    const wchar_t* name;
    const char* rows[7];
};

const Pattern kPatterns[] = {
    {L"#Play", {"#......", "###....", "#####..", "#######", "#####..", "###....", "#......"}},
    {L"#Pause", {"##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##"}},
    {L"#Stop", {".......", ".#####.", ".#####.", ".#####.", ".#####.", ".#####.", "......."}},
    {L"#Speaker", {"....#..", "...##..", "####.#.", "#.#..#.", "####.#.", "...##..", "....#.."}},
    {L"#Mute", {"....#..", "...##..", "###.#.#", "#.#..#.", "###.#.#", "...##..", "....#.."}},
    {L"#Down", {".......", ".......", "#######", ".#####.", "..###..", "...#...", "......."}},
    {L"#Up", {".......", "...#...", "..###..", ".#####.", "#######", ".......", "......."}},
    {L"#ThumbLineV", {".......", "..###..", ".......", "..###..", ".......", "..###..", "......."}},
    {L"#ThumbLineH", {".......", ".......", ".#.#.#.", ".#.#.#.", ".#.#.#.", ".......", "......."}},
    {L"#Minus", {".......", ".......", ".......", "#######", ".......", ".......", "......."}},
    {L"#Plus", {"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."}},
    {L"#PlusMinus", {"...#...", ".#####.", "...#...", ".......", ".#####.", ".......", "......."}},
    {L"#Check", {".......", "......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."}},
    {L"#Next", {"#....#.", "##...#.", "###..#.", "####.#.", "###..#.", "##...#.", "#....#."}},
    {L"#Prev", {".#....#", ".#...##", ".#..###", ".#.####", ".#..###", ".#...##", ".#....#"}},
    {L"#Resizer", {"......#", ".......", "....#.#", ".......", "..#.#.#", ".......", "#.#.#.#"}},
    {L"#TreeClosed", {"#######", "#.....#", "#..#..#", "#.###.#", "#..#..#", "#.....#", "#######"}},
    {L"#TreeOpen", {"#######", "#.....#", "#.....#", "#.###.#", "#.....#", "#.....#", "#######"}},
    {L"#TurnRight", {"..###..", ".#...#.", "#.....#", "#...###", "#....#.", ".#.....", "..###.."}},
    {L"#TurnLeft", {"..###..", ".#...#.", "#.....#", "###...#", ".#....#", ".....#.", "..###.."}},
    // The keep-on-top pin of the title bar: a head, a collar and a needle.
    {L"#OnTop", {"..###..", "..###..", "..###..", "#######", "...#...", "...#...", "...#..."}},
    {L"#FitWindow", {"###.###", "#.....#", "#.....#", ".......", "#.....#", "#.....#", "###.###"}},
    {L"#FitToWindow", {"#######", "#.....#", "#.###.#", "#.###.#", "#.###.#", "#.....#", "#######"}},
    {L"#Palm", {".#.#.#.", ".#.#.#.", ".#.#.#.", "##.....", ".#####.", "..####.", "...##.."}},
    {L"#KeepRatio", {"#######", "#.....#", "#.....#", "#######", ".......", "..###..", "..###.."}},
};

// Prefix glyphs: every text that starts with the prefix shows the same picture.
const Pattern kTransform = {L"#Transform",
                            {"###....", "#.#....", "###.#..", "....#..", "..#####", "...###.", "....#.."}};
const Pattern kDot = {L"#.", {".......", ".......", "..###..", "..###..", "..###..", ".......", "......."}};

// Scaled, every cell is the same whole number of pixels, so strokes of one width
// stay one width; the picture is centred in the button and keeps off its 1-pixel
// frame line (the design's 2-pixel cells become 3 at 150 %, 4 at 200 %).
void paintScaledPattern(IRectSink& sink, const Box& b, const Pattern& p, COLORREF colour) {
    const int side = (b.w < b.h ? b.w : b.h) - 2;
    const int cell = side / 7;
    if (cell <= 0) return;
    const int ox = b.x + (b.w - 7 * cell) / 2, oy = b.y + (b.h - 7 * cell) / 2;
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            if (p.rows[row][col] == '#') sink.fillRect(ox + col * cell, oy + row * cell, cell, cell, colour);
}

void paintPattern(IRectSink& sink, const Box& b, const Pattern& p, COLORREF colour) {
    if (b.dpi != Dpi::DESIGN && b.dpi > 0) {
        paintScaledPattern(sink, b, p, colour);
        return;
    }
    const int side = b.iw < b.ih ? b.iw : b.ih;
    if (side <= 0) return;
    const int ox = b.x0 + (b.iw - side) / 2, oy = b.y0 + (b.ih - side) / 2;
    for (int row = 0; row < 7; ++row) {
        const int y1 = oy + row * side / 7, y2 = oy + (row + 1) * side / 7;
        for (int col = 0; col < 7; ++col) {
            if (p.rows[row][col] != '#') continue;
            const int x1 = ox + col * side / 7, x2 = ox + (col + 1) * side / 7;
            sink.fillRect(x1, y1, x2 - x1, y2 - y1, colour);
        }
    }
}

bool startsWith(const wchar_t* text, const wchar_t* prefix) {
    return std::wcsncmp(text, prefix, std::wcslen(prefix)) == 0;
}

const Pattern* findPattern(const wchar_t* name) {
    for (const Pattern& p : kPatterns)
        if (std::wcscmp(name, p.name) == 0) return &p;
    if (startsWith(name, kTransform.name)) return &kTransform;
    if (startsWith(name, kDot.name)) return &kDot;
    return nullptr;
}

enum class Special { None, Right, Left, RightRight, LeftLeft, Cross, Bar, Swatch };

Special specialOf(const wchar_t* name) {
    if (std::wcscmp(name, L"#Right") == 0) return Special::Right;
    if (std::wcscmp(name, L"#Left") == 0) return Special::Left;
    if (std::wcscmp(name, L"#RightRight") == 0) return Special::RightRight;
    if (std::wcscmp(name, L"#LeftLeft") == 0) return Special::LeftLeft;
    if (std::wcscmp(name, L"#X") == 0) return Special::Cross;
    if (startsWith(name, L"#_")) return Special::Bar;
    if (startsWith(name, L"#Color-")) return Special::Swatch;
    return Special::None;
}

}  // namespace

bool isKnownGlyph(const wchar_t* name) {
    if (!name || name[0] != L'#') return false;
    const Special special = specialOf(name);
    COLORREF ignored;
    if (special == Special::Swatch) return swatchColour(name, &ignored);
    return special != Special::None || findPattern(name) != nullptr;
}

bool paintGlyph(IRectSink& sink, const wchar_t* name, int left, int top, int right, int bottom, COLORREF colour,
                int dpi) {
    if (!isKnownGlyph(name)) return false;
    const Box b = boxOf(left, top, right, bottom, dpi);
    switch (specialOf(name)) {
        case Special::Right:
            chevron(sink, b, true, 0, colour);
            return true;
        case Special::Left:
            chevron(sink, b, false, 0, colour);
            return true;
        case Special::RightRight:
            chevron(sink, b, true, -Dpi::scale(3, dpi), colour);
            chevron(sink, b, true, Dpi::scale(3, dpi), colour);
            return true;
        case Special::LeftLeft:
            chevron(sink, b, false, -Dpi::scale(3, dpi), colour);
            chevron(sink, b, false, Dpi::scale(3, dpi), colour);
            return true;
        case Special::Cross:
            cross(sink, b, colour);
            return true;
        case Special::Bar:
            minimizeBar(sink, b, colour);
            return true;
        case Special::Swatch: {
            COLORREF swatchValue = 0;
            swatchColour(name, &swatchValue);
            swatch(sink, b, swatchValue);
            return true;
        }
        case Special::None:
            break;
    }
    paintPattern(sink, b, *findPattern(name), colour);
    return true;
}

}  // namespace button
}  // namespace drawer
}  // namespace gui
}  // namespace s
