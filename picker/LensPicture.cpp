#include "picker/LensPicture.h"

#include "gui/win/Dpi.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

using s::gui::win::Dpi;

void fill(const LensPicture::Geometry& geometry, uint32_t* pixels, const RECT& area, uint32_t pixel) {
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = pixels + size_t(y) * size_t(geometry.width);
        for (int x = area.left; x < area.right; ++x) row[x] = pixel;
    }
}

// A frame `width` pixels thick just inside `outer`.
void frame(const LensPicture::Geometry& geometry, uint32_t* pixels, const RECT& outer, int width, uint32_t pixel) {
    fill(geometry, pixels, RECT{outer.left, outer.top, outer.right, outer.top + width}, pixel);
    fill(geometry, pixels, RECT{outer.left, outer.bottom - width, outer.right, outer.bottom}, pixel);
    fill(geometry, pixels, RECT{outer.left, outer.top, outer.left + width, outer.bottom}, pixel);
    fill(geometry, pixels, RECT{outer.right - width, outer.top, outer.right, outer.bottom}, pixel);
}

}  // namespace

LensPicture::Geometry LensPicture::geometry(int dpi) {
    Geometry g;
    g.cell = Dpi::scale(CELL_UNITS, dpi);
    g.grid = Dpi::scale(GRID_UNITS, dpi);
    if (g.grid < 1) g.grid = 1;
    g.outline = Dpi::scale(OUTLINE_UNITS, dpi);
    if (g.outline <= g.grid) g.outline = g.grid + 1;  // it must reach into the square to be seen
    g.pitch = g.cell + g.grid;
    g.gridSide = CELLS * g.pitch + g.grid;
    g.textRow = Dpi::scale(TEXT_ROW_UNITS, dpi);
    g.font = Dpi::scale(FONT_UNITS, dpi);
    g.width = g.gridSide;
    g.height = g.gridSide + g.textRow;
    return g;
}

RECT LensPicture::cellRect(const Geometry& geometry, int column, int row) {
    const int left = geometry.grid + column * geometry.pitch;
    const int top = geometry.grid + row * geometry.pitch;
    return RECT{left, top, left + geometry.cell, top + geometry.cell};
}

RECT LensPicture::textRect(const Geometry& geometry) {
    return RECT{0, geometry.gridSide, geometry.width, geometry.height};
}

COLORREF LensPicture::outlineFor(COLORREF centre) {
    // Rec. 601 weights: green looks brightest, blue darkest.
    const int brightness = (299 * GetRValue(centre) + 587 * GetGValue(centre) + 114 * GetBValue(centre)) / 1000;
    return brightness >= 128 ? RGB(0, 0, 0) : RGB(0xFF, 0xFF, 0xFF);
}

uint32_t LensPicture::pixelOf(COLORREF colour) {
    return uint32_t(GetRValue(colour)) << 16 | uint32_t(GetGValue(colour)) << 8 | uint32_t(GetBValue(colour));
}

void LensPicture::paint(const Geometry& geometry, const COLORREF* block, uint32_t* pixels) {
    fill(geometry, pixels, RECT{0, 0, geometry.gridSide, geometry.gridSide}, GRID_COLOUR);
    for (int row = 0; row < CELLS; ++row)
        for (int column = 0; column < CELLS; ++column)
            fill(geometry, pixels, cellRect(geometry, column, row), pixelOf(block[row * CELLS + column]));
    RECT around = cellRect(geometry, REACH, REACH);
    InflateRect(&around, geometry.grid, geometry.grid);
    frame(geometry, pixels, around, geometry.outline, pixelOf(outlineFor(block[REACH * CELLS + REACH])));
    fill(geometry, pixels, textRect(geometry), TEXT_ROW_COLOUR);
}

}  // namespace s::image::gui::dialogs::huesnap
