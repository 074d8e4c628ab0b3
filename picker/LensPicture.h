#pragma once
// LensPicture: the magnifier's picture as pixels, without a window. A square of
// CELLS x CELLS screen pixels around the pointer, each drawn as a square, with
// a thin grid between them, the centre square outlined in black or white
// (whichever stands out against its colour), and a row below the grid for the
// centre's hex text, which the window draws with a font.
//
// Sizes are design units (96 DPI) turned into pixels by Dpi::scale for the DPI
// of the lens's monitor, so the picture is as sharp at 200 % as at 100 %.
// Pixels are 32-bit top-down rows as in a DIB section: 0x00RRGGBB.
#include <windows.h>

#include <cstdint>

namespace s::image::gui::dialogs::huesnap {

class LensPicture {
public:
    static constexpr int CELLS = 11;         // screen pixels on each side; odd, so one is the centre
    static constexpr int REACH = CELLS / 2;  // screen pixels from the centre to the edge
    static constexpr int CELL_UNITS = 10;    // one screen pixel's square
    static constexpr int GRID_UNITS = 1;
    static constexpr int OUTLINE_UNITS = 2;  // laid over the grid around the centre and into its square
    static constexpr int TEXT_ROW_UNITS = 18;
    static constexpr int FONT_UNITS = 13;  // the hex text's character height
    static constexpr uint32_t GRID_COLOUR = 0x00404040;
    static constexpr uint32_t TEXT_ROW_COLOUR = 0x00202020;
    static constexpr COLORREF TEXT_COLOUR = RGB(0xFF, 0xFF, 0xFF);

    struct Geometry {
        int cell;      // a square's side, pixels
        int grid;      // a grid line's width
        int outline;   // the centre outline's width, measured from the square's outer grid edge
        int pitch;     // from one square to the next: cell + grid
        int gridSide;  // the grid's width and height, outer lines included
        int textRow;   // the height of the hex row under the grid
        int font;      // the hex text's character height
        int width;
        int height;
    };
    static Geometry geometry(int dpi);

    // The square of screen pixel (column, row) of the block, in picture pixels.
    static RECT cellRect(const Geometry& geometry, int column, int row);
    // The hex row under the grid.
    static RECT textRect(const Geometry& geometry);
    // Black or white: the one farther from `centre` in perceived brightness.
    static COLORREF outlineFor(COLORREF centre);
    // Paints `block` (CELLS x CELLS COLORREFs, row by row) into `pixels`
    // (geometry.width x geometry.height): squares, grid, outline and the empty hex row.
    static void paint(const Geometry& geometry, const COLORREF* block, uint32_t* pixels);
    // A COLORREF as a DIB pixel.
    static uint32_t pixelOf(COLORREF colour);
};

}  // namespace s::image::gui::dialogs::huesnap
