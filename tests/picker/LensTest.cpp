// The magnifier's placement and picture, without a screen: where the lens goes
// at every edge and corner of a work area and across monitors (always inside the
// pointer's work area, never over the area it magnifies), and what its pixels
// show (every screen pixel as a square, the grid between them, the centre's
// outline in a colour that stands out against it) at 100 % and 200 %.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "picker/LensPicture.h"
#include "picker/LensPlacement.h"

namespace {

using s::image::gui::dialogs::huesnap::LensPicture;
using s::image::gui::dialogs::huesnap::LensPlacement;

constexpr SIZE kLens = {122, 140};
constexpr int kReach = 5;
constexpr int kGap = 20;
const RECT kScreen = {0, 0, 1280, 1024};

RECT placeOn(POINT pointer, const RECT& area) {
    return LensPlacement::place(pointer, kLens, kReach, kGap, &area, 1);
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

::testing::AssertionResult isSound(POINT pointer, const RECT& lens, const RECT& area) {
    if (!inside(lens, area)) return ::testing::AssertionFailure() << "the lens leaves the work area";
    if (LensPlacement::overlaps(lens, LensPlacement::magnifiedArea(pointer, kReach)))
        return ::testing::AssertionFailure() << "the lens covers the area it magnifies";
    return ::testing::AssertionSuccess();
}

TEST(LensPlacement, GoesBelowRightAndFlipsOnlyOnTheAxisThatRunsOut) {
    struct Case {
        POINT pointer;
        bool left, above;
    };
    const Case cases[] = {
        {{640, 500}, false, false},                        // the middle: the default side
        {{2, 500}, false, false},                          // left edge: the default side has room
        {{640, 2}, false, false},                          // top edge
        {{0, 0}, false, false},                            // top-left corner
        {{1279, 500}, true, false},                        // right edge
        {{640, 1023}, false, true},                        // bottom edge
        {{1279, 1023}, true, true},                        // bottom-right corner
        {{1279, 0}, true, false},                          // top-right corner
        {{0, 1023}, false, true},                          // bottom-left corner
        {{1280 - 5 - 1 - kGap - 122, 500}, false, false},  // the last pointer column that still fits on the right
        {{1280 - 5 - kGap - 122, 500}, true, false},       // one further: flipped
    };
    for (const Case& c : cases) {
        const RECT lens = placeOn(c.pointer, kScreen);
        SCOPED_TRACE(::testing::Message() << "pointer " << c.pointer.x << "," << c.pointer.y);
        EXPECT_TRUE(isSound(c.pointer, lens, kScreen));
        EXPECT_EQ(c.left, lens.right <= c.pointer.x);
        EXPECT_EQ(c.above, lens.bottom <= c.pointer.y);
        EXPECT_EQ(kLens.cx, lens.right - lens.left);
        EXPECT_EQ(kLens.cy, lens.bottom - lens.top);
    }
    // Below-right keeps the gap from the magnified area.
    const RECT middle = placeOn({640, 500}, kScreen);
    EXPECT_EQ(640 + kReach + 1 + kGap, middle.left);
    EXPECT_EQ(500 + kReach + 1 + kGap, middle.top);
}

TEST(LensPlacement, UsesTheWorkAreaOfThePointersMonitor) {
    // A taskbar at the bottom of the first monitor; a second monitor to its
    // right, taller and starting higher; a third to the left at negative x.
    const RECT areas[] = {{0, 0, 1280, 984}, {1280, -200, 2560, 1200}, {-1024, 0, 0, 768}};
    struct Case {
        POINT pointer;
        int area;
    };
    const Case cases[] = {
        {{640, 980}, 0},    // above the first monitor's taskbar: flips up
        {{1279, 400}, 0},   // at the first monitor's right edge: stays on it, flipped left
        {{1280, 400}, 1},   // at the second monitor's left edge: on the second
        {{2559, -200}, 1},  // the second's top-right corner
        {{1300, 1100}, 1},  // low on the second, below where the first ends
        {{-1, 767}, 2},     // the third's bottom-right corner
        {{-1024, 0}, 2},    // the third's top-left corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pointer " << c.pointer.x << "," << c.pointer.y);
        EXPECT_EQ(&areas[c.area], LensPlacement::workAreaOf(c.pointer, areas, 3));
        EXPECT_TRUE(isSound(c.pointer, LensPlacement::place(c.pointer, kLens, kReach, kGap, areas, 3), areas[c.area]));
    }
    // A pointer in no work area (on the first monitor's taskbar) takes the nearest.
    EXPECT_EQ(&areas[0], LensPlacement::workAreaOf({100, 1000}, areas, 3));
    EXPECT_EQ(nullptr, LensPlacement::workAreaOf({100, 1000}, areas, 0));
}

TEST(LensPlacement, AWorkAreaTooSmallForEitherSideKeepsTheLensInsideAndClearOnTheOtherAxis) {
    const RECT narrow = {0, 0, 200, 1024};  // no room left or right of a pointer in the middle
    const POINT pointer = {100, 300};
    const RECT lens = placeOn(pointer, narrow);
    EXPECT_TRUE(inside(lens, narrow));
    EXPECT_FALSE(LensPlacement::overlaps(lens, LensPlacement::magnifiedArea(pointer, kReach)));
    // Without any work area it goes below and to the right.
    const RECT free = LensPlacement::place({-5000, 7000}, kLens, kReach, kGap, nullptr, 0);
    EXPECT_EQ(-5000 + kReach + 1 + kGap, free.left);
}

// ---- The picture

std::vector<COLORREF> patternBlock() {
    std::vector<COLORREF> block(LensPicture::CELLS * LensPicture::CELLS);
    for (size_t i = 0; i < block.size(); ++i) block[i] = RGB(i * 2, 255 - i, (i * 37) & 0xFF);
    return block;
}

uint32_t at(const LensPicture::Geometry& g, const std::vector<uint32_t>& pixels, int x, int y) {
    return pixels[size_t(y) * size_t(g.width) + size_t(x)];
}

TEST(LensPicture, ScalesWithTheDpiAndIsAtLeastElevenSquaresOfEightPixels) {
    const LensPicture::Geometry at96 = LensPicture::geometry(96);
    EXPECT_GE(LensPicture::CELLS, 11);
    EXPECT_GE(at96.cell, 8);
    EXPECT_EQ(1, at96.grid);
    EXPECT_EQ(LensPicture::CELLS * at96.pitch + at96.grid, at96.width);
    const LensPicture::Geometry at192 = LensPicture::geometry(192);
    EXPECT_EQ(2 * at96.cell, at192.cell);
    EXPECT_EQ(2 * at96.grid, at192.grid);
    EXPECT_EQ(2 * at96.textRow, at192.textRow);
    // A tiny lens still has a grid and an outline that reaches into the square.
    const LensPicture::Geometry tiny = LensPicture::geometry(40);
    EXPECT_GE(tiny.grid, 1);
    EXPECT_GT(tiny.outline, tiny.grid);
}

TEST(LensPicture, ShowsEveryPixelAsASquareWithTheGridBetweenAndTheCentreOutlined) {
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(::testing::Message() << "dpi " << dpi);
        const LensPicture::Geometry g = LensPicture::geometry(dpi);
        const std::vector<COLORREF> block = patternBlock();
        std::vector<uint32_t> pixels(size_t(g.width) * size_t(g.height), 0xDEADBEEF);
        LensPicture::paint(g, block.data(), pixels.data());
        for (int row = 0; row < LensPicture::CELLS; ++row) {
            for (int column = 0; column < LensPicture::CELLS; ++column) {
                const RECT cell = LensPicture::cellRect(g, column, row);
                const uint32_t expected = LensPicture::pixelOf(block[row * LensPicture::CELLS + column]);
                // The square's middle shows the pixel, the centre's too (the outline stays at its rim).
                EXPECT_EQ(expected, at(g, pixels, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
                // The square is whole where it is not the centre's or next to the outline.
                if (column != LensPicture::REACH || row != LensPicture::REACH) {
                    EXPECT_EQ(expected, at(g, pixels, cell.left + g.outline, cell.top + g.outline));
                }
            }
        }
        // The grid runs between squares and around them.
        const RECT first = LensPicture::cellRect(g, 0, 0);
        EXPECT_EQ(LensPicture::GRID_COLOUR, at(g, pixels, first.right, first.top));
        EXPECT_EQ(LensPicture::GRID_COLOUR, at(g, pixels, 0, 0));
        EXPECT_EQ(LensPicture::GRID_COLOUR, at(g, pixels, g.gridSide - 1, g.gridSide - 1));
        // The outline covers the centre's rim, grid included.
        const RECT centre = LensPicture::cellRect(g, LensPicture::REACH, LensPicture::REACH);
        const uint32_t outline =
            LensPicture::pixelOf(LensPicture::outlineFor(block[LensPicture::REACH * (LensPicture::CELLS + 1)]));
        EXPECT_EQ(outline, at(g, pixels, centre.left, centre.top));
        EXPECT_EQ(outline, at(g, pixels, centre.left - 1, (centre.top + centre.bottom) / 2));
        // Nothing is left unpainted.
        for (uint32_t pixel : pixels) ASSERT_NE(0xDEADBEEFu, pixel);
    }
}

TEST(LensPicture, TheOutlineStandsOutAgainstAnyCentreColour) {
    EXPECT_EQ(RGB(0, 0, 0), LensPicture::outlineFor(RGB(255, 255, 255)));
    EXPECT_EQ(RGB(255, 255, 255), LensPicture::outlineFor(RGB(0, 0, 0)));
    EXPECT_EQ(RGB(0, 0, 0), LensPicture::outlineFor(RGB(0, 255, 0)));        // bright green
    EXPECT_EQ(RGB(255, 255, 255), LensPicture::outlineFor(RGB(0, 0, 255)));  // dark blue
    EXPECT_EQ(RGB(255, 255, 255), LensPicture::outlineFor(RGB(255, 0, 0)));  // red is dark to the eye
    // Across every grey and the primaries the outline differs from the centre by at least half the range.
    for (int level = 0; level < 256; ++level) {
        const COLORREF grey = RGB(level, level, level);
        EXPECT_GE(abs(int(GetRValue(LensPicture::outlineFor(grey))) - level), 127) << level;
    }
}

}  // namespace
